#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reading a tool's output line for the source line it names: the file name at the line's start
// or directly after a separator, and the number one character after the name, as compilers
// write "Main.java:12: error"; else a Java stack-trace line "at app.Main.run(Main.java:12)".
namespace MessageJump {

// Line n (0-based) of the output, each line ended by a CR (a CR LF counts as one end). A last
// line without its CR cannot be chosen.
std::optional<std::string_view> LineAt(std::string_view output, int nLine);

// Where the first occurrence of name in line ends, when that occurrence stands at the line's
// start or directly after a separator; nothing otherwise.
std::optional<std::size_t> NameEnd(std::string_view line, std::string_view name);

// The decimal number that starts at pos; 0 when none does.
int NumberAt(std::string_view line, std::size_t pos);

// The file name and line number of a stack-trace frame "(Name.java:N)" in the line.
struct CFrame {
    std::string strName;
    int nLine = 0;
};
std::optional<CFrame> StackFrame(std::string_view line);

}  // namespace MessageJump
