#include "OutputMessages.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

void COutputMessages::Read(std::string_view output, const MessageJump::CMessagePlaces& places)
{
    using EKind = MessageJump::CToolMessage::EKind;
    Clear();
    // A long stack trace names the same few files over and over.
    std::unordered_map<std::string, std::optional<std::string>> resolved;
    for (const MessageJump::COutputMessage& found : MessageJump::ReadMessages(output)) {
        const MessageJump::CToolMessage& message = found.message;
        const std::string key = message.strPath + '\0' + message.strQualifiedFile;
        auto it = resolved.find(key);
        if (it == resolved.end())
            it = resolved.emplace(key, MessageJump::ResolveFile(message, places)).first;
        if (!it->second)
            continue;
        CEntry entry;
        entry.nOutputLine = found.nOutputLine;
        entry.strFile = *it->second;
        entry.nLine = message.nLine - 1;
        const std::size_t start = found.line.find_first_not_of(" \t");
        entry.strSummary = start == std::string_view::npos ? std::string() : std::string(found.line.substr(start));
        // javac's own messages mark their lines; a frame or another tool's line does not.
        if (message.kind != EKind::Other && message.strQualifiedFile.empty()) {
            const bool bError = message.kind == EKind::Error;
            entry.markKind = bError ? EMarkerKind::Error : EMarkerKind::Warning;
            entry.strMark = (bError ? "error: " : "warning: ") + message.strText;
            if (!message.strDetail.empty())
                entry.strMark += "\n" + message.strDetail;
        }
        m_entries.push_back(std::move(entry));
    }
}

void COutputMessages::Clear()
{
    m_entries.clear();
    m_nNext = 0;
    m_nPrevious = -1;
}

const COutputMessages::CEntry* COutputMessages::Next()
{
    if (m_nNext >= m_entries.size())
        return nullptr;
    const std::size_t nAt = m_nNext;
    m_nNext = nAt + 1;
    m_nPrevious = static_cast<std::ptrdiff_t>(nAt) - 1;
    return &m_entries[nAt];
}

const COutputMessages::CEntry* COutputMessages::Previous()
{
    if (m_nPrevious < 0)
        return nullptr;
    const auto nAt = static_cast<std::size_t>(m_nPrevious);
    m_nNext = nAt + 1;
    m_nPrevious = m_nPrevious - 1;
    return &m_entries[nAt];
}

void COutputMessages::MoveTo(int nOutputLine)
{
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), nOutputLine,
                                     [](const CEntry& entry, int nLine) { return entry.nOutputLine < nLine; });
    const auto nAt = static_cast<std::size_t>(at - m_entries.begin());
    const bool bOnMessage = at != m_entries.end() && at->nOutputLine == nOutputLine;
    m_nNext = bOnMessage ? nAt + 1 : nAt;
    m_nPrevious = static_cast<std::ptrdiff_t>(nAt) - 1;
}

std::map<std::string, std::vector<CLineMarker>> COutputMessages::Marks() const
{
    std::map<std::string, std::vector<CLineMarker>> marks;
    for (const CEntry& entry : m_entries) {
        if (!entry.strMark.empty())
            marks[entry.strFile].push_back({entry.nLine, entry.markKind, entry.strMark});
    }
    return marks;
}
