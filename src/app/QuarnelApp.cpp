#include "QuarnelApp.h"

#include "platform/Paths.h"

namespace {

// The program's own help lies beside it.
std::string ProgramHelpFile(const std::string& programFolder)
{
    return Paths::Join(programFolder, "ondrik.html");
}

}  // namespace

CQuarnelApp::CQuarnelApp(CUi& ui, const CAppEnvironment& env)
    : CQuarnelSettings(CSettingsStore(env.strSettingsFile, kCompany, kApplication),
                       CJdkRegistryView::Discover(env.jdkSearch),
                       ProgramHelpFile(Paths::FolderOf(env.strProgramPath))),
      m_ui(ui),
      m_strProgramFolder(Paths::FolderOf(env.strProgramPath))
{
}
