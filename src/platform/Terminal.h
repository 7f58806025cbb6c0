#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A tool "with a console of its own" runs in a terminal emulator window: x-terminal-emulator,
// else the first of gnome-terminal, konsole, xfce4-terminal and xterm found on PATH.
namespace Terminal {

// The full path of the terminal to use, searched in pathVariable (the value of PATH).
// Empty entries are skipped: the current folder is never searched.
std::optional<std::string> Find(std::string_view pathVariable);

// The terminal's argument vector that runs the tool with its arguments, each passed on
// separately, in the way that terminal expects them.
std::vector<std::string> Argv(const std::string& terminalPath, const std::string& tool,
                              const std::vector<std::string>& toolArguments);

// Opens a terminal window running the tool in folder, and does not wait for it; it is reaped
// when it ends. With a launcher (a program that runs the tool given as its arguments and keeps
// the window open after it ends), the terminal runs the launcher with the tool and its
// arguments; a launcher that is not there is left out. 0 on success, ENOENT when the tool or
// a terminal is not found, else the errno value of the failed start. pLaunched, when given,
// receives the terminal's process number.
int Start(const std::string& tool, const std::vector<std::string>& toolArguments,
          const std::string& folder, pid_t* pLaunched = nullptr, const std::string& launcher = "");

}  // namespace Terminal
