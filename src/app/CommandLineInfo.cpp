#include "CommandLineInfo.h"

CCommandLineInfo CCommandLineInfo::Parse(const std::vector<std::string>& args)
{
    CCommandLineInfo info;
    bool bOptionsEnded = false;
    for (const std::string& arg : args) {
        if (arg.empty()) {
            continue;  // names no file
        } else if (bOptionsEnded || arg[0] != '-') {
            info.fileNames.push_back(arg);
        } else if (arg == "--") {
            bOptionsEnded = true;
        } else if (arg == "-nologo" || arg == "--nologo") {
            info.bNoLogo = true;
        } else if (arg == "--new-instance") {
            info.bNewInstance = true;
        } else if (arg == "--help" || arg == "-h") {
            info.bHelp = true;
        } else if (info.strError.empty()) {
            info.strError = "unknown option '" + arg + "'";
        }
    }
    return info;
}

const char* CCommandLineInfo::Usage()
{
    return "usage: ondrik [-nologo] [--new-instance] [--help] [Qt options] [--] [FILE...]";
}
