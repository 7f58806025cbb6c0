#pragma once

#include "platform/ChildProcess.h"
#include "platform/UniqueFd.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// The debugger's process with a pipe on each of its standard streams: its input carries the
// commands, its output the events, its error what its JVM says besides. Everything it starts,
// the program's JVM included, stays in its process group, so ending that group leaves nothing
// behind. All of the process plumbing of a debug session is here.
class CDebuggerProcess {
public:
    CDebuggerProcess() = default;
    CDebuggerProcess(const CDebuggerProcess&) = delete;
    CDebuggerProcess& operator=(const CDebuggerProcess&) = delete;

    // 0 on success, else the errno value of the failure. Our ends of the pipes never block.
    // Start it from the thread that lives as long as the program: the debugger is ended when
    // that thread ends.
    int Start(const std::string& application, const std::vector<std::string>& argv, const std::string& folder);

    int InputFd() const { return m_input.Get(); }
    int OutputFd() const { return m_output.Get(); }
    int ErrorFd() const { return m_error.Get(); }
    void CloseInput() { m_input.Reset(); }
    void CloseOutput() { m_output.Reset(); }
    void CloseError() { m_error.Reset(); }

    // Gives the debugger up to grace to end by itself, then ends it; whatever is left of its
    // process group goes too. Its exit code, or nothing when it could not be read.
    std::optional<int> Finish(std::chrono::milliseconds grace);

    // The exit code the debugger gets when Finish has to end it.
    static constexpr int kEndedByOndrik = 9;

private:
    CChildProcess m_child;
    CUniqueFd m_input;
    CUniqueFd m_output;
    CUniqueFd m_error;
};
