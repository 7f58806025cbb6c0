#pragma once

#include <string>
#include <vector>

struct CSourceRoot;

// How one JDK tool is started: its full path, the command line that begins with its bare name,
// the folder it runs in (which the program also makes its own current folder), and the process
// caption the Process Window shows ("" leaves the caption as it was).
struct CToolLine {
    std::string strApplication;
    std::string strCommandLine;
    std::string strFolder;
    std::string strCaption;
};

// The command lines of the build and run commands, from the JDK folder, the project's values
// and the paths involved. Folders and names are cut at the last separator.
namespace ToolLines {

// The JDK folder as stored, then "/bin/" and the tool's name.
std::string ToolPath(const std::string& javaBin, const std::string& tool);

// "javac", the source's path from its root and the switches after it, in the source's root (a
// source without a package: its name, in its folder).
CToolLine Compile(const std::string& javaBin, const CSourceRoot& source, const std::string& switches,
                  const std::string& caption);
// Build: javac on the main file with the project's switches.
CToolLine Build(const std::string& javaBin, const CSourceRoot& main, const std::string& javacSwitches);
// tool ("java" or "jdb"), the project's switches, always one blank, and the main class by its full
// name, in the main file's root. The caption is the line.
CToolLine RunMain(const std::string& javaBin, const std::string& tool, const CSourceRoot& main,
                  const std::string& javaSwitches);
// appletviewer on the page, quoted, in the page's folder.
CToolLine AppletViewer(const std::string& javaBin, const std::string& pagePath);
// Where the JDK has no appletviewer: the program's own applet host on the page, with the same
// caption.
CToolLine AppletHost(const std::string& javaBin, const std::string& hostJar, const std::string& pagePath);
// "jar cmfv MANIFEST JAR *.class" in the main file's folder; for a main class in a package, with
// "FOLDER/*.class" for each of the package folders under its root that hold classes, in the root.
CToolLine CreateJar(const std::string& javaBin, const CSourceRoot& main, const std::vector<std::string>& classFolders,
                    const std::string& manifestPath, const std::string& jarPath);
// "jar tvf NAME" in the archive's folder; the name is quoted only where it must be to stay one
// argument, and the caption is left alone.
CToolLine ArchiveListing(const std::string& javaBin, const std::string& archivePath);

// The name with every ".java" taken out, as the jar's manifest names the main class, after its
// package and a "." when it has one.
std::string ClassForManifest(const std::string& fileName, const std::string& package = "");

}  // namespace ToolLines
