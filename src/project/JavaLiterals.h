#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

// The string literals, character literals and text blocks of a Java text, found in order by reading
// it from its start, past "//" and "/*" comments. A string or character literal runs to its next
// quote of its kind that no backslash escapes, or to the end of its line; a text block from three
// double quotes to the next three that are not escaped, or to the end of the text. The text is
// read only as far as the questions asked about it need.
class CJavaLiterals {
public:
    explicit CJavaLiterals(std::string_view text);

    // A reader's place among the literals; each reader asks about positions that never go back.
    struct CPlace {
        std::size_t nSpan = 0;
    };
    // Whether the byte at pos lies inside a literal, its quotes included. Asked for every brace of a
    // scan, so the common answer is given here.
    bool Contains(std::size_t pos, CPlace& place)
    {
        if (place.nSpan < m_spans.size() && pos < m_spans[place.nSpan].second)
            return m_spans[place.nSpan].first <= pos;
        return ContainsFurtherOn(pos, place);
    }

private:
    bool ContainsFurtherOn(std::size_t pos, CPlace& place);
    // Reads on to the next literal; false when the text has no more.
    bool FindNext();
    std::size_t LiteralEnd(std::size_t nFrom, char quote) const;
    std::size_t TextBlockEnd(std::size_t nFrom) const;
    std::size_t LineEnd(std::size_t nFrom) const;

    std::string_view m_text;
    // Where the reading stands, outside any literal or comment.
    std::size_t m_nRead = 0;
    std::vector<std::pair<std::size_t, std::size_t>> m_spans;
};
