#include "LineRules.h"

#include "ColourClass.h"

namespace LineRules {

void MarkStrings(std::string_view line, std::string& classes)
{
    constexpr std::size_t npos = std::string_view::npos;
    for (std::size_t nOpen = line.find('"'); nOpen != npos;) {
        std::size_t nClose = line.find('"', nOpen + 1);
        while (nClose != npos && nClose > 1 && line[nClose - 1] == '\\' && line[nClose - 2] != '\\')
            nClose = line.find('"', nClose + 1);
        const std::size_t nEnd = nClose == npos ? line.size() : nClose + 1;
        Fill(classes, nOpen, nEnd, ColourClass::kString);
        nOpen = line.find('"', nEnd + 1);
    }
}

void MarkBlockComments(std::string_view line, std::string& classes, std::string_view opener, std::string_view closer,
                       bool bOpenAbove)
{
    constexpr std::size_t npos = std::string_view::npos;
    const std::size_t m = line.size();
    const std::size_t nFirstCloser = line.find(closer);
    if (nFirstCloser == npos && bOpenAbove)
        Fill(classes, 0, m, ColourClass::kComment);
    std::size_t nFrom = 0;
    for (;;) {
        const std::size_t nOpener = line.find(opener, nFrom);
        if (nOpener == npos) {
            if (nFirstCloser != npos && bOpenAbove)
                Fill(classes, 0, nFirstCloser + closer.size(), ColourClass::kComment);
            break;
        }
        const std::size_t nCloser = line.find(closer, nOpener);
        if (nCloser == npos) {
            Fill(classes, nOpener, m, ColourClass::kComment);
            break;
        }
        Fill(classes, nOpener, nCloser + closer.size(), ColourClass::kComment);
        nFrom = nCloser;
    }
}

}  // namespace LineRules
