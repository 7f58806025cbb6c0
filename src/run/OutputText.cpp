#include "OutputText.h"

#include <algorithm>
#include <cstring>

COutputText::COutputText(std::size_t nBound, std::size_t nBlockSize)
    : m_nBound(std::max<std::size_t>(nBound, 2)), m_bytes(nBlockSize)
{
}

void COutputText::Clear()
{
    m_bytes.Clear();
    m_chLast = '\0';
}

void COutputText::AppendChunk(std::string_view chunk)
{
    // The text so far is already normal: each LF in it follows a CR. A new LF only needs a CR
    // put before it when the byte before it is not a CR; that byte may be the last one of the
    // previous chunk.
    while (!chunk.empty()) {
        const void* found = std::memchr(chunk.data(), '\n', chunk.size());
        if (found == nullptr) {
            m_bytes.Append(chunk);
            m_chLast = chunk.back();
            break;
        }
        const auto nLine = static_cast<std::size_t>(static_cast<const char*>(found) - chunk.data());
        m_bytes.Append(chunk.substr(0, nLine));
        const char chBefore = nLine > 0 ? chunk[nLine - 1] : m_chLast;
        m_bytes.Append(chBefore == '\r' ? std::string_view("\n") : std::string_view("\r\n"));
        m_chLast = '\n';
        chunk.remove_prefix(nLine + 1);
    }
    KeepWithinBound();
}

void COutputText::AppendRaw(std::string_view text)
{
    if (text.empty())
        return;
    m_bytes.Append(text);
    m_chLast = text.back();
    KeepWithinBound();
}

void COutputText::KeepWithinBound()
{
    if (KeptSize() <= m_nBound)
        return;
    // Let go a little more than needed, so that the next chunks do not each cut again.
    const std::size_t nEnd = End();
    const std::size_t nCut = nEnd - (m_nBound - m_nBound / 16);
    std::size_t nNewStart = nCut;
    const std::size_t nLineEnd = m_bytes.FindEither(nCut, '\r', '\n');
    if (nLineEnd < nEnd) {
        if (m_bytes.At(nLineEnd) == '\n')
            nNewStart = nLineEnd + 1;
        else if (nLineEnd + 1 < nEnd)
            nNewStart = m_bytes.At(nLineEnd + 1) == '\n' ? nLineEnd + 2 : nLineEnd + 1;
        // A CR that is the last byte may yet get its LF: the cut stays mid-line then.
    }
    // With no line end after the cut, a line longer than the bound is cut where it must be.
    m_bytes.DropBefore(nNewStart);
}

COutputText::CPiece COutputText::PieceFrom(std::size_t nFrom, std::size_t nMax) const
{
    CPiece piece;
    piece.nFrom = std::max(nFrom, Start());
    if (piece.nFrom < End())
        piece.bytes = m_bytes.Copy(piece.nFrom, End() - piece.nFrom > nMax ? piece.nFrom + nMax : End());
    return piece;
}

std::string COutputText::CopyFrom(std::size_t nFrom, std::size_t nMax) const
{
    return PieceFrom(nFrom, nMax).bytes;
}
