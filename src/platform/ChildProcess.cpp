#include "ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// The file actions and attributes of one spawn, released on every way out.
class CSpawnSetup {
public:
    CSpawnSetup()
    {
        m_nError = ::posix_spawn_file_actions_init(&m_actions);
        if (m_nError == 0)
            m_nError = ::posix_spawnattr_init(&m_attr);
    }
    ~CSpawnSetup()
    {
        ::posix_spawn_file_actions_destroy(&m_actions);
        ::posix_spawnattr_destroy(&m_attr);
    }
    CSpawnSetup(const CSpawnSetup&) = delete;
    CSpawnSetup& operator=(const CSpawnSetup&) = delete;

    int Prepare(const CSpawnRequest& request)
    {
        if (m_nError != 0)
            return m_nError;
        if (request.nInputFd >= 0)
            Check(::posix_spawn_file_actions_adddup2(&m_actions, request.nInputFd, 0));
        else
            Check(::posix_spawn_file_actions_addopen(&m_actions, 0, "/dev/null", O_RDONLY, 0));
        if (request.nOutputFd >= 0) {
            Check(::posix_spawn_file_actions_adddup2(&m_actions, request.nOutputFd, 1));
            Check(::posix_spawn_file_actions_adddup2(&m_actions, request.nOutputFd, 2));
        }
        if (request.nErrorFd >= 0)
            Check(::posix_spawn_file_actions_adddup2(&m_actions, request.nErrorFd, 2));
        if (!request.strFolder.empty())
            Check(::posix_spawn_file_actions_addchdir_np(&m_actions, request.strFolder.c_str()));
        // Descriptors other libraries opened without close-on-exec must not reach the tool
        // either; a pipe write end kept by a stray child would hold a run open.
        Check(::posix_spawn_file_actions_addclosefrom_np(&m_actions, 3));

        sigset_t none;
        sigemptyset(&none);
        sigset_t all;
        sigfillset(&all);
        Check(::posix_spawnattr_setsigmask(&m_attr, &none));
        Check(::posix_spawnattr_setsigdefault(&m_attr, &all));
        Check(::posix_spawnattr_setflags(&m_attr, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK |
                                                      POSIX_SPAWN_SETSIGDEF));
        return m_nError;
    }

    const posix_spawn_file_actions_t* Actions() const { return &m_actions; }
    const posix_spawnattr_t* Attributes() const { return &m_attr; }

private:
    void Check(int nResult)
    {
        if (m_nError == 0)
            m_nError = nResult;
    }

    posix_spawn_file_actions_t m_actions {};
    posix_spawnattr_t m_attr {};
    int m_nError = 0;
};

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
    // without that stream, so none of them may sit on a standard descriptor.
    for (const int fd : {request.nOutputFd, request.nInputFd, request.nErrorFd}) {
        if (fd >= 0 && fd <= 2)
            return EINVAL;
    }

    CSpawnSetup setup;
    if (const int nError = setup.Prepare(request); nError != 0)
        return nError;

    std::vector<char*> argv;
    argv.reserve(request.argv.size() + 1);
    for (const std::string& argument : request.argv)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = -1;
    const int nError = ::posix_spawn(&pid, request.strApplication.c_str(), setup.Actions(),
                                     setup.Attributes(), argv.data(), environ);
    if (nError != 0)
        return nError;
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
