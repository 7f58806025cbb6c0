#include "OutputLines.h"

#include <algorithm>
#include <cstring>

std::size_t IncompleteUtf8Tail(std::string_view text)
{
    const std::size_t nSize = text.size();
    for (std::size_t n = 1; n <= 3 && n <= nSize; ++n) {
        const auto byte = static_cast<unsigned char>(text[nSize - n]);
        if ((byte & 0xC0) != 0x80) {
            const std::size_t nNeeded = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return nNeeded > n ? n : 0;
        }
    }
    return 0;
}

COutputLines::COutputLines(std::size_t nBound, std::size_t nBlockSize)
    : m_nBound(std::max<std::size_t>(nBound, 2)), m_bytes(nBlockSize)
{
    m_lineStarts.push_back(0);
}

std::string COutputLines::DroppedLine(std::size_t nBytes)
{
    return "[" + std::to_string(nBytes) + " bytes of earlier output dropped]";
}

void COutputLines::Clear(std::size_t nPos)
{
    m_bytes.Clear(nPos);
    m_lineStarts.clear();
    m_lineStarts.push_back(nPos);
    m_nDroppedLines = 0;
    m_nLongestEnded = 0;
    m_bEndsInCr = false;
}

void COutputLines::Append(std::string_view bytes)
{
    if (bytes.empty())
        return;
    const std::size_t nBase = m_bytes.End();
    m_bytes.Append(bytes);

    std::size_t i = 0;
    if (m_bEndsInCr && bytes.front() == '\n') {
        ++m_lineStarts.back();
        i = 1;
    }
    m_bEndsInCr = false;
    for (;;) {
        const void* found = std::memchr(bytes.data() + i, '\r', bytes.size() - i);
        if (found == nullptr)
            break;
        const auto nCr = static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
        m_nLongestEnded = std::max(m_nLongestEnded, nBase + nCr - m_lineStarts.back());
        i = nCr + 1;
        if (i < bytes.size() && bytes[i] == '\n')
            ++i;
        else if (i == bytes.size())
            m_bEndsInCr = true;
        m_lineStarts.push_back(nBase + i);
    }
    // A LF that completes a CR LF may have moved the first line's start.
    m_bytes.DropBefore(m_lineStarts.front());
    KeepWithinBound();
}

void COutputLines::KeepWithinBound()
{
    if (m_bytes.End() - m_bytes.Start() <= m_nBound)
        return;
    // A little more than needed goes, so that the next pieces do not each cut again.
    const std::size_t nCut = m_bytes.End() - (m_nBound - m_nBound / 16);
    const auto first = std::lower_bound(m_lineStarts.begin(), m_lineStarts.end(), nCut);
    if (first != m_lineStarts.end()) {
        m_nDroppedLines += static_cast<std::uint64_t>(first - m_lineStarts.begin());
        m_lineStarts.erase(m_lineStarts.begin(), first);
    } else {
        // The last line alone is longer than the bound: it is cut where it must be.
        m_nDroppedLines += m_lineStarts.size() - 1;
        m_lineStarts.assign(1, nCut);
    }
    m_bytes.DropBefore(m_lineStarts.front());
}

std::size_t COutputLines::KeptEnd(std::size_t nKept) const
{
    if (nKept + 1 >= m_lineStarts.size())
        return m_bytes.End();
    // A line starts after a CR, or after the LF of a CR LF.
    const std::size_t nNext = m_lineStarts[nKept + 1];
    return m_bytes.At(nNext - 1) == '\n' ? nNext - 2 : nNext - 1;
}

std::size_t COutputLines::LineLength(std::size_t nLine) const
{
    if (nLine < HeaderLines())
        return DroppedLine(DroppedBytes()).size();
    const std::size_t nKept = nLine - HeaderLines();
    return KeptEnd(nKept) - m_lineStarts[nKept];
}

std::string COutputLines::LineHead(std::size_t nLine, std::size_t nMax) const
{
    if (nLine < HeaderLines())
        return DroppedLine(DroppedBytes()).substr(0, nMax);
    const std::size_t nKept = nLine - HeaderLines();
    const std::size_t nFrom = m_lineStarts[nKept];
    const std::size_t nTo = KeptEnd(nKept);
    return Copy(nFrom, nTo - nFrom > nMax ? nFrom + nMax : nTo);
}

std::size_t COutputLines::LineOf(std::size_t nPos) const
{
    const auto after = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), nPos);
    const auto nKept = static_cast<std::size_t>(std::max<std::ptrdiff_t>(after - m_lineStarts.begin() - 1, 0));
    return nKept + HeaderLines();
}

std::size_t COutputLines::LongestLine() const
{
    return std::max({m_nLongestEnded, m_bytes.End() - m_lineStarts.back(), HeaderLines() ? LineLength(0) : 0});
}

std::string COutputLines::Text() const
{
    std::string text = HeaderLines() ? DroppedLine(DroppedBytes()) + "\r\n" : std::string();
    text += m_bytes.Copy(m_bytes.Start(), m_bytes.End());
    return text;
}
