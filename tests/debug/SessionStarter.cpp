// A program that starts a debug session and then waits to be killed, for the test that a
// program dying in the middle of a session leaves no JVM behind. Arguments: the JDK folder,
// the debugger jar, the source root, the main class with its package and the program's
// arguments; it writes the program's process number on a line of its own once the program runs.
#include "debug/DebugObserver.h"
#include "debug/DebugSession.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

class CStartWatcher : public CDebugObserver {
public:
    void OnDebugStarted(std::int64_t nPid) override { m_nPid = nPid; }
    void OnDebugStopped(const CDebugStop&) override {}
    void OnDebugVariables(const CDebugVariables&) override {}
    void OnDebugChildren(const CDebugChildren&) override {}
    void OnDebugOutput(DebugStream, std::string_view) override {}
    void OnDebugExited(int) override {}
    void OnDebugError(const std::string& message) override { std::fprintf(stderr, "%s\n", message.c_str()); }
    void OnDebugEnded() override { m_bEnded = true; }

    std::int64_t m_nPid = 0;
    bool m_bEnded = false;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 6)
        return 2;
    const std::string mainClass = argv[4];
    const std::size_t dot = mainClass.rfind('.');
    CDebugLaunch launch;
    launch.strJavaBin = argv[1];
    launch.strDebuggerJar = argv[2];
    launch.strSourceRoot = argv[3];
    launch.strPackage = dot == std::string::npos ? std::string() : mainClass.substr(0, dot);
    launch.strMainClass = mainClass.substr(dot == std::string::npos ? 0 : dot + 1);
    launch.strArguments = argv[5];
    CStartWatcher watcher;
    CDebugSession session(watcher);
    if (const auto error = session.Start(launch)) {
        std::fprintf(stderr, "%s\n", error->c_str());
        return 1;
    }
    while (watcher.m_nPid == 0 && !watcher.m_bEnded) {
        session.WaitForEvents(std::chrono::seconds(30));
        session.Dispatch();
    }
    if (watcher.m_bEnded)
        return 1;
    std::printf("%lld\n", static_cast<long long>(watcher.m_nPid));
    std::fflush(stdout);
    for (;;)
        ::pause();
}
