#pragma once

#include "framework/ModalDialog.h"

#include <string>
#include <string_view>

class CUi;

// Go to Line: asks for the number of a line of the window's text, 1 to the number of its lines.
// The field opens on the caret's line; OK with anything else than a line of the text tells the
// person so in the standard words and keeps the dialog open.
class CGoToLineDlg : public CModalDialog {
public:
    static constexpr const char* kTitle = "Go to Line";

    // nCaretLine is 0-based, as the window counts lines.
    CGoToLineDlg(CUi& ui, int nLineCount, int nCaretLine);

    std::string DialogName() const override { return kTitle; }
    // "Line number (1 - N):", N the number of lines.
    std::string Prompt() const;

    // OK: true, with the line taken, when the text names one of the text's lines.
    bool OnOK(std::string_view text);

    // What the field shows when the dialog opens: the caret's line, 1-based.
    std::string m_strLine;
    // The line chosen, 0-based; valid once OK was accepted.
    int m_nLine = 0;

private:
    CUi& m_ui;
    int m_nLineCount;
};
