#include "ColourRuns.h"

#include "ColourClass.h"

#include <string>

void ApplyColourRuns(CTextModel& text, TextPos nBase, std::string_view classes)
{
    const std::string held = text.GetClasses(nBase, nBase + static_cast<TextPos>(classes.size()));
    const std::size_t n = std::min(held.size(), classes.size());
    std::size_t first = 0;
    while (first < n && held[first] == ColourClass::Shown(classes[first]))
        ++first;
    if (first == n)
        return;
    std::size_t last = n;
    while (held[last - 1] == ColourClass::Shown(classes[last - 1]))
        --last;
    std::string wanted(classes.substr(first, last - first));
    for (char& code : wanted)
        code = ColourClass::Shown(code);
    text.SetClasses(nBase + static_cast<TextPos>(first), wanted);
}
