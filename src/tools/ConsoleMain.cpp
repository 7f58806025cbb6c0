// ondrik-console: what Run with Console and Debug run in their terminal window. It runs the
// tool given as its arguments (no shell: each argument as it is), and when the tool has ended
// it tells the exit code and waits for Enter, so the tool's last lines can still be read
// before the window closes.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: ondrik-console TOOL [ARGUMENT...]\n");
        return 2;
    }
    // Ctrl+C and Ctrl+\ in the window are for the tool; this program stays to tell how it ended.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction oldInt {};
    struct sigaction oldQuit {};
    ::sigaction(SIGINT, &ignore, &oldInt);
    ::sigaction(SIGQUIT, &ignore, &oldQuit);

    const pid_t pid = ::fork();
    if (pid == 0) {
        ::sigaction(SIGINT, &oldInt, nullptr);
        ::sigaction(SIGQUIT, &oldQuit, nullptr);
        ::execv(argv[1], argv + 1);
        std::fprintf(stderr, "ondrik-console: cannot run %s: %s\n", argv[1], std::strerror(errno));
        ::_exit(127);
    }
    int nCode = 127;
    if (pid < 0) {
        std::fprintf(stderr, "ondrik-console: cannot run %s: %s\n", argv[1], std::strerror(errno));
    } else {
        int status = 0;
        pid_t reaped = -1;
        do {
            reaped = ::waitpid(pid, &status, 0);
        } while (reaped < 0 && errno == EINTR);
        if (reaped == pid)
            nCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    std::printf("\nExit code: %d. Press Enter to close this window.", nCode);
    std::fflush(stdout);
    for (int c = std::getchar(); c != '\n' && c != EOF; c = std::getchar()) {
    }
    return nCode;
}
