#pragma once

#include "DebugTypes.h"

#include <cstdint>
#include <string>
#include <string_view>

// What hears of a debug session: the Debug bar, the editors' current-line arrow, the Process
// Window. Every call comes on the thread that calls the session's Dispatch.
class CDebugObserver {
public:
    virtual ~CDebugObserver() = default;

    // The program's JVM is up, with this process number.
    virtual void OnDebugStarted(std::int64_t /*nPid*/) {}
    virtual void OnDebugBreakpointResolved(const CDebugBreakpoint& /*breakpoint*/) {}
    // The program stopped; the variables of the frame shown follow at once.
    virtual void OnDebugStopped(const CDebugStop& stop) = 0;
    virtual void OnDebugResumed() {}
    virtual void OnDebugVariables(const CDebugVariables& variables) = 0;
    virtual void OnDebugChildren(const CDebugChildren& children) = 0;
    virtual void OnDebugOutput(DebugStream stream, std::string_view bytes) = 0;
    // The program ended with this exit code (11 after Stop).
    virtual void OnDebugExited(int nExitCode) = 0;
    // Something went wrong: a command the debugger refused, a message that could not be read,
    // a debugger that failed. The session goes on unless it ends too.
    virtual void OnDebugError(const std::string& message) = 0;
    // The debugger has gone, and the program with it; nothing more comes.
    virtual void OnDebugEnded() {}
};
