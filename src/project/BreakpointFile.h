#pragma once

#include "Breakpoints.h"

#include <optional>
#include <string>
#include <string_view>

// The side file that keeps a project's breakpoints beside its .jpr file, whose own format has
// no room for them: "Main.jpr" keeps them in "Main.breakpoints". It is text, a heading line and
// then one breakpoint a line, the file and its line number (from 1) parted by a tab:
//
//     Ondrik breakpoints 1
//     src/app/Main.java<TAB>12
//
// A file in the project's folder or below it is written from there, so the project can move;
// any other by its full path. A file of no breakpoints is written as the heading alone.
namespace BreakpointFile {

// The side file of the project at jprPath.
std::string PathFor(const std::string& jprPath);

std::string Format(const CBreakpoints::CFileLines& files, const std::string& projectFolder);

struct CParsed {
    CBreakpoints::CFileLines files;
    std::string strError;  // "" when the text was read; else what is wrong, and on which line
};
CParsed Parse(std::string_view text, const std::string& projectFolder);

enum class ReadStatus {
    Read,     // the breakpoints are in files
    NoFile,   // the project has no side file: no breakpoints
    Damaged,  // the file cannot be read; kept aside under keptAs when it could be moved
};
struct CReadResult {
    ReadStatus status = ReadStatus::NoFile;
    CBreakpoints::CFileLines files;
    std::string strError;
    std::optional<std::string> keptAs;
};
// Reads the side file of the project at jprPath. One that cannot be read is moved aside, so
// that the next write does not destroy it.
CReadResult Read(const std::string& jprPath);

// Writes the side file through a temporary file and a rename; false when it could not be
// written, and the file on disk is as it was.
bool Write(const std::string& jprPath, const CBreakpoints::CFileLines& files);

// What the user is told of a side file that could not be read.
std::string DamagedMessage(const std::string& jprPath, const CReadResult& result);

}  // namespace BreakpointFile
