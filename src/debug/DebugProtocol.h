#pragma once

#include "DebugTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The messages between Ondrik and its debugger: one JSON object a line each way, described in
// docs/debugger-protocol.md. Commands are written here; events are read here, and anything
// that is not a well-formed event of this version becomes an error text, never an exception.
namespace DebugProtocol {

inline constexpr int kVersion = 1;

struct CHello {
    int nProtocol = 0;
    std::string strVm;
    bool operator==(const CHello&) const = default;
};
struct CStarted {
    std::int64_t nPid = 0;
    bool operator==(const CStarted&) const = default;
};
struct CBreakpointResolved {
    CDebugBreakpoint breakpoint;
    bool operator==(const CBreakpointResolved&) const = default;
};
struct CResumed {
    bool operator==(const CResumed&) const = default;
};
struct COutput {
    DebugStream stream = DebugStream::Out;
    std::string strBytes;
    bool operator==(const COutput&) const = default;
};
struct CExited {
    int nCode = 0;
    bool operator==(const CExited&) const = default;
};
struct CError {
    std::string strMessage;
    std::string strCommand;  // the command it answers; "" for a message that was not understood
    bool operator==(const CError&) const = default;
};

using CEvent = std::variant<CHello, CStarted, CBreakpointResolved, CDebugStop, CResumed, CDebugVariables, CDebugChildren,
                            COutput, CExited, CError>;

// One line from the debugger (without its line end): the event, or why it is none.
struct CParsed {
    std::optional<CEvent> event;
    std::string strError;
};
CParsed ParseEvent(std::string_view line);

// Each command as one line, line end included.
std::string Hello();
std::string Launch(const std::string& mainClass, const std::vector<std::string>& options,
                   const std::vector<std::string>& arguments, const std::string& classPath);
std::string SetBreakpoint(const CDebugBreakpoint& breakpoint);
std::string ClearBreakpoint(const CDebugBreakpoint& breakpoint);
std::string Continue();
std::string Step(DebugStepKind kind);
std::string RunToLine(const CDebugBreakpoint& place);
std::string Pause();
std::string Stop();
std::string Input(std::string_view bytes);
std::string EndInput();
std::string Variables(int nFrame);
std::string Expand(std::int64_t nRef);

// Program output and input travel as text whose characters U+0000 to U+00FF stand for the
// bytes of the same value, so no byte is lost to a character set. Text is UTF-8 here.
std::string BytesToText(std::string_view bytes);
std::string TextToBytes(std::string_view text);

}  // namespace DebugProtocol
