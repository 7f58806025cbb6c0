#pragma once

#include "framework/ModalDialog.h"

#include <string>

// Asks for the arguments to pass to the program before it is run. The text starts empty at
// every opening: nothing is remembered between runs.
class CArgumentsDlg : public CModalDialog {
public:
    static constexpr int IDD = 145;
    static constexpr int IDC_ARGUMENTS = 1000;
    static constexpr int kWidthDlu = 277;
    static constexpr int kHeightDlu = 46;
    static constexpr const char* kTitle = "Arguments";
    static constexpr const char* kPrompt = "Enter the arguments to pass to your program:";

    std::string DialogName() const override { return kTitle; }
    // The dialog opens with an empty text; on OK the text typed is in m_strArguments.
    void OnInitDialog() { m_strArguments.clear(); }

    std::string m_strArguments;
};
