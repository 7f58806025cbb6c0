#include "CommandLineInfo.h"

namespace {

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
    return "usage: ondrik [-nologo] [--new-instance] [--help] [Qt options] [--] [FILE...]\n"
           "       ondrik --build PROJECT.jpr                build the project as Build (F7) does\n"
           "       ondrik --run PROJECT.jpr [-- ARGS]        run its main class as Run Application (F5) does\n"
           "       ondrik --export-html FILE OUT.html        write a .java or .html file, coloured, as an HTML page";
}
