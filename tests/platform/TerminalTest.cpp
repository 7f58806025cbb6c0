#include "support/TempDir.h"

#include "platform/Terminal.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Executable(const CTempDir& dir, const std::string& name, mode_t mode = 0755)
{
    const std::string path = dir.Write(name, "");
    ::chmod(path.c_str(), mode);
    return path;
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
