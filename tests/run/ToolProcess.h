#pragma once

#include "platform/CommandLine.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <vector>

// What a finished tool left: its exit code (128 + N when signal N ended it, -1 when it could
// not be started or had to be ended after the time limit) and its two streams apart.
struct CToolResult {
    int nExitCode = -1;
    std::string strOut;
    std::string strErr;
};

// A JDK tool started for a test as the runner starts it (its command line split by the same
// rules), but with an environment of the test's choosing and standard error kept apart from
// standard output, so a test can tell a message from the tool's output.
class CToolProcess {
public:
    CToolProcess() = default;
    ~CToolProcess()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            Finish(std::chrono::seconds(10));
        }
    }
    CToolProcess(const CToolProcess&) = delete;
    CToolProcess& operator=(const CToolProcess&) = delete;

    // Starts program with the arguments commandLine splits into, in folder. False when it
    // cannot be started.
    bool Start(const std::string& program, const std::string& commandLine, const std::string& folder,
               const std::vector<std::string>& environment)
    {
        std::vector<std::string> arguments = CommandLine::ToArgv(commandLine, folder);
        std::vector<char*> argv;
        for (std::string& each : arguments)
            argv.push_back(each.data());
        argv.push_back(nullptr);
        std::vector<std::string> entries = environment;
        std::vector<char*> envp;
        for (std::string& each : entries)
            envp.push_back(each.data());
        envp.push_back(nullptr);

        int out[2];
        int err[2];
        if (::pipe2(out, O_CLOEXEC) != 0)
            return false;
        if (::pipe2(err, O_CLOEXEC) != 0) {
            ::close(out[0]);
            ::close(out[1]);
            return false;
        }
        posix_spawn_file_actions_t actions;
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        ::posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        ::posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        ::posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
        const int nError = ::posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
        ::posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(err[1]);
        m_outFd = out[0];
        m_errFd = err[0];
        if (nError != 0) {
            m_pid = -1;
            CloseReadEnds();
            return false;
        }
        return true;
    }

    // Reads both streams to their end and reaps the tool; one still running after limit is
    // killed and gives -1.
    CToolResult Finish(std::chrono::seconds limit = std::chrono::seconds(120))
    {
        CToolResult result;
        const auto end = std::chrono::steady_clock::now() + limit;
        bool bLate = false;
        while (m_outFd >= 0 || m_errFd >= 0) {
            pollfd entries[2] = {{m_outFd, POLLIN, 0}, {m_errFd, POLLIN, 0}};
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            const int n = left.count() > 0 ? ::poll(entries, 2, static_cast<int>(left.count())) : 0;
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                bLate = true;
                break;
            }
            Drain(entries[0], m_outFd, result.strOut);
            Drain(entries[1], m_errFd, result.strErr);
        }
        CloseReadEnds();
        if (m_pid <= 0)
            return result;
        if (bLate)
            ::kill(m_pid, SIGKILL);
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_pid = -1;
        if (!bLate)
            result.nExitCode = WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
        return result;
    }

private:
    static void Drain(const pollfd& entry, int& fd, std::string& text)
    {
        if (fd < 0 || entry.revents == 0)
            return;
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof(buffer));
        if (n > 0) {
            text.append(buffer, static_cast<size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            ::close(fd);
            fd = -1;
        }
    }

    void CloseReadEnds()
    {
        for (int* fd : {&m_outFd, &m_errFd}) {
            if (*fd >= 0)
                ::close(*fd);
            *fd = -1;
        }
    }

    pid_t m_pid = -1;
    int m_outFd = -1;
    int m_errFd = -1;
};

// Runs a tool to its end.
inline CToolResult RunTool(const std::string& program, const std::string& commandLine, const std::string& folder,
                           const std::vector<std::string>& environment)
{
    CToolProcess process;
    if (!process.Start(program, commandLine, folder, environment))
        return {};
    return process.Finish();
}
