#pragma once

#include <string>
#include <string_view>
#include <vector>

// Turns a tool's command line into the argument vector it is started with. The line is split
// as a Windows program splits its own command line, and wildcards are expanded as the JDK
// launcher expands them there. No shell ever sees the line, so no character in a file name or
// a switch can run a command.
namespace CommandLine {

struct CArgument {
    std::string strText;
    bool bQuoted = false;  // some part of it was written in double quotes
};

// Blanks and tabs separate; double quotes group; backslashes are literal except before a
// quote, where each pair gives one backslash and an odd one makes the quote literal; inside
// quotes a doubled quote is one literal quote. The first argument, the program's name, ends
// at the first blank outside quotes and keeps its backslashes.
std::vector<CArgument> Split(std::string_view commandLine);

// "*" matches any run of characters, "?" any one character; nothing else is special.
bool MatchesWildcard(std::string_view pattern, std::string_view name);

// An unquoted argument holding "*" or "?" in its last path component becomes the matching
// entries of its folder (relative to folder, or the current folder when folder is empty),
// in byte order; a name beginning with "." only matches a pattern that does. With no match,
// or a wildcard in a folder part, the argument stays as written. The program's name is never
// expanded, nor the value after a class-path, source-path or module-path switch, which the JDK
// reads itself ("-cp lib/*").
std::vector<std::string> Expand(const std::vector<CArgument>& arguments, const std::string& folder);

// Split and Expand.
std::vector<std::string> ToArgv(std::string_view commandLine, const std::string& folder);

// The argument written so that Split gives it back unchanged and Expand leaves it alone: as it
// is when it holds no blank, tab, quote or wildcard, else in double quotes with its quotes and
// the backslashes before them escaped.
std::string Quote(std::string_view argument);

}  // namespace CommandLine
