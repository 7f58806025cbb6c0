// ondrik-console, which Run with Console and Debug run in their terminal window.
#include "platform/ChildProcess.h"
#include "platform/UniqueFd.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <string>

namespace {

// The launcher with its input and output on pipes of the test's, as a terminal would hold them.
class CLauncher {
public:
    explicit CLauncher(std::vector<std::string> tool)
    {
        CUniqueFd inputRead;
        CChildProcess::MakePipe(inputRead, m_input);
        CUniqueFd outputWrite;
        CChildProcess::MakePipe(m_output, outputWrite);
        CSpawnRequest request;
        request.strApplication = ONDRIK_CONSOLE;
        request.argv = {"ondrik-console"};
        request.argv.insert(request.argv.end(), tool.begin(), tool.end());
        request.nInputFd = inputRead.Get();
        request.nOutputFd = outputWrite.Get();
        m_nStarted = m_process.Start(request);
    }

    // Reads until the output ends with end, for up to a minute.
    bool ReadUntil(const std::string& end)
    {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (m_strOutput.size() < end.size() || m_strOutput.compare(m_strOutput.size() - end.size(), end.size(), end) != 0) {
            pollfd entry {m_output.Get(), POLLIN, 0};
            if (std::chrono::steady_clock::now() > limit || ::poll(&entry, 1, 100) < 0)
                return false;
            char buffer[256];
            const ssize_t n = (entry.revents & (POLLIN | POLLHUP)) != 0 ? ::read(m_output.Get(), buffer, sizeof buffer) : -1;
            if (n == 0)
                return false;
            if (n > 0)
                m_strOutput.append(buffer, static_cast<std::size_t>(n));
        }
        return true;
    }

    int m_nStarted = -1;
    CChildProcess m_process;
    CUniqueFd m_input;
    CUniqueFd m_output;
    std::string m_strOutput;
};

const std::string kPrompt = ". Press Enter to close this window.";

}  // namespace

// Would catch a window that closes as soon as the tool ends (its last lines gone before they
// are read), the wrong exit code, arguments that pass through a shell, and a Ctrl+C that ends
// the launcher along with the tool.
TEST(ConsoleLauncher, TellsTheExitCodeAndWaitsForEnter)
{
    CLauncher launcher({"/bin/sh", "-c", "echo \"$1\"; exit 3", "sh", "two words; $(no)"});
    ASSERT_EQ(launcher.m_nStarted, 0);
    ASSERT_TRUE(launcher.ReadUntil(kPrompt)) << launcher.m_strOutput;
    EXPECT_EQ(launcher.m_strOutput, "two words; $(no)\n\nExit code: 3" + kPrompt);
    EXPECT_TRUE(launcher.m_process.IsRunning()) << "the window stays until Enter";
    ASSERT_EQ(::write(launcher.m_input.Get(), "\n", 1), 1);
    EXPECT_EQ(launcher.m_process.WaitForExit(), 3);

    // Ctrl+C in the window reaches the whole foreground group: the tool ends, the launcher stays.
    CLauncher interrupted({"/bin/sh", "-c", "echo ready; exec sleep 600"});
    ASSERT_TRUE(interrupted.ReadUntil("ready\n"));
    ::kill(-interrupted.m_process.Pid(), SIGINT);
    ASSERT_TRUE(interrupted.ReadUntil(kPrompt)) << interrupted.m_strOutput;
    EXPECT_EQ(interrupted.m_strOutput, "ready\n\nExit code: 130" + kPrompt);
    interrupted.m_input.Reset();
    EXPECT_EQ(interrupted.m_process.WaitForExit(), 130) << "the end of its input closes it too";

    CLauncher missing({"/no/such/tool"});
    ASSERT_TRUE(missing.ReadUntil(kPrompt));
    EXPECT_NE(missing.m_strOutput.find("Exit code: 127"), std::string::npos) << missing.m_strOutput;
}
