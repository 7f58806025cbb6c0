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

    // Shows the dialog and returns kIdOk or kIdCancel; on kIdOk the text is in m_strArguments.
    using Presenter = int (*)(CArgumentsDlg& dialog);

    std::string DialogName() const override { return kTitle; }
    // Empties the text and shows the dialog through the installed presenter; with none
    // installed it answers kIdCancel, so nothing is started.
    int Execute() override;

    // The program's window layer installs the real dialog once at start-up.
    static void SetPresenter(Presenter presenter);

    std::string m_strArguments;
};
