#include "ToolLines.h"

#include "platform/CommandLine.h"
#include "platform/Paths.h"

namespace ToolLines {

namespace {

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

}  // namespace

std::string ToolPath(const std::string& javaBin, const std::string& tool)
{
    return javaBin + "/bin/" + tool;
}

CToolLine Compile(const std::string& javaBin, const std::string& path, const std::string& switches,
                  const std::string& caption)
{
    std::string line = "javac " + Paths::NameOf(path);
    if (!switches.empty())
        line += " " + switches;
    return {ToolPath(javaBin, "javac"), line, Paths::FolderOf(path), caption};
}

CToolLine Build(const std::string& javaBin, const std::string& mainPath, const std::string& javacSwitches)
{
    return Compile(javaBin, mainPath, javacSwitches, "Building " + Quoted(mainPath));
}

std::string ClassOfFile(const std::string& fileName)
{
    const auto dot = fileName.rfind('.');
    return dot == std::string::npos ? std::string() : fileName.substr(0, dot);
}

std::string ClassForManifest(const std::string& fileName)
{
    std::string name = fileName;
    for (auto at = name.find(".java"); at != std::string::npos; at = name.find(".java"))
        name.erase(at, 5);
    return name;
}

CToolLine RunMain(const std::string& javaBin, const std::string& tool, const std::string& mainPath,
                  const std::string& javaSwitches, const std::string& package)
{
    std::string line = tool + " " + javaSwitches + " ";
    if (!package.empty())
        line += package + ".";
    line += ClassOfFile(Paths::NameOf(mainPath));
    return {ToolPath(javaBin, tool), line, Paths::FolderOf(mainPath), line};
}

CToolLine AppletViewer(const std::string& javaBin, const std::string& pagePath)
{
    return {ToolPath(javaBin, "appletviewer"), "appletviewer " + Quoted(Paths::NameOf(pagePath)),
            Paths::FolderOf(pagePath), "AppletViewer: " + Quoted(pagePath)};
}

CToolLine AppletHost(const std::string& javaBin, const std::string& hostJar, const std::string& pagePath)
{
    return {ToolPath(javaBin, "java"), "java -cp " + Quoted(hostJar) + " OndrikAppletHost " + Quoted(Paths::NameOf(pagePath)),
            Paths::FolderOf(pagePath), "AppletViewer: " + Quoted(pagePath)};
}

CToolLine CreateJar(const std::string& javaBin, const std::string& mainFolder, const std::string& manifestPath,
                    const std::string& jarPath)
{
    return {ToolPath(javaBin, "jar"), "jar cmfv " + Quoted(manifestPath) + " " + Quoted(jarPath) + " *.class",
            mainFolder, "Creating jar " + jarPath};
}

CToolLine ArchiveListing(const std::string& javaBin, const std::string& archivePath)
{
    // A name with a blank (or a wildcard) in it is still one argument.
    return {ToolPath(javaBin, "jar"), "jar tvf " + CommandLine::Quote(Paths::NameOf(archivePath)),
            Paths::FolderOf(archivePath), ""};
}

}  // namespace ToolLines
