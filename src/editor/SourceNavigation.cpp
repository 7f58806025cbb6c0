#include "SourceNavigation.h"

#include <algorithm>
#include <map>
#include <string_view>

namespace SourceNavigation {

void SelectLine(CTextModel& text, int nLine)
{
    const int nTarget = std::clamp(nLine, 0, text.GetLineCount() - 1);
    text.SetSelection(text.LineStart(nTarget), text.LineEnd(nTarget));
}

void SelectLineAt(CTextModel& text, TextPos nPos)
{
    SelectLine(text, text.LineFromPosition(std::clamp<TextPos>(nPos, 0, text.GetLength())));
}

int EntryAbove(const std::vector<std::int32_t>& positions, TextPos nLineEnd)
{
    int nFound = -1;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        if (positions[i] <= nLineEnd && (nFound < 0 || positions[i] >= positions[static_cast<std::size_t>(nFound)]))
            nFound = static_cast<int>(i);
    }
    return nFound;
}

std::optional<TextPos> BraceBesideCaret(const CTextModel& text, TextPos nCaret)
{
    constexpr std::string_view kBraces = "()[]{}";
    for (const TextPos nPos : {nCaret - 1, nCaret}) {
        const std::string_view byte = text.GetBytes(nPos, nPos + 1);
        if (nPos >= 0 && byte.size() == 1 && kBraces.find(byte.front()) != std::string_view::npos)
            return nPos;
    }
    return std::nullopt;
}

std::vector<CLineMarker> MarkersByLine(const std::vector<CLineMarker>& markers, int nLineCount)
{
    std::map<int, CLineMarker> byLine;
    for (const CLineMarker& marker : markers) {
        const int nLine = std::clamp(marker.nLine, 0, std::max(nLineCount - 1, 0));
        const auto [it, bNew] = byLine.try_emplace(nLine, CLineMarker{nLine, marker.kind, marker.strMessage});
        if (bNew)
            continue;
        if (marker.kind == EMarkerKind::Error)
            it->second.kind = EMarkerKind::Error;
        it->second.strMessage += "\n" + marker.strMessage;
    }
    std::vector<CLineMarker> lines;
    lines.reserve(byLine.size());
    for (auto& [nLine, marker] : byLine)
        lines.push_back(std::move(marker));
    return lines;
}

}  // namespace SourceNavigation
