#include "OutputText.h"

#include <algorithm>
#include <cstring>

COutputText::COutputText(std::size_t nBound, std::size_t nBlockSize)
    : m_nBound(std::max<std::size_t>(nBound, 2)), m_nBlockSize(std::max<std::size_t>(nBlockSize, 1))
{
}

void COutputText::Clear()
{
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_nOrigin = m_nStart = m_nEnd = 0;
    m_chLast = '\0';
}

char COutputText::At(std::size_t nPos) const
{
    const std::size_t nOffset = nPos - m_nOrigin;
    return m_blocks[nOffset / m_nBlockSize][nOffset % m_nBlockSize];
}

void COutputText::Put(std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t nOffset = (m_nEnd - m_nOrigin) % m_nBlockSize;
        if (m_nEnd - m_nOrigin == m_blocks.size() * m_nBlockSize)
            m_blocks.push_back(std::make_unique_for_overwrite<char[]>(m_nBlockSize));
        const std::size_t nTake = std::min(bytes.size(), m_nBlockSize - nOffset);
        std::memcpy(m_blocks.back().get() + nOffset, bytes.data(), nTake);
        m_nEnd += nTake;
        bytes.remove_prefix(nTake);
    }
}

void COutputText::AppendChunk(std::string_view chunk)
{
    // The text so far is already normal: each LF in it follows a CR. A new LF only needs a CR
    // put before it when the byte before it is not a CR; that byte may be the last one of the
    // previous chunk.
    while (!chunk.empty()) {
        const void* found = std::memchr(chunk.data(), '\n', chunk.size());
        if (found == nullptr) {
            Put(chunk);
            m_chLast = chunk.back();
            break;
        }
        const auto nLine = static_cast<std::size_t>(static_cast<const char*>(found) - chunk.data());
        Put(chunk.substr(0, nLine));
        const char chBefore = nLine > 0 ? chunk[nLine - 1] : m_chLast;
        Put(chBefore == '\r' ? std::string_view("\n") : std::string_view("\r\n"));
        m_chLast = '\n';
        chunk.remove_prefix(nLine + 1);
    }
    KeepWithinBound();
}

void COutputText::AppendRaw(std::string_view text)
{
    if (text.empty())
        return;
    Put(text);
    m_chLast = text.back();
    KeepWithinBound();
}

std::size_t COutputText::FindLineEnd(std::size_t nPos) const
{
    while (nPos < m_nEnd) {
        const std::size_t nOffset = (nPos - m_nOrigin) % m_nBlockSize;
        const char* block = m_blocks[(nPos - m_nOrigin) / m_nBlockSize].get();
        const std::size_t nSpan = std::min(m_nEnd - nPos, m_nBlockSize - nOffset);
        const char* from = block + nOffset;
        const char* cr = static_cast<const char*>(std::memchr(from, '\r', nSpan));
        const char* lf = static_cast<const char*>(std::memchr(from, '\n', cr != nullptr ? std::size_t(cr - from) : nSpan));
        if (const char* hit = lf != nullptr ? lf : cr)
            return nPos + static_cast<std::size_t>(hit - from);
        nPos += nSpan;
    }
    return m_nEnd;
}

void COutputText::KeepWithinBound()
{
    if (KeptSize() <= m_nBound)
        return;
    // Let go a little more than needed, so that the next chunks do not each cut again.
    const std::size_t nCut = m_nEnd - (m_nBound - m_nBound / 16);
    std::size_t nNewStart = nCut;
    const std::size_t nEndAt = FindLineEnd(nCut);
    if (nEndAt < m_nEnd) {
        if (At(nEndAt) == '\n')
            nNewStart = nEndAt + 1;
        else if (nEndAt + 1 < m_nEnd)
            nNewStart = At(nEndAt + 1) == '\n' ? nEndAt + 2 : nEndAt + 1;
        // A CR that is the last byte may yet get its LF: the cut stays mid-line then.
    }
    // With no line end after the cut, a line longer than the bound is cut where it must be.
    m_nStart = nNewStart;
    while (m_nStart - m_nOrigin >= m_nBlockSize) {
        m_blocks.pop_front();
        m_nOrigin += m_nBlockSize;
    }
}

COutputText::CPiece COutputText::PieceFrom(std::size_t nFrom, std::size_t nMax) const
{
    CPiece piece;
    piece.nFrom = std::max(nFrom, m_nStart);
    if (piece.nFrom >= m_nEnd)
        return piece;
    std::size_t nTo = m_nEnd - piece.nFrom > nMax ? piece.nFrom + nMax : m_nEnd;
    piece.bytes.resize(nTo - piece.nFrom);
    std::size_t nDone = 0;
    for (std::size_t nPos = piece.nFrom; nPos < nTo;) {
        const std::size_t nOffset = (nPos - m_nOrigin) % m_nBlockSize;
        const std::size_t nTake = std::min(nTo - nPos, m_nBlockSize - nOffset);
        std::memcpy(piece.bytes.data() + nDone, m_blocks[(nPos - m_nOrigin) / m_nBlockSize].get() + nOffset, nTake);
        nDone += nTake;
        nPos += nTake;
    }
    return piece;
}

std::string COutputText::CopyFrom(std::size_t nFrom, std::size_t nMax) const
{
    return PieceFrom(nFrom, nMax).bytes;
}
