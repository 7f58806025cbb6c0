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
    ID_BUILD_SHOWARCHIVE,    ID_BUILD_RUNAPPLET,
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
    return project != nullptr && project->UpdateCommand(ui);
}
