#pragma once

#include <string>
#include <vector>

// What the command line asks for: the files to open, whether to leave out the start-up tip,
// whether to start apart from a running instance, the usage text, or a project to build or run
// or a Java file to export as HTML without a window.
struct CCommandLineInfo {
    enum class Action { Open, Build, Run, ExportHtml };

    Action nAction = Action::Open;
    std::string strProject;                  // with --build and --run
    std::vector<std::string> runArguments;   // what follows "--" after --run
    std::string strExportSource;             // with --export-html: the Java file
    std::string strExportPage;               // and the page to write
    std::vector<std::string> fileNames;  // in the order given
    bool bNoLogo = false;
    bool bNewInstance = false;
    bool bHelp = false;
    std::string strError;  // the first thing that cannot be understood

    // Reads the whole line even past an error, so a request for help is always seen.
    static CCommandLineInfo Parse(const std::vector<std::string>& args);
    static const char* Usage();
};
