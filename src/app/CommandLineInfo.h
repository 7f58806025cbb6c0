#pragma once

#include <string>
#include <vector>

// What the command line asks for: a file to open, whether to leave out the start-up tip,
// or the usage text.
struct CCommandLineInfo {
    std::string strFileName;
    bool bNoLogo = false;
    bool bHelp = false;
    std::string strError;  // set when the line cannot be understood

    static CCommandLineInfo Parse(const std::vector<std::string>& args);
    static const char* Usage();
};
