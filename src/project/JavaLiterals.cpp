#include "JavaLiterals.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr std::size_t npos = std::string_view::npos;

// The first quote, apostrophe or slash at or after from: what may start a literal or a comment.
// Sixteen bytes at a time where the processor allows, since most of a source is neither.
std::size_t FindMarker(std::string_view text, std::size_t from)
{
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i apostrophe = _mm_set1_epi8('\'');
    const __m128i slash = _mm_set1_epi8('/');
    for (; i + 16 <= size; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, quote), _mm_cmpeq_epi8(bytes, apostrophe)),
                                          _mm_cmpeq_epi8(bytes, slash));
        if (const int mask = _mm_movemask_epi8(hits); mask != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == '"' || data[i] == '\'' || data[i] == '/')
            return i;
    }
    return npos;
}

}  // namespace

CJavaLiterals::CJavaLiterals(std::string_view text) : m_text(text)
{
}

bool CJavaLiterals::ContainsFurtherOn(std::size_t pos, CPlace& place)
{
    for (;;) {
        while (place.nSpan < m_spans.size() && m_spans[place.nSpan].second <= pos)
            ++place.nSpan;
        if (place.nSpan < m_spans.size())
            return m_spans[place.nSpan].first <= pos;
        if (!FindNext())
            return false;
    }
}

std::size_t CJavaLiterals::LineEnd(std::size_t nFrom) const
{
    const std::size_t nLf = m_text.find('\n', nFrom);
    const std::size_t nCr = m_text.substr(0, nLf == npos ? m_text.size() : nLf).find('\r', nFrom);
    const std::size_t nEnd = std::min(nLf, nCr);
    return nEnd == npos ? m_text.size() : nEnd;
}

std::size_t CJavaLiterals::LiteralEnd(std::size_t nFrom, char quote) const
{
    for (std::size_t i = nFrom; i < m_text.size(); ++i) {
        const char c = m_text[i];
        if (c == '\r' || c == '\n')
            return i;
        if (c == quote)
            return i + 1;
        // The escaped byte goes along, unless it ends the line.
        if (c == '\\' && i + 1 < m_text.size() && m_text[i + 1] != '\r' && m_text[i + 1] != '\n')
            ++i;
    }
    return m_text.size();
}

std::size_t CJavaLiterals::TextBlockEnd(std::size_t nFrom) const
{
    for (std::size_t i = nFrom; i < m_text.size(); ++i) {
        if (m_text[i] == '\\')
            ++i;
        else if (m_text.substr(i, 3) == R"(""")")
            return i + 3;
    }
    return m_text.size();
}

bool CJavaLiterals::FindNext()
{
    while (m_nRead < m_text.size()) {
        const std::size_t at = FindMarker(m_text, m_nRead);
        if (at == npos) {
            m_nRead = m_text.size();
            return false;
        }
        const char next = at + 1 < m_text.size() ? m_text[at + 1] : '\0';
        if (m_text[at] == '/') {
            if (next == '/') {
                m_nRead = LineEnd(at + 2);
            } else if (next == '*') {
                const std::size_t close = m_text.find("*/", at + 2);
                m_nRead = close == npos ? m_text.size() : close + 2;
            } else {
                m_nRead = at + 1;
            }
            continue;
        }
        std::size_t end = 0;
        if (m_text.substr(at, 3) == R"(""")")
            end = TextBlockEnd(at + 3);
        else
            end = LiteralEnd(at + 1, m_text[at]);
        m_spans.emplace_back(at, end);
        m_nRead = end;
        return true;
    }
    return false;
}
