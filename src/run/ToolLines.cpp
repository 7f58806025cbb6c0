#include "ToolLines.h"

#include "platform/CommandLine.h"
#include "platform/Paths.h"
#include "project/SourceRoot.h"

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

CToolLine Compile(const std::string& javaBin, const CSourceRoot& source, const std::string& switches,
                  const std::string& caption)
{
    std::string line = "javac " + source.strRelativePath;
    if (!switches.empty())
        line += " " + switches;
    return {ToolPath(javaBin, "javac"), line, source.strRoot, caption};
}

CToolLine Build(const std::string& javaBin, const CSourceRoot& main, const std::string& javacSwitches)
{
    return Compile(javaBin, main, javacSwitches, "Building " + Quoted(main.strPath));
}

std::string ClassForManifest(const std::string& fileName, const std::string& package)
{
    std::string name = fileName;
    for (auto at = name.find(".java"); at != std::string::npos; at = name.find(".java"))
        name.erase(at, 5);
    return package.empty() ? name : package + "." + name;
}

CToolLine RunMain(const std::string& javaBin, const std::string& tool, const CSourceRoot& main,
                  const std::string& javaSwitches)
{
    const std::string line = tool + " " + javaSwitches + " " + main.strClassName;
    return {ToolPath(javaBin, tool), line, main.strRoot, line};
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

CToolLine CreateJar(const std::string& javaBin, const CSourceRoot& main, const std::vector<std::string>& classFolders,
                    const std::string& manifestPath, const std::string& jarPath)
{
    std::string line = "jar cmfv " + Quoted(manifestPath) + " " + Quoted(jarPath);
    if (main.strPackage.empty()) {
        line += " *.class";
    } else {
        // Left unquoted, so that each pattern is expanded; package folders hold no blanks.
        for (const std::string& folder : classFolders)
            line += " " + folder + "/*.class";
    }
    return {ToolPath(javaBin, "jar"), line, main.strRoot, "Creating jar " + jarPath};
}

CToolLine ArchiveListing(const std::string& javaBin, const std::string& archivePath)
{
    // A name with a blank (or a wildcard) in it is still one argument.
    return {ToolPath(javaBin, "jar"), "jar tvf " + CommandLine::Quote(Paths::NameOf(archivePath)),
            Paths::FolderOf(archivePath), ""};
}

}  // namespace ToolLines
