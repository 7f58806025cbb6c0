#include "LineStateIndex.h"

#include <algorithm>

CLineStateIndex::CLineStateIndex(CTextModel& text) : m_text(text)
{
    m_text.AddChangeObserver(this);
}

CLineStateIndex::~CLineStateIndex()
{
    m_text.RemoveChangeObserver(this);
}

bool CLineStateIndex::IsOpenAbove(int nLine)
{
    if (nLine <= 0)
        return false;
    // Past the last line, the whole text is above.
    const int nLineCount = m_text.GetLineCount();
    nLine = std::min(nLine, nLineCount);
    if (nLine < m_nKnownLines)
        return m_bOpenAt[static_cast<std::size_t>(nLine)];

    if (m_nKnownLines == 0) {
        m_bOpenAt.assign(1, false);
        m_nKnownLines = 1;
    }
    // One read from the start of the last known line to the start of the line asked for, split into
    // lines here as the model splits them.
    const int nFrom = m_nKnownLines - 1;
    BeforeReading(nFrom, nLine);
    const TextPos nEnd = nLine < nLineCount ? m_text.LineStart(nLine) : m_text.GetLength();
    const std::string_view bytes = m_text.GetBytes(m_text.LineStart(nFrom), nEnd);
    m_bOpenAt.resize(static_cast<std::size_t>(m_nKnownLines));
    bool bOpen = m_bOpenAt.back();
    std::size_t nLineStart = 0;
    for (std::size_t i = 0; i < bytes.size() && static_cast<int>(m_bOpenAt.size()) <= nLine; ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        bOpen = OpenAfterLine(static_cast<int>(m_bOpenAt.size()) - 1, bytes.substr(nLineStart, i - nLineStart), bOpen);
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        nLineStart = i + 1;
        m_bOpenAt.push_back(bOpen);
    }
    if (nLine == nLineCount && static_cast<int>(m_bOpenAt.size()) == nLine) {
        bOpen = OpenAfterLine(nLine - 1, bytes.substr(nLineStart), bOpen);
        m_bOpenAt.push_back(bOpen);
    }
    m_nKnownLines = static_cast<int>(m_bOpenAt.size());
    // A model that reports fewer lines than it holds line breaks leaves the line unanswered; say
    // what the text read so far gives.
    return nLine < m_nKnownLines ? m_bOpenAt[static_cast<std::size_t>(nLine)] : bOpen;
}

void CLineStateIndex::OnTextChanged(TextPos nPos)
{
    // Lines up to the changed one start before the change (or at it, after the same line break), so
    // what stands above them is unchanged.
    m_nKnownLines = std::min(m_nKnownLines, m_text.LineFromPosition(nPos) + 1);
}
