#include "CommandLineInfo.h"

#include "AboutDlg.h"

#include <algorithm>
#include <ostream>
#include <string_view>

namespace {

// Qt's own options, which QApplication takes from the line (with one dash or two): those that
// take the next argument, those that stand alone, and those that carry their value after "=".
constexpr std::string_view kToolkitOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "title", "icon", "name", "visual", "style", "stylesheet"};
constexpr std::string_view kToolkitFlags[] = {"reverse", "widgetcount", "testability", "nograb", "dograb"};
constexpr std::string_view kToolkitJoinedOptions[] = {"style=", "stylesheet=", "qmljsdebugger="};

// How many arguments the Qt option at the front takes up; 0 when it is not one of Qt's.
int ToolkitOptionLength(std::string_view arg)
{
    const std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
    auto named = [name](std::string_view option) { return name == option; };
    if (std::ranges::any_of(kToolkitOptionsWithValue, named))
        return 2;
    if (std::ranges::any_of(kToolkitFlags, named) ||
        std::ranges::any_of(kToolkitJoinedOptions, [name](std::string_view option) { return name.starts_with(option); }))
        return 1;
    return 0;
}

void SetError(CCommandLineInfo& info, std::string text)
{
    if (info.strError.empty())
        info.strError = std::move(text);
}

}  // namespace

CCommandLineInfo CCommandLineInfo::Parse(const std::vector<std::string>& args)
{
    CCommandLineInfo info;
    bool bOptionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (bOptionsEnded && info.nAction == Action::Run) {
            info.runArguments.push_back(arg);  // the program's own, empty ones too
        } else if (arg.empty()) {
            continue;  // names no file
        } else if (bOptionsEnded || arg[0] != '-') {
            info.fileNames.push_back(arg);
        } else if (arg == "--") {
            bOptionsEnded = true;
        } else if (arg == "--build" || arg == "--run") {
            if (info.nAction != Action::Open)
                SetError(info, "only one of --build, --run and --export-html");
            info.nAction = arg == "--build" ? Action::Build : Action::Run;
            if (i + 1 < args.size())
                info.strProject = args[++i];
            else
                SetError(info, arg + " needs a project file");
        } else if (arg == "--export-html") {
            if (info.nAction != Action::Open)
                SetError(info, "only one of --build, --run and --export-html");
            info.nAction = Action::ExportHtml;
            if (i + 1 < args.size())
                info.strExportSource = args[++i];
            if (i + 1 < args.size())
                info.strExportPage = args[++i];
            else
                SetError(info, arg + " needs a Java file and the page to write");
        } else if (arg == "-nologo" || arg == "--nologo") {
            info.bNoLogo = true;
        } else if (arg == "--new-instance") {
            info.bNewInstance = true;
        } else if (arg == "--help" || arg == "-h") {
            info.bHelp = true;
        } else if (arg == "--version") {
            info.bVersion = true;
        } else if (const int length = ToolkitOptionLength(arg); length > 0) {
            i += static_cast<std::size_t>(length - 1);  // Qt has taken it, or will
        } else {
            SetError(info, "unknown option '" + arg + "'");
        }
    }
    if (info.nAction != Action::Open && !info.fileNames.empty())
        SetError(info, "no file can be opened with --build, --run or --export-html");
    return info;
}

const char* CCommandLineInfo::Usage()
{
    return "usage: ondrik [-nologo] [--new-instance] [Qt options] [--] [FILE...]\n"
           "       ondrik --build PROJECT.jpr                build the project as Build (F7) does\n"
           "       ondrik --run PROJECT.jpr [-- ARGS]        run its main class as Run Application (F5) does\n"
           "       ondrik --export-html FILE OUT.html        write a .java or .html file, coloured, as an HTML page\n"
           "\n"
           "Opens each FILE (Java source, HTML page or .jpr project) in the running Ondrik, or starts it.\n"
           "The three commands above need no display; they write what the Process Window would show.\n"
           "  -nologo            start without the Tip of the Day\n"
           "  --new-instance     start a separate Ondrik instead of handing the files to the running one\n"
           "  --help, -h         show this help\n"
           "  --version          show the version\n"
           "  Qt options         Qt's own, such as -style fusion or -platform offscreen, before \"--\"";
}

std::string CCommandLineInfo::Version()
{
    return CAboutDlg::ProductLine();
}

std::optional<int> CCommandLineInfo::AnswerAtOnce(std::ostream& out, std::ostream& err) const
{
    if (bHelp) {
        out << Usage() << "\n";
        return 0;
    }
    if (bVersion) {
        out << Version() << "\n";
        return 0;
    }
    if (!strError.empty()) {
        const std::string_view usage = Usage();
        err << "ondrik: " << strError << "\n" << usage.substr(0, usage.find('\n')) << "\n";
        return 2;
    }
    return std::nullopt;
}
