#include "AppProjectHost.h"

#include "MainFrame.h"
#include "QuarnelApp.h"

#include "projectwindow/qt/ProjectWindowsQt.h"
#include "run/ProjectRunCommands.h"

CUi& CAppProjectHost::GetUi()
{
    return m_app.GetUi();
}

std::string CAppProjectHost::GetDefaultJavaOptions() const
{
    return m_app.Settings().m_strJavaOptions;
}

std::string CAppProjectHost::GetDefaultJavacSwitches() const
{
    return m_app.Settings().m_strJavac;
}

std::string CAppProjectHost::GetJavaBin() const
{
    return m_app.Settings().m_strJavaBin;
}

void CAppProjectHost::AddRecentProject(const std::string& path)
{
    m_app.Settings().AddRecentProject(path);
}

void CAppProjectHost::SaveRecentProjects(const std::string& path)
{
    m_app.Settings().SaveRecentProjects(path);
}

std::unique_ptr<CProjectWindows> CAppProjectHost::MakeProjectWindows(CJavaProjectDoc& project)
{
    // The main frame is made before any document and outlives every one.
    if (m_app.GetMainFrame() == nullptr)
        return nullptr;
    return std::make_unique<CProjectWindowsQt>(*m_app.GetMainFrame(), project);
}

std::unique_ptr<CCmdTarget> CAppProjectHost::MakeProjectCommands(CJavaProjectDoc& project)
{
    return std::make_unique<CProjectRunCommands>(project, m_app.GetCapturedRun());
}
