#include "ProjectForwarder.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "project/JavaProjectDoc.h"
#include "project/ProjectHost.h"

#include <algorithm>

using namespace Cmd;

namespace {

constexpr int kForwarded[] = {
    ID_PROJECT_ADDJAVAFILES, ID_PROJECT_ADDHTMLFILE, ID_BUILD_BUILD,        ID_BUILD_RUN,
    ID_BUILD_RUNWITHCONSOLE, ID_VIEW_PROJECTWINDOWBUTTON, ID_VIEW_PROJECTWINDOW, ID_BUILD_CREATEJAR,
    ID_BUILD_SHOWARCHIVE,    ID_BUILD_RUNAPPLET,      ID_VIEW_PROCESSWINDOW,
    ID_BUILD_NEXTERROR,      ID_BUILD_PREVERROR,
    // A debug session's commands and its bar: the keys work from whichever window has them.
    ID_DEBUG_CONTINUE,       ID_DEBUG_STEPOVER,       ID_DEBUG_STEPINTO,     ID_DEBUG_STEPOUT,
    ID_DEBUG_RUNTOCURSOR,    ID_DEBUG_PAUSE,          ID_DEBUG_STOP,         ID_VIEW_DEBUGBAR,
};

// Enabled exactly when a project is open, whatever the project's own window would say.
constexpr int kEnabledWithAProject[] = {
    ID_PROJECT_ADDJAVAFILES, ID_PROJECT_ADDHTMLFILE, ID_VIEW_PROJECTWINDOWBUTTON, ID_VIEW_PROJECTWINDOW,
    ID_BUILD_CREATEJAR,      ID_BUILD_SHOWARCHIVE,   ID_BUILD_RUNWITHCONSOLE,
};

}  // namespace

bool CProjectForwarder::IsForwarded(int id)
{
    return std::find(std::begin(kForwarded), std::end(kForwarded), id) != std::end(kForwarded);
}

CJavaProjectDoc* CProjectForwarder::ProjectFor(int id) const
{
    return IsForwarded(id) ? m_host.GetOpenProject() : nullptr;
}

bool CProjectForwarder::HandlesCommand(int id) const
{
    CJavaProjectDoc* project = ProjectFor(id);
    return project != nullptr && project->HandlesCommand(id);
}

bool CProjectForwarder::RunCommand(int id)
{
    CJavaProjectDoc* project = ProjectFor(id);
    return project != nullptr && project->RunCommand(id);
}

bool CProjectForwarder::UpdateCommand(CCmdUI& ui)
{
    CJavaProjectDoc* project = ProjectFor(ui.GetId());
    if (project == nullptr)
        return false;
    const bool bAlwaysEnabled = std::find(std::begin(kEnabledWithAProject), std::end(kEnabledWithAProject),
                                          ui.GetId()) != std::end(kEnabledWithAProject);
    if (bAlwaysEnabled && project->HandlesCommand(ui.GetId())) {
        ui.Enable();
        return true;
    }
    return project->UpdateCommand(ui);
}
