#pragma once

#include "framework/ModalDialog.h"

#include <string>
#include <vector>

class CUi;

// Dialog 149: picks a project from the recent-projects list, or forgets entries of it. A
// removed entry is gone from the application's list whatever the dialog ends with.
class CRecentProjectsDlg : public CModalDialog {
public:
    CRecentProjectsDlg(CUi& ui, std::vector<std::string>& recentProjects);

    std::string DialogName() const override { return "Recent Projects"; }

    // The lines of the list box, and what OK and Remove do with the selected line (-1 for none).
    const std::vector<std::string>& Lines() const { return m_lines; }
    bool OnOK(int selected);
    void OnRemove(int selected);

    std::string m_strSelectedPath;

private:
    CUi& m_ui;
    std::vector<std::string>& m_recentProjects;
    std::vector<std::string> m_lines;
};
