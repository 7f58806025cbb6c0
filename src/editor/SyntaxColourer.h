#pragma once

#include "OpenCommentIndex.h"
#include "TextBlockIndex.h"

#include <optional>

class CTextModel;

// Which window's rules colour a text.
enum class EColouring { Java, Html };

// Colours a source window's text by its rules: the whole text, or one line after a keystroke.
// Only bytes whose colour changes are written to the editor; neither pass touches the selection
// or the modified flag.
class CSyntaxColourer {
public:
    explicit CSyntaxColourer(CTextModel& text, EColouring rules = EColouring::Java);

    // The whole-text pass of the given rules.
    static std::string FullPass(EColouring rules, std::string_view text);
    // A page's rules for a file named .html or .htm in any case, else a source's.
    static EColouring RulesFor(std::string_view path);

    void ColourAll();
    // Line nLine only, by the line rules: the lines below keep their colours even when a
    // comment opened on it runs on, until the next whole-text pass.
    void ColourLine(int nLine);
    // The line that holds the start of the selection.
    void ColourCaretLine();

private:
    CTextModel& m_text;
    EColouring m_rules;
    COpenCommentIndex m_openComments;
    // Whether the text above a line ends inside a text block, for sources only.
    std::optional<CTextBlockIndex> m_openTextBlocks;
    // Whether the text above a line ends inside a tag, for pages only.
    std::optional<COpenCommentIndex> m_openTags;
};
