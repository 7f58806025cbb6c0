#include "SyntaxColourer.h"

#include "JavaColouring.h"
#include "TextModel.h"

CSyntaxColourer::CSyntaxColourer(CTextModel& text) : m_text(text), m_openComments(text, "/*", "*/") {}

void CSyntaxColourer::ColourAll()
{
    m_text.ApplyClasses(0, JavaColouring::FullPass(m_text.GetAllBytes()));
}

void CSyntaxColourer::ColourLine(int nLine)
{
    const TextPos nStart = m_text.LineStart(nLine);
    const bool bOpenAbove = m_openComments.IsOpenAbove(nLine);
    m_text.ApplyClasses(nStart, JavaColouring::LinePass(m_text.GetBytes(nStart, m_text.LineEnd(nLine)), bOpenAbove));
}

void CSyntaxColourer::ColourCaretLine()
{
    ColourLine(m_text.LineFromPosition(m_text.GetSelection().nStart));
}
