#include "SyntaxColourer.h"

#include "HtmlColouring.h"
#include "JavaColouring.h"
#include "TextModel.h"

#include "platform/Paths.h"

CSyntaxColourer::CSyntaxColourer(CTextModel& text, EColouring rules)
    : m_text(text),
      m_rules(rules),
      m_openComments(text, rules == EColouring::Html ? "<!--" : "/*", rules == EColouring::Html ? "-->" : "*/")
{
    if (rules == EColouring::Html)
        m_openTags.emplace(text, "<", ">");
    else
        m_openTextBlocks.emplace(text, m_openComments);
}

std::string CSyntaxColourer::FullPass(EColouring rules, std::string_view text)
{
    return rules == EColouring::Html ? HtmlColouring::FullPass(text) : JavaColouring::FullPass(text);
}

EColouring CSyntaxColourer::RulesFor(std::string_view path)
{
    std::string extension = Paths::ExtensionOf(path);
    for (char& c : extension)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return extension == "html" || extension == "htm" ? EColouring::Html : EColouring::Java;
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
    const bool bTextBlockAbove = m_openTextBlocks && m_openTextBlocks->IsOpenAbove(nLine);
    // Read after the indexes, whose reads may move the text's pieces.
    const std::string_view line = m_text.GetBytes(nStart, m_text.LineEnd(nLine));
    m_text.ApplyClasses(nStart, m_rules == EColouring::Html ? HtmlColouring::LinePass(line, bInTagAbove, bOpenAbove)
                                                            : JavaColouring::LinePass(line, bOpenAbove, bTextBlockAbove));
}

void CSyntaxColourer::ColourCaretLine()
{
    ColourLine(m_text.LineFromPosition(m_text.GetSelection().nStart));
}
