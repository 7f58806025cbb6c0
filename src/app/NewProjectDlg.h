#pragma once

#include "framework/ModalDialog.h"

#include <string>

class CUi;

// Dialog 148: the kind of project to make and the name of its main class.
class CNewProjectDlg : public CModalDialog {
public:
    enum ProjectType { kNone = -1, kEmpty = 0, kApplication = 1, kApplet = 2 };

    explicit CNewProjectDlg(CUi& ui) : m_ui(ui) {}

    std::string DialogName() const override { return "New Project"; }

    // OK with the controls' current values: accepted when a class name is given or the project
    // is empty; otherwise the person is told and the name field goes back to "MyApp".
    bool OnOK(int type, std::string& className);

    int m_nProjectType = kNone;
    std::string m_strClassName;

private:
    CUi& m_ui;
};
