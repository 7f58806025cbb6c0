#include "ToolLines.h"

#include "platform/Paths.h"

namespace ToolLines {

std::string ToolPath(const std::string& javaBin, const std::string& tool)
{
    return javaBin + "/bin/" + tool;
}

CToolLine ArchiveListing(const std::string& javaBin, const std::string& archivePath)
{
    return {ToolPath(javaBin, "jar"), "jar tvf " + Paths::NameOf(archivePath), Paths::FolderOf(archivePath)};
}

}  // namespace ToolLines
