#pragma once

#include "OpenCommentIndex.h"

class CTextModel;

// Colours a Java window's text: the whole text, or one line after a keystroke. Only bytes
// whose colour changes are written to the editor; neither pass touches the selection or the
// modified flag.
class CSyntaxColourer {
public:
    explicit CSyntaxColourer(CTextModel& text);

    void ColourAll();
    // Line nLine only, by the line rules: the lines below keep their colours even when a
    // comment opened on it runs on, until the next whole-text pass.
    void ColourLine(int nLine);
    // The line that holds the start of the selection.
    void ColourCaretLine();

private:
    CTextModel& m_text;
    COpenCommentIndex m_openComments;
};
