#include "ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Blocks every signal for the calling thread while it lives and restores the mask after: a
// child forked meanwhile runs none of the program's handlers before it has reset them.
class CSignalsBlocked {
public:
    CSignalsBlocked()
    {
        sigset_t all;
        sigfillset(&all);
        ::pthread_sigmask(SIG_SETMASK, &all, &m_old);
    }
    ~CSignalsBlocked() { ::pthread_sigmask(SIG_SETMASK, &m_old, nullptr); }
    CSignalsBlocked(const CSignalsBlocked&) = delete;
    CSignalsBlocked& operator=(const CSignalsBlocked&) = delete;

private:
    sigset_t m_old {};
};

// Where the child reports why it could not run the tool: the errno value, written to the
// pipe that exec closes. Only calls that are safe in the child of a threaded program.
[[noreturn]] void FailInChild(int reportFd, int nError)
{
    [[maybe_unused]] const ssize_t n = ::write(reportFd, &nError, sizeof nError);
    ::_exit(127);
}

// In the child, between fork and exec.
[[noreturn]] void BecomeTool(const CSpawnRequest& request, char* const* argv, int reportFd, pid_t starter)
{
    // Handlers the program installed must not run here, and what it ignores the tool must not.
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    sigemptyset(&defaults.sa_mask);
    for (int sig = 1; sig < NSIG; ++sig) {
        if (sig != SIGKILL && sig != SIGSTOP)
            ::sigaction(sig, &defaults, nullptr);
    }
    if (request.bEndWithStarter) {
        if (::prctl(PR_SET_PDEATHSIG, request.nEndSignal) != 0)
            FailInChild(reportFd, errno);
        // The starter may have gone before the request was made.
        if (::getppid() != starter)
            ::_exit(127);
    }
    if (::setsid() < 0)
        FailInChild(reportFd, errno);

    if (request.nInputFd > 0) {
        if (::dup2(request.nInputFd, 0) < 0)
            FailInChild(reportFd, errno);
    } else if (request.nInputFd == 0 && ::fcntl(0, F_GETFD) >= 0) {
        ::fcntl(0, F_SETFD, 0);
    } else {
        const int nullFd = ::open("/dev/null", O_RDONLY);
        if (nullFd < 0)
            FailInChild(reportFd, errno);
        if (nullFd != 0) {
            if (::dup2(nullFd, 0) < 0)
                FailInChild(reportFd, errno);
            ::close(nullFd);
        }
    }
    if (request.nOutputFd >= 0) {
        if (::dup2(request.nOutputFd, 1) < 0 || ::dup2(request.nOutputFd, 2) < 0)
            FailInChild(reportFd, errno);
    }
    if (request.nErrorFd >= 0 && ::dup2(request.nErrorFd, 2) < 0)
        FailInChild(reportFd, errno);
    if (!request.strFolder.empty() && ::chdir(request.strFolder.c_str()) != 0)
        FailInChild(reportFd, errno);

    // Nothing but the standard descriptors reaches the tool, whatever close-on-exec flag other
    // libraries left on theirs: a pipe write end kept by a stray child would hold a run open.
    // The report pipe moves to 3, where exec closes it.
    if (reportFd != 3) {
        if (::dup3(reportFd, 3, O_CLOEXEC) < 0)
            FailInChild(reportFd, errno);
        reportFd = 3;
    }
    ::closefrom(4);

    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execve(request.strApplication.c_str(), argv, environ);
    FailInChild(reportFd, errno);
}

}  // namespace

CChildProcess::~CChildProcess()
{
    if (!IsStarted())
        return;
    Terminate(0);
    WaitForExit();
}

