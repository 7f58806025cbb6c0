#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// What the command line asks for: the files to open, whether to leave out the start-up tip,
// whether to start apart from a running instance, the usage text or the version, or a project
// to build or run or a Java file to export as HTML without a window. Qt's own options are known
// by name and passed over, so a line that cannot be understood is found before Qt looks for a
// display.
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
    bool bVersion = false;
    std::string strError;  // the first thing that cannot be understood

    // Reads the whole line even past an error, so a request for help is always seen.
    static CCommandLineInfo Parse(const std::vector<std::string>& args);
    static const char* Usage();  // its first line is the synopsis
    static std::string Version();

    // The usage, the version, or the error with the synopsis and exit code 2: what is answered
    // at once, without a window. None when the program goes on.
    std::optional<int> AnswerAtOnce(std::ostream& out, std::ostream& err) const;
};
