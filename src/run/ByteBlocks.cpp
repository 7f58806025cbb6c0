#include "ByteBlocks.h"

#include <algorithm>
#include <cstring>

CByteBlocks::CByteBlocks(std::size_t nBlockSize) : m_nBlockSize(std::max<std::size_t>(nBlockSize, 1))
{
}

void CByteBlocks::Clear(std::size_t nPos)
{
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_nOrigin = m_nStart = m_nEnd = nPos;
}

void CByteBlocks::Append(std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t nUsed = m_nEnd - m_nOrigin;
        if (nUsed == m_blocks.size() * m_nBlockSize)
            m_blocks.push_back(std::make_unique_for_overwrite<char[]>(m_nBlockSize));
        const std::size_t nOffset = nUsed % m_nBlockSize;
        const std::size_t nTake = std::min(bytes.size(), m_nBlockSize - nOffset);
        std::memcpy(m_blocks.back().get() + nOffset, bytes.data(), nTake);
        m_nEnd += nTake;
        bytes.remove_prefix(nTake);
    }
}

void CByteBlocks::DropBefore(std::size_t nPos)
{
    m_nStart = std::clamp(nPos, m_nStart, m_nEnd);
    while (m_nStart - m_nOrigin >= m_nBlockSize) {
        m_blocks.pop_front();
        m_nOrigin += m_nBlockSize;
    }
}

char CByteBlocks::At(std::size_t nPos) const
{
    const std::size_t nOffset = nPos - m_nOrigin;
    return m_blocks[nOffset / m_nBlockSize][nOffset % m_nBlockSize];
}

std::string CByteBlocks::Copy(std::size_t nFrom, std::size_t nTo) const
{
    nFrom = std::max(nFrom, m_nStart);
    nTo = std::min(nTo, m_nEnd);
    std::string bytes;
    if (nFrom >= nTo)
        return bytes;
    bytes.resize(nTo - nFrom);
    for (std::size_t nDone = 0; nFrom < nTo;) {
        const std::size_t nOffset = (nFrom - m_nOrigin) % m_nBlockSize;
        const std::size_t nTake = std::min(nTo - nFrom, m_nBlockSize - nOffset);
        std::memcpy(bytes.data() + nDone, m_blocks[(nFrom - m_nOrigin) / m_nBlockSize].get() + nOffset, nTake);
        nDone += nTake;
        nFrom += nTake;
    }
    return bytes;
}

std::size_t CByteBlocks::FindEither(std::size_t nFrom, char a, char b) const
{
    for (std::size_t nPos = std::max(nFrom, m_nStart); nPos < m_nEnd;) {
        const std::size_t nOffset = (nPos - m_nOrigin) % m_nBlockSize;
        const char* from = m_blocks[(nPos - m_nOrigin) / m_nBlockSize].get() + nOffset;
        const std::size_t nSpan = std::min(m_nEnd - nPos, m_nBlockSize - nOffset);
        const char* hitA = static_cast<const char*>(std::memchr(from, a, nSpan));
        const std::size_t nBefore = hitA != nullptr ? static_cast<std::size_t>(hitA - from) : nSpan;
        const char* hitB = static_cast<const char*>(std::memchr(from, b, nBefore));
        if (const char* hit = hitB != nullptr ? hitB : hitA)
            return nPos + static_cast<std::size_t>(hit - from);
        nPos += nSpan;
    }
    return m_nEnd;
}
