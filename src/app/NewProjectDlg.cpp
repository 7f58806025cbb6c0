#include "NewProjectDlg.h"

#include "framework/Ui.h"

bool CNewProjectDlg::OnOK(int type, std::string& className)
{
    if (!className.empty() || type == kEmpty) {
        m_nProjectType = type;
        m_strClassName = className;
        return true;
    }
    m_ui.MessageBox("Please enter a name for your class");
    className = "MyApp";
    return false;
}
