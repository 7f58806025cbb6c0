// SIGTERM, SIGHUP and SIGINT sent to the program, a process of its own, while a program it runs
// is running and two documents have changes: it closes without a question, keeps the changes for
// the next start, and leaves nothing of the run behind.
#include "IdeDriverProcess.h"
#include "QuarnelAppFixture.h"

#include "framework/RecoveryStore.h"
#include "platform/Paths.h"

#include "support/TempDir.h"

#include <sys/stat.h>

#include <algorithm>
#include <fstream>

namespace {

using namespace std::chrono_literals;

// Gone, or ended and waiting only for the system to reap it.
bool Gone(pid_t pid)
{
    if (::kill(pid, 0) != 0)
        return errno == ESRCH;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto close = line.rfind(") ");
    return close != std::string::npos && line[close + 2] == 'Z';
}

pid_t PidIn(const std::string& file)
{
    pid_t pid = 0;
    QTest::qWaitFor([&] { return (std::ifstream(file) >> pid) && pid > 0; }, 30000);
    return pid;
}

class SignalCloseTest : public QuarnelAppTest, public ::testing::WithParamInterface<int> {};

}  // namespace

// Would fail if the signal ended the program at once (recovery not written, the run left
// running), if it asked anything, or if the tool or what it started outlived the program.
TEST_P(SignalCloseTest, ClosesWithoutQuestionsKeepsTheChangesAndEndsTheRun)
{
    const int nSignal = GetParam();
    // The JDK's java here is a tool that starts a program of its own and waits.
    const std::string pids = m_home.Dir().File("");
    const std::string java = m_home.Dir().Write("jdk/bin/java", "#!/bin/sh\n"
                                                                "echo $$ > '" + pids + "child.pid'\n"
                                                                "sleep 600 &\n"
                                                                "echo $! > '" + pids + "grandchild.pid'\n"
                                                                "wait\n");
    ::chmod(java.c_str(), 0755);
    WriteSettings("[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\Tip]\n\"StartUp\"=dword:00000001\n"
                  "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\PATHS]\n\"JAVABIN\"=\"" +
                  m_home.Dir().File("jdk") + "\"\n");
    const std::string project = MakeProject("Demo");
    const std::string source = Paths::FolderOf(project) + "/Demo.java";
    // Run looks for the main class before it starts the tool.
    std::ofstream(Paths::FolderOf(project) + "/Demo.class").put('\0');

    CIdeDriverProcess ide;
    ASSERT_TRUE(ide.Start({"open=" + project, "open=" + source, "type=// changed\\n", "new=JavaDocument",
                           "type=class Untitled {}", "run"}));
    ASSERT_TRUE(ide.WaitReady()) << ide.Output();
    const pid_t child = PidIn(pids + "child.pid");
    const pid_t grandchild = PidIn(pids + "grandchild.pid");
    ASSERT_GT(child, 0);
    ASSERT_GT(grandchild, 0);

    ASSERT_EQ(::kill(ide.Pid(), nSignal), 0);
    EXPECT_EQ(ide.WaitForExit(60s), 128 + nSignal) << ide.Output();
    EXPECT_EQ(ide.Output().find("box:"), std::string::npos) << ide.Output();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Gone(child) && Gone(grandchild); }, 10000));

    std::vector<std::string> kept;
    CRecoveryStore store(m_home.RecoveryFolder());
    for (const auto& leftOver : store.FindLeftOvers().documents)
        kept.push_back(leftOver.record.strText);
    std::vector<std::string> held;
    for (const auto& doc : ide.Documents())
        held.push_back(doc.strText);
    std::sort(kept.begin(), kept.end());
    std::sort(held.begin(), held.end());
    EXPECT_EQ(kept, held);
    EXPECT_EQ(kept.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalCloseTest, ::testing::Values(SIGTERM, SIGHUP, SIGINT),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == SIGTERM ? "SIGTERM"
                                                : info.param == SIGHUP ? "SIGHUP"
                                                                       : "SIGINT");
                         });
