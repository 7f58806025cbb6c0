#include "RunnerTestSupport.h"
#include "TestRunHost.h"
#include "support/RecordingProjectWindows.h"
#include "support/TempDir.h"

#include "framework/CommandIds.h"
#include "project/JavaProjectDoc.h"
#include "run/CapturedRun.h"
#include "run/ProcessRunner.h"
#include "run/ProjectRunCommands.h"
#include "run/RunWatcher.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Puts a folder of stand-in programs in place of PATH for one test.
class CPathOverride {
public:
    explicit CPathOverride(const std::string& path)
    {
        if (const char* old = std::getenv("PATH"))
            m_old = old;
        ::setenv("PATH", path.c_str(), 1);
    }
    ~CPathOverride() { ::setenv("PATH", m_old.c_str(), 1); }
    CPathOverride(const CPathOverride&) = delete;
    CPathOverride& operator=(const CPathOverride&) = delete;

private:
    std::string m_old;
};

// Bars that are only flags, and a Process Window that keeps the runners it is handed.
class CRecordingRunWindows : public CRecordingProjectWindows, public CRunWatcher {
public:
    void WatchRun(std::unique_ptr<ProcessRunner> runner) override
    {
        MakeProcessBar();
        m_runners.push_back(std::move(runner));
    }
    std::vector<std::unique_ptr<ProcessRunner>> m_runners;
};

class ProjectRun : public ::testing::Test {
protected:
    ProjectRun()
    {
        m_host.m_makeCommands = [this](CJavaProjectDoc& project) {
            return std::make_unique<CProjectRunCommands>(project, m_run, m_runHost);
        };
        m_doc = std::make_unique<CJavaProjectDoc>(m_host);
        m_pCommands = static_cast<CProjectRunCommands*>(m_doc->GetRunCommands());
    }
    ~ProjectRun() override
    {
        m_run.TerminateCaptured(11);
        m_run.WaitUntilIdle(60s);
    }

    // A stand-in terminal: a copy of the helper under a terminal's name, in a folder of its
    // own (a copy, since the folder's clean-up resets modes through links).
    std::string InstallTerminal(const std::string& name)
    {
        const std::string path = m_dir.Write("bin/" + name, CTempDir::Read(kHelper));
        EXPECT_EQ(::chmod(path.c_str(), 0755), 0);
        return m_dir.File("bin");
    }

    std::string ReadTerminalRecord(const std::string& folder)
    {
        const std::string record = folder + "/terminal-args.txt";
        if (!WaitFor([&] { return ::access(record.c_str(), F_OK) == 0; }))
            return "<terminal never started>";
        return CTempDir::Read(record);
    }

    CTempDir m_dir;
    CCapturedRun m_run;
    CWindowedHost<CRecordingRunWindows> m_host;
    CTestRunHost m_runHost {m_host.m_ui};
    std::unique_ptr<CJavaProjectDoc> m_doc;
    CProjectRunCommands* m_pCommands = nullptr;
};

}  // namespace

TEST_F(ProjectRun, CapturedRunHandsItsRunnerToTheProcessWindow)
{
    ASSERT_NE(m_host.m_pWindows, nullptr);
    ASSERT_NE(m_pCommands, nullptr);
    EXPECT_TRUE(m_pCommands->RunCaptured(kHelper, "helper write hello", m_dir.Path()));
    ASSERT_EQ(m_host.m_pWindows->m_runners.size(), 1u);
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    const ProcessRunner& runner = *m_host.m_pWindows->m_runners.front();
    EXPECT_FALSE(runner.IsRunning());
    EXPECT_EQ(runner.CopyOutput(), "helloExit code: 0\r\nNo Errors");
    EXPECT_TRUE(m_host.m_ui.Messages().empty());

    // A runner of an earlier run no longer stops anything once the next run has started.
    ASSERT_TRUE(m_pCommands->RunCaptured(kHelper, "helper hang", m_dir.Path()));
    EXPECT_FALSE(m_host.m_pWindows->m_runners.front()->Terminate(11));
    EXPECT_TRUE(m_host.m_pWindows->m_runners.back()->IsRunning());
    EXPECT_TRUE(m_host.m_pWindows->m_runners.back()->Terminate(11));
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    EXPECT_EQ(m_host.m_pWindows->m_runners.back()->CopyOutput(), "Exit code: 11\r\nProcess terminated by user.");
}

