#include "TextBlockIndex.h"

#include "JavaColouring.h"
#include "OpenCommentIndex.h"

CTextBlockIndex::CTextBlockIndex(CTextModel& text, COpenCommentIndex& comments)
    : CLineStateIndex(text), m_comments(comments)
{
}

void CTextBlockIndex::BeforeReading(int nFrom, int nTo)
{
    // The comment index reads the text itself, which may move the bytes this index is about to read.
    m_comments.IsOpenAbove(nTo);  // one read for all the lines, whose answers are then kept
    m_nCommentsFrom = nFrom;
    m_bCommentAbove.clear();
    for (int nLine = nFrom; nLine <= nTo; ++nLine)
        m_bCommentAbove.push_back(m_comments.IsOpenAbove(nLine));
}

bool CTextBlockIndex::OpenAfterLine(int nLine, std::string_view line, bool bOpenBefore) const
{
    const auto nAt = static_cast<std::size_t>(nLine - m_nCommentsFrom);
    const bool bCommentAbove = nAt < m_bCommentAbove.size() && m_bCommentAbove[nAt];
    return JavaColouring::TextBlockOpenAfter(line, bCommentAbove, bOpenBefore);
}
