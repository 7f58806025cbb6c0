#include "SyntaxColourer.h"

#include "HtmlColouring.h"
#include "JavaColouring.h"
#include "TextModel.h"

CSyntaxColourer::CSyntaxColourer(CTextModel& text, EColouring rules)
    : m_text(text),
      m_rules(rules),
      m_openComments(text, rules == EColouring::Html ? "<!--" : "/*", rules == EColouring::Html ? "-->" : "*/")
{
    if (rules == EColouring::Html)
        m_openTags.emplace(text, "<", ">");
}

std::string CSyntaxColourer::FullPass(EColouring rules, std::string_view text)
{
    return rules == EColouring::Html ? HtmlColouring::FullPass(text) : JavaColouring::FullPass(text);
}

void CSyntaxColourer::ColourAll()
{
    m_text.ApplyClasses(0, FullPass(m_rules, m_text.GetAllBytes()));
}

void CSyntaxColourer::ColourLine(int nLine)
{
    const TextPos nStart = m_text.LineStart(nLine);
    const bool bOpenAbove = m_openComments.IsOpenAbove(nLine);
    const bool bInTagAbove = m_openTags && m_openTags->IsOpenAbove(nLine);
    // Read after the indexes, whose reads may move the text's pieces.
    const std::string_view line = m_text.GetBytes(nStart, m_text.LineEnd(nLine));
    m_text.ApplyClasses(nStart, m_rules == EColouring::Html ? HtmlColouring::LinePass(line, bInTagAbove, bOpenAbove)
                                                            : JavaColouring::LinePass(line, bOpenAbove));
}

void CSyntaxColourer::ColourCaretLine()
{
    ColourLine(m_text.LineFromPosition(m_text.GetSelection().nStart));
}
