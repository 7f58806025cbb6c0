#include "CommandLineInfo.h"

CCommandLineInfo CCommandLineInfo::Parse(const std::vector<std::string>& args)
{
    CCommandLineInfo info;
    bool bOptionsEnded = false;
    for (const std::string& arg : args) {
        if (!bOptionsEnded && arg == "--") {
            bOptionsEnded = true;
        } else if (!bOptionsEnded && (arg == "-nologo" || arg == "--nologo")) {
            info.bNoLogo = true;
        } else if (!bOptionsEnded && (arg == "--help" || arg == "-h")) {
            info.bHelp = true;
        } else if (!bOptionsEnded && !arg.empty() && arg[0] == '-') {
            info.strError = "unknown option '" + arg + "'";
            return info;
        } else if (info.strFileName.empty()) {
            info.strFileName = arg;
        } else {
            info.strError = "only one file can be opened from the command line";
            return info;
        }
    }
    return info;
}

const char* CCommandLineInfo::Usage()
{
    return "usage: ondrik [-nologo] [--help] [FILE]";
}
