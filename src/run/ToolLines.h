#pragma once

#include <string>

// How one JDK tool is started: its full path, the command line that begins with its bare name,
// and the folder it runs in (which the program also makes its own current folder).
struct CToolLine {
    std::string strApplication;
    std::string strCommandLine;
    std::string strFolder;
};

// The command lines of the build and run commands, from the JDK folder and the paths involved.
namespace ToolLines {

// The tool's path: the JDK folder as stored, then "/bin/" and the tool's name.
std::string ToolPath(const std::string& javaBin, const std::string& tool);

// "jar tvf NAME" in the archive's folder; the name is not quoted.
CToolLine ArchiveListing(const std::string& javaBin, const std::string& archivePath);

}  // namespace ToolLines
