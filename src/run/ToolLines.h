#pragma once

#include <string>

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

// "javac NAME" and the switches after it, in the file's folder.
CToolLine Compile(const std::string& javaBin, const std::string& path, const std::string& switches,
                  const std::string& caption);
// Build: javac on the main file with the project's switches.
CToolLine Build(const std::string& javaBin, const std::string& mainPath, const std::string& javacSwitches);
// "java", the project's switches, always one blank, the package and "." when there is one, and
// the main file's name up to its last "."; tool is "java" or "jdb". The caption is the line.
CToolLine RunMain(const std::string& javaBin, const std::string& tool, const std::string& mainPath,
                  const std::string& javaSwitches, const std::string& package);
// appletviewer on the page, quoted, in the page's folder.
CToolLine AppletViewer(const std::string& javaBin, const std::string& pagePath);
// Where the JDK has no appletviewer: the program's own applet host on the page, with the same
// caption.
CToolLine AppletHost(const std::string& javaBin, const std::string& hostJar, const std::string& pagePath);
// "jar cmfv MANIFEST JAR *.class" in the main file's folder.
CToolLine CreateJar(const std::string& javaBin, const std::string& mainFolder, const std::string& manifestPath,
                    const std::string& jarPath);
// "jar tvf NAME" in the archive's folder; the name is quoted only where it must be to stay one
// argument, and the caption is left alone.
CToolLine ArchiveListing(const std::string& javaBin, const std::string& archivePath);

// The main file's name up to its last "." ("" for a name without one).
std::string ClassOfFile(const std::string& fileName);
// The name with every ".java" taken out, as the jar's manifest names the main class.
std::string ClassForManifest(const std::string& fileName);

}  // namespace ToolLines
