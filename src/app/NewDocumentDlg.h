#pragma once

#include "framework/ModalDialog.h"

#include <string>

// Dialog 162: chooses the kind of document to make.
class CNewDocumentDlg : public CModalDialog {
public:
    enum Choice { kJavaSource = 0, kProject = 1, kHtmlPage = 2 };

    std::string DialogName() const override { return "New Ondrik Document"; }

    // OK with the selected item (-1 for none): without a selection the dialog stays open.
    bool OnOK(int selected);

    int m_nSelected = -1;
};
