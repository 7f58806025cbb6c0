#pragma once

#include "UniqueFd.h"

#include <sys/types.h>

#include <csignal>

#include <mutex>
#include <optional>
#include <string>
#include <vector>

// What a child is started with. The child leads a new session of its own, so it has no
// controlling terminal and its descendants form its process group.
struct CSpawnRequest {
    std::string strApplication;     // path of the executable; no search on PATH
    std::vector<std::string> argv;  // argv[0] is the name the tool is called by
    std::string strFolder;          // working folder; "" keeps the current one
    int nOutputFd = -1;             // standard output and error; -1 keeps the program's own
    // Standard input: /dev/null when -1, the program's own when 0, else this descriptor (not
    // 1 or 2).
    int nInputFd = -1;
    // The kernel ends the child with SIGKILL when the thread that started it ends, so a child
    // never outlives a program that crashed or was killed. Start it from the thread that lives
    // as long as the program.
    bool bEndWithStarter = false;
    // The signal that ends it then: a program that must clean up after itself (the debugger
    // ends the program it debugs) asks for one it can catch.
    int nEndSignal = SIGKILL;
    int nErrorFd = -1;              // standard error apart from the output; -1 keeps it with the output
};

// One child process. Only its standard descriptors are inherited: everything else is closed
// in the child whatever its close-on-exec flag says.
//
// WaitForExit and Terminate may be called from different threads: the child is reaped under a
// lock, so Terminate never signals a process number the system may have handed on.
class CChildProcess {
public:
    CChildProcess() = default;
    // A child still running when its object goes is ended and reaped, so none is left behind.
    ~CChildProcess();
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    // 0 on success, else the errno value of the failure (ENOENT for a missing executable, or
    // the failure of changing to the working folder).
    int Start(const CSpawnRequest& request);

    bool IsStarted() const { return m_pid > 0; }
    pid_t Pid() const { return m_pid; }

    // Blocks until the child has exited and reaps it. The exit code: the child's own, 128 + N
    // for a child killed by signal N, or the code given to Terminate when that ended it.
    // Nothing when the status cannot be read.
    std::optional<int> WaitForExit();

    // Ends the child and its process group only if the child is still running; its exit code
    // is then nExitCode. False when it had already exited.
    bool Terminate(int nExitCode);
    // Ends what is left of the child's process group, also once the child itself has exited,
    // as long as it has not been reaped (its number, and so its group's, stays ours until then).
    void KillGroup();

    bool IsRunning();

    // Hands the child over: this object no longer ends or reaps it.
    pid_t Release();

    // A pipe with close-on-exec on both ends, neither on a standard descriptor; false on failure.
    static bool MakePipe(CUniqueFd& readEnd, CUniqueFd& writeEnd);

    // The exit code a wait status stands for.
    static int ExitCodeFromStatus(int status, std::optional<int> terminateCode);

private:
    bool HasExitedLocked() const;

    pid_t m_pid = -1;
    std::mutex m_lock;
    bool m_bReaped = false;
    std::optional<int> m_terminateCode;
};
