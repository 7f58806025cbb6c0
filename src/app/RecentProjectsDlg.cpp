#include "RecentProjectsDlg.h"

#include "framework/Ui.h"

#include <algorithm>

CRecentProjectsDlg::CRecentProjectsDlg(CUi& ui, std::vector<std::string>& recentProjects)
    : m_ui(ui), m_recentProjects(recentProjects), m_lines(recentProjects)
{
}

bool CRecentProjectsDlg::OnOK(int selected)
{
    if (selected < 0 || selected >= static_cast<int>(m_lines.size())) {
        m_ui.MessageBox("Please choose an item from the list");
        return false;
    }
    m_strSelectedPath = m_lines[static_cast<std::size_t>(selected)];
    return true;
}

void CRecentProjectsDlg::OnRemove(int selected)
{
    if (selected < 0 || selected >= static_cast<int>(m_lines.size()))
        return;
    m_strSelectedPath = m_lines[static_cast<std::size_t>(selected)];
    const auto it = std::find(m_recentProjects.begin(), m_recentProjects.end(), m_strSelectedPath);
    if (it != m_recentProjects.end())
        m_recentProjects.erase(it);
    m_lines.erase(m_lines.begin() + selected);
}