TEST_F(ProjectRun, CapturedStartFailureIsReportedAndNothingIsWatched)
{
    m_host.m_ui.ExpectMessage("Failed to start process");
    EXPECT_FALSE(m_pCommands->RunCaptured(m_dir.File("bin/javac"), "javac Main.java", m_dir.Path()));
    EXPECT_TRUE(m_host.m_pWindows->m_runners.empty());
    EXPECT_FALSE(m_host.m_pWindows->HasProcessBar());
}

TEST_F(ProjectRun, ConsoleRunPassesTheToolAndEachArgumentSeparately)
{
    CPathOverride path(InstallTerminal("x-terminal-emulator"));
    const std::string folder = m_dir.File("work");
    m_dir.Write("work/Main.class", "");
    EXPECT_TRUE(m_pCommands->RunInConsole(kHelper, R"(java -cp . "app.Main" "two words" *.class)", folder));
    EXPECT_EQ(ReadTerminalRecord(folder),
              "x-terminal-emulator\n-e\n" + kHelper + "\n-cp\n.\napp.Main\ntwo words\nMain.class\n");
    EXPECT_TRUE(m_host.m_ui.Messages().empty());
}

TEST_F(ProjectRun, ConsoleRunWithoutATerminalFails)
{
    m_dir.Write("empty/.keep", "");
    CPathOverride path(m_dir.File("empty"));
    m_host.m_ui.ExpectMessage("Failed to laumch external process.");
    EXPECT_FALSE(m_pCommands->RunInConsole(kHelper, "java Main", m_dir.Path()));
}

TEST_F(ProjectRun, ConsoleRunOfAMissingToolFails)
{
    CPathOverride path(InstallTerminal("xterm"));
    m_host.m_ui.ExpectMessage("Failed to laumch external process.");
    EXPECT_FALSE(m_pCommands->RunInConsole(m_dir.File("jdk/bin/java"), "java Main", m_dir.Path()));
    EXPECT_NE(::access((m_dir.Path() + "/terminal-args.txt").c_str(), F_OK), 0);
}

TEST_F(ProjectRun, ShowArchiveContentsListsTheChosenJarWhereItLies)
{
    // A stand-in jar tool that tells where it ran and what it was given.
    const std::string tool = m_dir.Write("jdk/bin/jar", "#!/bin/sh\necho \"$PWD: $*\"\n");
    ASSERT_EQ(::chmod(tool.c_str(), 0755), 0);
    m_runHost.m_strJavaBin = m_dir.File("jdk");
    const std::string lib = m_dir.File("lib");
    m_dir.Write("lib/classes.jar", "");
    char oldFolder[4096];
    ASSERT_NE(::getcwd(oldFolder, sizeof oldFolder), nullptr);

    m_host.m_ui.ExpectOpenFiles({lib + "/classes.jar"});
    EXPECT_TRUE(m_doc->RunCommand(Cmd::ID_BUILD_SHOWARCHIVE)) << "the project answers for its run commands";
    const CFileDialogSpec& request = m_host.m_ui.FileDialogs().back();
    EXPECT_EQ(request.defaultExtension, "jar");
    EXPECT_EQ(request.filter, "Java Archives (*.jar)|*.jar||");
    EXPECT_EQ(request.initialName, "");
    EXPECT_TRUE(request.hideReadOnly);
    char folder[4096];
    EXPECT_EQ(std::string(::getcwd(folder, sizeof folder)), lib) << "the program moves to the jar's folder";
    ASSERT_EQ(::chdir(oldFolder), 0);

    ASSERT_EQ(m_host.m_pWindows->m_runners.size(), 1u);
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    EXPECT_EQ(m_run.CopyOutput(), lib + ": tvf classes.jar\r\nExit code: 0\r\nNo Errors");

    // Cancel starts nothing.
    m_host.m_ui.ExpectOpenFiles({});
    m_doc->RunCommand(Cmd::ID_BUILD_SHOWARCHIVE);
    EXPECT_EQ(m_host.m_pWindows->m_runners.size(), 1u);
}
