#include "support/TempDir.h"

#include "platform/ChildProcess.h"
#include "platform/Terminal.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

std::string Executable(const CTempDir& dir, const std::string& name, mode_t mode = 0755)
{
    const std::string path = dir.Write(name, "");
    ::chmod(path.c_str(), mode);
    return path;
}

// Waits for a condition, up to a limit generous enough for a loaded machine.
template <class Predicate>
bool WaitFor(Predicate done)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace

TEST(Terminal, PrefersTheSystemsChoiceThenTheListOrder)
{
    CTempDir dir;
    Executable(dir, "a/xterm");
    Executable(dir, "a/konsole");
    Executable(dir, "b/x-terminal-emulator");
    Executable(dir, "c/gnome-terminal", 0644);  // not executable: passed over
    const std::string a = dir.File("a");
    const std::string b = dir.File("b");
    EXPECT_EQ(Terminal::Find(a + ":" + b), dir.File("b/x-terminal-emulator"));
    EXPECT_EQ(Terminal::Find(a), dir.File("a/konsole"));
    EXPECT_EQ(Terminal::Find(dir.File("c")), std::nullopt);
    EXPECT_EQ(Terminal::Find(""), std::nullopt);
}

TEST(Terminal, SearchesThePathInOrderAndNeverTheCurrentFolder)
{
    CTempDir dir;
    Executable(dir, "first/xterm");
    Executable(dir, "second/xterm");
    EXPECT_EQ(Terminal::Find(":" + dir.File("first") + "::" + dir.File("second")), dir.File("first/xterm"));
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(dir.File("second").c_str()), 0);
    EXPECT_EQ(Terminal::Find(":"), std::nullopt);
    ASSERT_EQ(::chdir(previous), 0);
}

TEST(Terminal, EachTerminalGetsTheToolAsSeparateArguments)
{
    struct Row {
        const char* terminal;
        const char* option;
    };
    const Row rows[] = {
        {"/usr/bin/x-terminal-emulator", "-e"},
        {"/usr/bin/gnome-terminal", "--"},
        {"/usr/bin/konsole", "-e"},
        {"/usr/bin/xfce4-terminal", "-x"},
        {"/usr/bin/xterm", "-e"},
    };
    for (const Row& row : rows) {
        const std::vector<std::string> argv = Terminal::Argv(row.terminal, "/jdk/bin/jdb", {"-classpath", "a b", "Main"});
        const std::string name = std::string(row.terminal).substr(9);
        EXPECT_EQ(argv, (std::vector<std::string> {name, row.option, "/jdk/bin/jdb", "-classpath", "a b", "Main"}))
            << row.terminal;
    }
}

// A terminal nobody waits for must not stay a zombie until the next one starts; and reaping it
// must not take another child's status, which its owner still waits for.
TEST(Terminal, EndedTerminalIsReapedAtOnceAndOtherChildrenKeepTheirStatus)
{
    CTempDir dir;
    const std::string terminal = dir.Write("bin/xterm", "#!/bin/sh\nexit 0\n");
    ASSERT_EQ(::chmod(terminal.c_str(), 0755), 0);

    CChildProcess other;
    CSpawnRequest request;
    request.strApplication = "/bin/sh";
    request.argv = {"sh", "-c", "exit 7"};
    ASSERT_EQ(other.Start(request), 0);
    ASSERT_TRUE(WaitFor([&] { return !other.IsRunning(); }));

    const std::string oldPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    ::setenv("PATH", dir.File("bin").c_str(), 1);
    pid_t pid = -1;
    const int nError = Terminal::Start("/bin/true", {}, dir.Path(), &pid);
    ::setenv("PATH", oldPath.c_str(), 1);
    ASSERT_EQ(nError, 0);
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(WaitFor([&] { return ::kill(pid, 0) != 0 && errno == ESRCH; })) << "the ended terminal is still there";
    EXPECT_EQ(other.WaitForExit(), 7);
}
