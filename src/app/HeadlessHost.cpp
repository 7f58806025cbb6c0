#include "HeadlessHost.h"

#include "ConsoleRunWatcher.h"
#include "QuarnelSettings.h"

#include "run/ProjectRunCommands.h"

CHeadlessHost::CHeadlessHost(const CQuarnelSettings& settings, CUi& ui, CCapturedRun& run, std::string programFolder,
                             std::ostream& out)
    : m_settings(settings), m_ui(ui), m_run(run), m_strProgramFolder(std::move(programFolder)), m_out(out)
{
}

std::string CHeadlessHost::GetDefaultJavaOptions() const
{
    return m_settings.m_strJavaOptions;
}

std::string CHeadlessHost::GetDefaultJavacSwitches() const
{
    return m_settings.m_strJavac;
}

std::string CHeadlessHost::GetJavaBin() const
{
    return m_settings.m_strJavaBin;
}

std::string CHeadlessHost::GetJavacSwitches() const
{
    return m_settings.m_strJavac;
}

std::unique_ptr<CProjectWindows> CHeadlessHost::MakeProjectWindows(CJavaProjectDoc&)
{
    return std::make_unique<CConsoleRunWatcher>(m_out);
}

std::unique_ptr<CCmdTarget> CHeadlessHost::MakeProjectCommands(CJavaProjectDoc& project)
{
    return std::make_unique<CProjectRunCommands>(project, m_run, *this);
}
