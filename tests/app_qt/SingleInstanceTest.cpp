// The program itself, started as a user or the desktop starts it: the running instance and the
// later starts that hand it their files.
#include "app/InstanceSocket.h"
#include "platform/ChildProcess.h"
#include "platform/SettingsStore.h"
#include "platform/UniqueFd.h"

#include "support/AppTestEnv.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <list>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>

namespace {

// The suite runs under AddressSanitizer too, where starting the program takes seconds.
bool WaitFor(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

sockaddr_un AddressOf(const std::string& path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    return address;
}

class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest() : m_strRuntime(m_home.Dir().File("run")), m_strWork(m_home.Dir().File("work"))
    {
        std::filesystem::create_directories(m_strRuntime);
        std::filesystem::create_directories(m_strWork);
        if (const char* old = std::getenv("XDG_RUNTIME_DIR"))
            m_oldRuntime = old;
        ::setenv("XDG_RUNTIME_DIR", m_strRuntime.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        WriteSettings("config");
        m_strSocket = InstanceSocket::PlaceFromProcess().strPath;
    }

    ~SingleInstanceTest() override
    {
        for (CChildProcess& child : m_children) {
            if (child.IsRunning())
                ::kill(child.Pid(), SIGTERM);
            child.WaitForExit();
        }
        if (m_oldRuntime)
            ::setenv("XDG_RUNTIME_DIR", m_oldRuntime->c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }

    // No tip at start-up: its dialog would wait for a person.
    std::string WriteSettings(const std::string& configFolder) const
    {
        m_home.Dir().Write(configFolder + "/Kestrune/Ondrik.reg",
                           "Windows Registry Editor Version 5.00\n\n"
                           "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\Tip]\n\"StartUp\"=dword:00000001\n");
        return m_home.Dir().File(configFolder);
    }

    // The program with the environment of this test, in the work folder.
    CChildProcess& Run(const std::vector<std::string>& args)
    {
        CSpawnRequest request;
        request.strApplication = ONDRIK_PROGRAM;
        request.argv = {"ondrik"};
        request.argv.insert(request.argv.end(), args.begin(), args.end());
        request.strFolder = m_strWork;
        CChildProcess& child = m_children.emplace_back();
        EXPECT_EQ(child.Start(request), 0);
        return child;
    }

    // The exit code, or nothing when it is still running at the deadline.
    static std::optional<int> ExitCode(CChildProcess& child)
    {
        if (!WaitFor([&] { return !child.IsRunning(); }))
            return std::nullopt;
        return child.WaitForExit();
    }

    // Someone accepts connections on the socket, which a left-over socket file does not.
    bool Listening() const
    {
        const CUniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        const sockaddr_un address = AddressOf(m_strSocket);
        return ::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }

    // The File menu's recent-file entry as the instance using configHome has just written it.
    std::string RecentFile(int n, const std::string& configHome = {}) const
    {
        const std::string home = configHome.empty() ? m_home.Path() : configHome;
        return CSettingsStore(home + "/Kestrune/Ondrik.reg", "Kestrune", "Ondrik")
            .GetString("Recent File List", "File" + std::to_string(n), "");
    }

    std::string WorkFile(const std::string& name, const std::string& text) const
    {
        return m_home.Dir().Write("work/" + name, text);
    }

    CTestConfigHome m_home;
    std::string m_strRuntime;
    std::string m_strWork;
    std::string m_strSocket;
    std::optional<std::string> m_oldRuntime;
    std::list<CChildProcess> m_children;
};

}  // namespace

// Qt's own options must reach Qt before the program reads its own, or -style is refused and the
// program ends at once. The later starts are given names relative to their own folder, which
// the running instance does not share, and must end with 0 once their files are taken.
TEST_F(SingleInstanceTest, QtOptionsAreTakenAndLaterStartsHandTheirFilesToTheRunningOne)
{
    const std::string foo = WorkFile("Foo.java", "class Foo {}\n");
    const std::string page = WorkFile("a page.html", "<p>\n");
    CChildProcess& first = Run({"-style", "fusion"});
    ASSERT_TRUE(WaitFor([&] { return Listening(); })) << "the first start listens";

    EXPECT_EQ(ExitCode(Run({"Foo.java", "a page.html"})), 0);
    EXPECT_TRUE(WaitFor([&] { return RecentFile(1) == page; })) << RecentFile(1);
    EXPECT_EQ(RecentFile(2), foo) << "opened in the order given";

    EXPECT_EQ(ExitCode(Run({})), 0) << "a start naming no file brings the running one forward";
    EXPECT_TRUE(first.IsRunning());
    EXPECT_TRUE(Listening());
}

// A socket file left by an instance that was killed answers nobody; it must not keep the next
// start from listening, nor send later starts' files nowhere.
TEST_F(SingleInstanceTest, ASocketLeftByAnEndedInstanceIsTakenOver)
{
    {
        const CUniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        const sockaddr_un address = AddressOf(m_strSocket);
        ASSERT_EQ(::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    }
    ASSERT_TRUE(std::filesystem::is_socket(m_strSocket));
    ASSERT_FALSE(Listening());

    const std::string foo = WorkFile("Foo.java", "class Foo {}\n");
    Run({});
    ASSERT_TRUE(WaitFor([&] { return Listening(); }));
    EXPECT_EQ(ExitCode(Run({"Foo.java"})), 0);
    EXPECT_TRUE(WaitFor([&] { return RecentFile(1) == foo; })) << RecentFile(1);
}

// --new-instance opens its file itself and stays, and the socket still leads to the first one.
TEST_F(SingleInstanceTest, ANewInstanceNeitherHandsOverNorListens)
{
    const std::string foo = WorkFile("Foo.java", "class Foo {}\n");
    const std::string bar = WorkFile("Bar.java", "class Bar {}\n");
    CChildProcess& first = Run({});
    ASSERT_TRUE(WaitFor([&] { return Listening(); }));

    const std::string otherHome = WriteSettings("other-config");
    ::setenv("XDG_CONFIG_HOME", otherHome.c_str(), 1);
    CChildProcess& separate = Run({"--new-instance", "Foo.java"});
    ::setenv("XDG_CONFIG_HOME", m_home.Path().c_str(), 1);
    ASSERT_TRUE(WaitFor([&] { return RecentFile(1, otherHome) == foo; })) << "it opened the file itself";
    EXPECT_TRUE(separate.IsRunning());

    EXPECT_EQ(ExitCode(Run({"Bar.java"})), 0);
    EXPECT_TRUE(WaitFor([&] { return RecentFile(1) == bar; })) << RecentFile(1);
    EXPECT_EQ(RecentFile(2), "") << "Foo.java never reached the first instance";
    EXPECT_TRUE(first.IsRunning());
}
