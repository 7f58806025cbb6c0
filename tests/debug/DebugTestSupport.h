#pragma once

// What the debugger's tests and benchmark share: small Java programs compiled with -g in a
// folder of their own, the lines they mark, and an observer that keeps everything it hears.

#include "debug/DebugObserver.h"
#include "debug/DebugSession.h"
#include "platform/ChildProcess.h"
#include "support/TempDir.h"

#include <chrono>
#include <cstdint>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// Readable failures.
inline void PrintTo(const CDebugLocation& location, std::ostream* out)
{
    *out << location.strFile << ":" << location.nLine << " (" << location.strClass << "." << location.strMethod << ")";
}
inline void PrintTo(const CDebugVariable& variable, std::ostream* out)
{
    *out << variable.strName << " : " << variable.strType << " = " << variable.strValue << " ref " << variable.nRef;
}

namespace DebugTest {

inline const std::string kJdk = "/usr/lib/jvm/default-java";

// Java sources under a source root, compiled with -g by the given JDK's javac.
class CJavaProgram {
public:
    CJavaProgram(std::map<std::string, std::string> sources, const std::string& jdk = kJdk)
        : m_sources(std::move(sources))
    {
        std::vector<std::string> argv = {"javac", "-g", "-encoding", "UTF-8"};
        for (const auto& [name, text] : m_sources)
            argv.push_back(m_dir.Write(name, text));
        CSpawnRequest request;
        request.strApplication = jdk + "/bin/javac";
        request.argv = argv;
        request.strFolder = m_dir.Path();
        CChildProcess javac;
        m_bCompiled = javac.Start(request) == 0 && javac.WaitForExit() == 0;
    }

    bool Compiled() const { return m_bCompiled; }
    const std::string& Root() const { return m_dir.Path(); }

    // The line of a source that holds marker (written in a comment), counting from 1.
    int LineOf(const std::string& file, const std::string& marker) const
    {
        const std::string& text = m_sources.at(file);
        const std::size_t at = text.find(marker);
        if (at == std::string::npos)
            return -1;
        int line = 1;
        for (std::size_t i = 0; i < at; ++i)
            line += text[i] == '\n' ? 1 : 0;
        return line;
    }

    CDebugBreakpoint At(const std::string& file, const std::string& marker) const
    {
        return {file, LineOf(file, marker)};
    }

private:
    CTempDir m_dir;
    std::map<std::string, std::string> m_sources;
    bool m_bCompiled = false;
};

// Keeps all a session says.
class CRecordingObserver : public CDebugObserver {
public:
    void OnDebugStarted(std::int64_t nPid) override { pid = nPid; }
    void OnDebugBreakpointResolved(const CDebugBreakpoint& breakpoint) override { resolved.push_back(breakpoint); }
    void OnDebugStopped(const CDebugStop& stop) override { stops.push_back(stop); }
    void OnDebugResumed() override { ++nResumed; }
    void OnDebugVariables(const CDebugVariables& shown) override { variables.push_back(shown); }
    void OnDebugChildren(const CDebugChildren& shown) override { children.push_back(shown); }
    void OnDebugOutput(DebugStream stream, std::string_view bytes) override
    {
        (stream == DebugStream::Out ? out : stream == DebugStream::Err ? err : debugger).append(bytes);
    }
    void OnDebugExited(int nExitCode) override { exitCode = nExitCode; }
    void OnDebugError(const std::string& message) override { errors.push_back(message); }
    void OnDebugEnded() override { bEnded = true; }

    std::optional<std::int64_t> pid;
    std::vector<CDebugBreakpoint> resolved;
    std::vector<CDebugStop> stops;
    int nResumed = 0;
    std::vector<CDebugVariables> variables;
    std::vector<CDebugChildren> children;
    std::string out;
    std::string err;
    std::string debugger;
    std::optional<int> exitCode;
    std::vector<std::string> errors;
    bool bEnded = false;
};

// Dispatches the session's events until done says so; false when limit passed first.
inline bool DispatchUntil(CDebugSession& session, const std::function<bool()>& done,
                          std::chrono::milliseconds limit = std::chrono::seconds(30))
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        session.WaitForEvents(left);
        session.Dispatch();
    }
    return true;
}

// True once the process has ended, waiting up to limit. One that has ended but is not reaped
// yet counts as ended: where the init process does not reap, it never would be.
inline bool ProcessGone(std::int64_t pid, std::chrono::milliseconds limit = std::chrono::seconds(10))
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string text;
        std::getline(stat, text);
        const std::size_t close = text.rfind(')');
        if (!stat || close == std::string::npos || close + 2 >= text.size() || text[close + 2] == 'Z')
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace DebugTest
