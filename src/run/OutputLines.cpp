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

COutputLines::COutputLines()
{
    m_lineStarts.push_back(0);
}

void COutputLines::Clear()
{
    m_blocks.clear();
    m_nSize = 0;
    m_lineStarts.clear();
    m_lineStarts.push_back(0);
    m_nLongestEnded = 0;
    m_bEndsInCr = false;
}

void COutputLines::Append(std::string_view bytes)
{
    if (bytes.empty())
        return;
    const std::size_t nBase = m_nSize;
    for (std::string_view rest = bytes; !rest.empty();) {
        const std::size_t nOffset = m_nSize % kBlockSize;
        if (nOffset == 0)
            m_blocks.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
        const std::size_t nTake = std::min(rest.size(), kBlockSize - nOffset);
        std::memcpy(m_blocks.back().get() + nOffset, rest.data(), nTake);
        m_nSize += nTake;
        rest.remove_prefix(nTake);
    }

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
}

std::size_t COutputLines::LineEnd(std::size_t nLine) const
{
    if (nLine + 1 >= m_lineStarts.size())
        return m_nSize;
    // A line starts after a CR, or after the LF of a CR LF.
    const std::size_t nNext = m_lineStarts[nLine + 1];
    return At(nNext - 1) == '\n' ? nNext - 2 : nNext - 1;
}

std::size_t COutputLines::LineOf(std::size_t nPos) const
{
    const auto after = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), nPos);
    return static_cast<std::size_t>(after - m_lineStarts.begin()) - 1;
}

std::size_t COutputLines::LongestLine() const
{
    return std::max(m_nLongestEnded, m_nSize - m_lineStarts.back());
}

std::string COutputLines::Copy(std::size_t nFrom, std::size_t nTo) const
{
    nTo = std::min(nTo, m_nSize);
    std::string bytes;
    if (nFrom >= nTo)
        return bytes;
    bytes.resize(nTo - nFrom);
    for (std::size_t nDone = 0; nFrom < nTo;) {
        const std::size_t nOffset = nFrom % kBlockSize;
        const std::size_t nTake = std::min(nTo - nFrom, kBlockSize - nOffset);
        std::memcpy(bytes.data() + nDone, m_blocks[nFrom / kBlockSize].get() + nOffset, nTake);
        nDone += nTake;
        nFrom += nTake;
    }
    return bytes;
}
