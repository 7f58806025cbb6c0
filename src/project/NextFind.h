#pragma once

#include <cassert>
#include <cstddef>
#include <cstring>
#include <string_view>

// The next place of one pattern at or after a position that only moves forward. Each search
// resumes where the last one of its kind ended, so all the searches of one reader together read
// the text about once.
class CNextFind {
public:
    CNextFind(std::string_view text, std::string_view pattern) : m_text(text), m_pattern(pattern) {}

    std::size_t From(std::size_t from)
    {
        assert(from >= m_nLastFrom);
        m_nLastFrom = from;
        if (m_bSearched && (m_nPos == std::string_view::npos || m_nPos >= from))
            return m_nPos;
        m_nPos = Search(from);
        m_bSearched = true;
        return m_nPos;
    }

private:
    // memchr finds the pattern's first byte many times faster than a loop over a long text.
    std::size_t Search(std::size_t from) const
    {
        const std::size_t n = m_pattern.size();
        if (n == 0 || m_text.size() < n)
            return std::string_view::npos;
        const char* const data = m_text.data();
        const std::size_t last = m_text.size() - n;
        while (from <= last) {
            const void* hit = std::memchr(data + from, m_pattern[0], last - from + 1);
            if (hit == nullptr)
                break;
            const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
            // The patterns are a byte or two long: a call to compare them costs more than the loop.
            std::size_t i = 1;
            while (i < n && data[at + i] == m_pattern[i])
                ++i;
            if (i == n)
                return at;
            from = at + 1;
        }
        return std::string_view::npos;
    }

    std::string_view m_text;
    std::string_view m_pattern;
    std::size_t m_nPos = 0;
    std::size_t m_nLastFrom = 0;
    bool m_bSearched = false;
};
