#include "MainFrame.h"

#include "QuarnelApp.h"

CMainFrame::CMainFrame(CQuarnelApp& app) : CMDIFrameWnd(app), m_quarnelApp(app)
{
    setWindowIcon(QIcon::fromTheme("applications-development"));
}

bool CMainFrame::OnClose()
{
    m_quarnelApp.SaveWindowState(isMaximized());
    if (m_quarnelApp.GetOpenProject() == nullptr)
        m_quarnelApp.SaveRecentProjects("");
    return CMDIFrameWnd::OnClose();
}
