// The child the runner's tests start: what it does is chosen by its first argument.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <thread>

namespace {

void WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n <= 0)
            std::_Exit(90);
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

// "\n", "\r", "\t", "\0", "\\" and "\xHH" as in C.
std::string Unescape(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        switch (c) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case '0': out += '\0'; break;
        case 'x':
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
            break;
        default: out += c; break;
        }
    }
    return out;
}

// Waits without end only as long as a test could: a helper left behind by a failed test goes.
template <class Predicate>
void WaitUntil(Predicate done)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (!done() && std::chrono::steady_clock::now() < limit)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

std::string OpenDescriptors()
{
    std::string list;
    DIR* dir = ::opendir("/proc/self/fd");
    if (dir == nullptr)
        return "?";
    const int own = ::dirfd(dir);
    int fds[64];
    int count = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const int fd = std::atoi(entry->d_name);
        if (fd != own && count < 64)
            fds[count++] = fd;
    }
    ::closedir(dir);
    std::sort(fds, fds + count);
    for (int i = 0; i < count; ++i)
        list += (i == 0 ? "" : ",") + std::to_string(fds[i]);
    return list;
}

int Inspect()
{
    char cwd[4096] = {};
    char in[4096] = {};
    if (::getcwd(cwd, sizeof cwd) == nullptr)
        return 91;
    if (::readlink("/proc/self/fd/0", in, sizeof in - 1) < 0)
        return 92;
    const int tty = ::open("/dev/tty", O_RDONLY | O_CLOEXEC);
    std::string report = "cwd=" + std::string(cwd) + "\n";
    report += "fds=" + OpenDescriptors() + "\n";
    report += "stdin=" + std::string(in) + "\n";
    report += std::string("leader=") + (::getsid(0) == ::getpid() ? "yes" : "no") + "\n";
    report += std::string("tty=") + (tty >= 0 ? "yes" : "no") + "\n";
    // Signals ignored or blocked: none may come from the program that started this one.
    FILE* status = std::fopen("/proc/self/status", "r");
    char line[256];
    while (status != nullptr && std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, "SigIgn:", 7) == 0 || std::strncmp(line, "SigBlk:", 7) == 0)
            report += line;
    }
    if (status != nullptr)
        std::fclose(status);
    WriteAll(1, report);
    return 0;
}

// Asks for lines and answers each until its input ends, as a program reading with a Scanner.
int Echo()
{
    std::string pending;
    WriteAll(1, "name? ");
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(0, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        pending.append(buffer, static_cast<size_t>(n));
        for (size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
            WriteAll(1, "got " + pending.substr(0, end) + "\nname? ");
            pending.erase(0, end + 1);
        }
    }
    WriteAll(1, "end of input\n");
    return 0;
}

// Lines of 80 characters (79 and a LF), every nth on standard error.
int Large(long long nBytes, long long nErrorEvery)
{
    std::string out;
    std::string err;
    auto flush = [](int fd, std::string& buffer) {
        WriteAll(fd, buffer);
        buffer.clear();
    };
    for (long long line = 0; line * 80 < nBytes; ++line) {
        const bool bToError = nErrorEvery > 0 && line % nErrorEvery == nErrorEvery - 1;
        std::string& target = bToError ? err : out;
        // Switching streams flushes the other one, so the order in the pipe is the line order.
        if (bToError && !out.empty())
            flush(1, out);
        if (!bToError && !err.empty())
            flush(2, err);
        char text[96];
        std::snprintf(text, sizeof text, "%c%09lld%069d\n", bToError ? 'E' : 'O', line, 0);
        target.append(text, 80);
        if (target.size() >= 65536)
            flush(bToError ? 2 : 1, target);
    }
    flush(1, out);
    flush(2, err);
    return 0;
}

int Orphan(const char* releaseFile)
{
    WriteAll(1, "child\n");
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0)
        return 93;
    if (pid > 0)
        return 0;
    // The grandchild keeps the pipe; it speaks once its parent has gone.
    WaitUntil([parent] { return ::getppid() != parent; });
    WriteAll(1, "orphaned\n");
    WaitUntil([releaseFile] { return ::access(releaseFile, F_OK) == 0; });
    WriteAll(1, "grandchild done\n");
    std::_Exit(0);
}

// A hung tool whose own child has left its process group and keeps the pipe: the child tells
// its number, then sleeps or floods the pipe without end.
int Detach(bool bFlood)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return 93;
    if (pid == 0) {
        ::setsid();
        ::alarm(120);
        WriteAll(1, "detached " + std::to_string(::getpid()) + "\n");
        const std::string line(79, 'f');
        while (bFlood)
            WriteAll(1, line + "\n");
        for (;;)
            ::pause();
    }
    ::alarm(120);
    for (;;)
        ::pause();
}

// Stands in for a terminal emulator: records how it was called in its working folder.
int RecordTerminal(int argc, char** argv)
{
    std::string record;
    for (int i = 0; i < argc; ++i)
        record += std::string(argv[i]) + "\n";
    const int fd = ::open("terminal-args.tmp", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return 94;
    WriteAll(fd, record);
    ::close(fd);
    return ::rename("terminal-args.tmp", "terminal-args.txt") == 0 ? 0 : 95;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string_view self = std::strrchr(argv[0], '/') ? std::strrchr(argv[0], '/') + 1 : argv[0];
    if (self == "x-terminal-emulator" || self == "gnome-terminal" || self == "konsole" ||
        self == "xfce4-terminal" || self == "xterm")
        return RecordTerminal(argc, argv);
    if (argc < 2)
        return 2;
    const std::string_view mode = argv[1];
    const char* arg = argc > 2 ? argv[2] : "";
    if (mode == "silent")
        return 0;
    if (mode == "write") {
        WriteAll(1, Unescape(arg));
        return 0;
    }
    if (mode == "stderr") {
        WriteAll(2, Unescape(arg));
        return 0;
    }
    if (mode == "exit")
        return std::atoi(arg);
    if (mode == "signal") {
        const int sig = std::atoi(arg);
        std::signal(sig, SIG_DFL);
        ::kill(::getpid(), sig);
        return 96;
    }
    if (mode == "hang") {
        ::alarm(120);
        WriteAll(1, "ready\n");
        for (;;)
            ::pause();
    }
    if (mode == "split") {
        // One write of no more than a pipe buffer's atomic size: the reader's first read
        // takes 2046 bytes and stops between the CR and the LF.
        std::string block(4096, 'b');
        block.replace(0, 2045, 2045, 'a');
        block[2045] = '\r';
        block[2046] = '\n';
        WriteAll(1, block);
        return 0;
    }
    if (mode == "paced") {
        // Writes its pieces in turn; piece n (from 1) waits until the file GATE.n exists.
        for (int i = 3; i < argc; ++i) {
            const std::string gate = std::string(arg) + "." + std::to_string(i - 3);
            if (i > 3)
                WaitUntil([&gate] { return ::access(gate.c_str(), F_OK) == 0; });
            WriteAll(1, Unescape(argv[i]));
        }
        return 0;
    }
    if (mode == "args") {
        for (int i = 2; i < argc; ++i)
            WriteAll(1, "[" + std::string(argv[i]) + "]\n");
        return 0;
    }
    if (mode == "inspect")
        return Inspect();
    if (mode == "large")
        return Large(std::atoll(arg), argc > 3 ? std::atoll(argv[3]) : 0);
    if (mode == "orphan")
        return Orphan(arg);
    if (mode == "detach")
        return Detach(false);
    if (mode == "echo")
        return Echo();
    if (mode == "flood-detached")
        return Detach(true);
    return 3;
}
