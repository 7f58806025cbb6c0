#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// One line of a tool's output read as a message about a place in a source: javac's
// "PATH:LINE: error: TEXT" and "PATH:LINE: warning: TEXT", any other "PATH:LINE: TEXT", or a
// stack-trace frame "at a.b.C.m(C.java:LINE)".
struct CToolMessage {
    enum class EKind { Error, Warning, Other };

    std::string strPath;  // the file as the line writes it; a frame's file name
    int nLine = 0;        // from 1
    EKind kind = EKind::Other;
    std::string strText;           // what follows "error: ", "warning: " or the line number; "" for a frame
    std::string strQualifiedFile;  // a frame's file under its package's folders, "a/b/C.java"; "" otherwise
    // javac's lines after the source line it quotes and its caret ("symbol: ...", "location: ..."),
    // each without the two blanks that indent it, joined by line feeds; "" for none. Only a whole
    // output gives them.
    std::string strDetail;
};
std::optional<CToolMessage> ParseLine(std::string_view line);

// A message and the line of the output that holds it (0-based, lines ended as LineAt ends them).
struct COutputMessage {
    int nOutputLine = 0;
    std::string_view line;  // in the output read
    CToolMessage message;
};
// Every line of the output ParseLine reads as a message, in order, but the source line javac
// quotes under an error or a warning and the caret under it, which belong to that message as its
// detail lines do. In one pass: the time is the output's length.
std::vector<COutputMessage> ReadMessages(std::string_view output);

// Where a message's file may be looked for.
struct CMessagePlaces {
    std::string strRunFolder;   // the folder the tool that wrote it worked in
    std::string strSourceRoot;  // the main file's source root, where frames' packages start
    std::function<bool(const std::string& path)> isFile;
    // The full path of the project's Java file of that name; nothing when there is none.
    std::function<std::optional<std::string>(const std::string& name)> projectFile;
};

// The file a message names: a frame's file under the source root (or the run's folder), else the
// path as written, taken from the run's folder when it is relative, whichever is a file; only when
// none is, the project's Java file of the same name.
std::optional<std::string> ResolveFile(const CToolMessage& message, const CMessagePlaces& places);

}  // namespace MessageJump