int CChildProcess::Start(const CSpawnRequest& request)
{
    if (IsStarted())
        return EBUSY;
    if (request.argv.empty())
        return EINVAL;
    // A duplication onto the same number would keep close-on-exec and leave the child
    // without its output, so the output must not sit on a standard descriptor.
    if (request.nOutputFd >= 0 && request.nOutputFd <= 2)
        return EINVAL;
    if (request.nInputFd == 1 || request.nInputFd == 2)
        return EINVAL;
    if (request.nErrorFd >= 0 && request.nErrorFd <= 2)
        return EINVAL;

    // Everything the child needs is made before the fork: after it, only calls that are safe
    // in the child of a threaded program may run there.
    std::vector<char*> argv;
    argv.reserve(request.argv.size() + 1);
    for (const std::string& argument : request.argv)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    CUniqueFd reportRead;
    CUniqueFd reportWrite;
    if (!MakePipe(reportRead, reportWrite))
        return errno != 0 ? errno : EMFILE;

    const pid_t starter = ::getpid();
    pid_t pid = -1;
    {
        const CSignalsBlocked blocked;
        pid = ::fork();
        if (pid == 0)
            BecomeTool(request, argv.data(), reportWrite.Get(), starter);
    }
    if (pid < 0)
        return errno;
    reportWrite.Reset();

    // The report pipe closes at exec, or carries the reason exec was never reached.
    int nChildError = 0;
    ssize_t nRead = 0;
    do {
        nRead = ::read(reportRead.Get(), &nChildError, sizeof nChildError);
    } while (nRead < 0 && errno == EINTR);
    if (nRead > 0 || nRead < 0) {
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        return nRead == sizeof nChildError && nChildError != 0 ? nChildError : ECHILD;
    }
    m_pid = pid;
    m_bReaped = false;
    m_terminateCode.reset();
    return 0;
}

bool CChildProcess::HasExitedLocked() const
{
    if (m_bReaped)
        return true;
    siginfo_t info {};
    // WNOWAIT leaves the zombie in place: the number stays ours until it is reaped.
    if (::waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0)
        return true;
    return info.si_pid != 0;
}

bool CChildProcess::IsRunning()
{
    if (!IsStarted())
        return false;
    std::lock_guard lock(m_lock);
    return !HasExitedLocked();
}

bool CChildProcess::Terminate(int nExitCode)
{
    if (!IsStarted())
        return false;
    std::lock_guard lock(m_lock);
    if (HasExitedLocked())
        return false;
    m_terminateCode = nExitCode;
    // The child leads its own process group; its descendants go with it.
    ::kill(-m_pid, SIGKILL);
    ::kill(m_pid, SIGKILL);
    return true;
}

void CChildProcess::KillGroup()
{
    if (!IsStarted())
        return;
    std::lock_guard lock(m_lock);
    if (!m_bReaped)
        ::kill(-m_pid, SIGKILL);
}

std::optional<int> CChildProcess::WaitForExit()
{
    if (!IsStarted())
        return std::nullopt;
    {
        std::lock_guard lock(m_lock);
        if (m_bReaped)
            return std::nullopt;
    }
    // Wait without reaping, so Terminate can still look at the child safely meanwhile.
    siginfo_t info {};
    int nResult = 0;
    do {
        nResult = ::waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOWAIT);
    } while (nResult != 0 && errno == EINTR);

    std::lock_guard lock(m_lock);
    int status = 0;
    pid_t reaped = -1;
    do {
        reaped = ::waitpid(m_pid, &status, 0);
    } while (reaped < 0 && errno == EINTR);
    m_bReaped = true;
    if (reaped != m_pid)
        return std::nullopt;
    return ExitCodeFromStatus(status, m_terminateCode);
}

pid_t CChildProcess::Release()
{
    std::lock_guard lock(m_lock);
    const pid_t pid = m_pid;
    m_pid = -1;
    return pid;
}

bool CChildProcess::MakePipe(CUniqueFd& readEnd, CUniqueFd& writeEnd)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    CUniqueFd ends[2] = {CUniqueFd(fds[0]), CUniqueFd(fds[1])};
    for (CUniqueFd& end : ends) {
        if (end.Get() <= 2) {
            const int moved = ::fcntl(end.Get(), F_DUPFD_CLOEXEC, 3);
            if (moved < 0)
                return false;
            end.Reset(moved);
        }
    }
    readEnd = std::move(ends[0]);
    writeEnd = std::move(ends[1]);
    return true;
}

int CChildProcess::ExitCodeFromStatus(int status, std::optional<int> terminateCode)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) {
        if (terminateCode && WTERMSIG(status) == SIGKILL)
            return *terminateCode;
        return 128 + WTERMSIG(status);
    }
    return 128;
}
