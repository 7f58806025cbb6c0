#include "RunnerTestSupport.h"
#include "support/TempDir.h"

#include "run/CapturedRun.h"
#include "run/ProcessRunner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

#include <string>

namespace {

using namespace std::chrono_literals;

class CapturedRun : public ::testing::Test {
protected:
    // Runs the helper in the temporary folder and gives everything the run left in the text.
    std::string Run(const std::string& arguments)
    {
        if (!m_run.StartCaptured(kHelper, "helper " + arguments, m_dir.Path()))
            return "<not started>";
        if (!m_run.WaitUntilIdle(60s))
            return "<still running>";
        return m_run.CopyOutput();
    }

    bool OutputHas(const std::string& part) const
    {
        return m_run.CopyOutput().find(part) != std::string::npos;
    }

    CTempDir m_dir;
    CCapturedRun m_run;
};

}  // namespace

TEST_F(CapturedRun, SilentSuccessLeavesOnlyTheClosingLines)
{
    EXPECT_EQ(Run("silent"), "Exit code: 0\r\nNo Errors");
    EXPECT_FALSE(m_run.IsRunning());
}

TEST_F(CapturedRun, OutputBecomesCrLfTextFollowedByTheClosingLines)
{
    struct Row {
        const char* arguments;
        std::string text;
    };
    const Row rows[] = {
        {"write partial", "partialExit code: 0\r\nNo Errors"},
        {R"(write "a\nb\n")", "a\r\nb\r\nExit code: 0\r\nNo Errors"},
        {R"(write "a\r\nb\rc\n")", "a\r\nb\rc\r\nExit code: 0\r\nNo Errors"},
        {R"(stderr "to error\n")", "to error\r\nExit code: 0\r\nNo Errors"},
        // A NUL is a byte like any other: nothing after it is lost.
        {R"(write "name=[Bob\0\0\0] len=8\n")", std::string("name=[Bob\0\0\0] len=8\r\nExit code: 0\r\nNo Errors", 44)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Run(row.arguments), row.text) << row.arguments;
}

TEST_F(CapturedRun, CrLfSplitBetweenTwoReadsStaysOneCrLf)
{
    const std::string expected = std::string(2045, 'a') + "\r\n" + std::string(4096 - 2047, 'b') +
                                 "Exit code: 0\r\nNo Errors";
    EXPECT_EQ(Run("split"), expected);
}

TEST_F(CapturedRun, ExitCodesGiveTheirVerdicts)
{
    struct Row {
        const char* arguments;
        const char* text;
    };
    const Row rows[] = {
        {"exit 1", "Exit code: 1\r\nThere were errors"},
        {"exit 11", "Exit code: 11\r\nProcess terminated by user."},
        {"exit 255", "Exit code: 255\r\nThere were errors"},
        {"signal 15", "Exit code: 143\r\nThere were errors"},
        // Killed, but not by the runner: the signal's code, not an abort.
        {"signal 9", "Exit code: 137\r\nThere were errors"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Run(row.arguments), row.text) << row.arguments;
}

TEST_F(CapturedRun, ClosingLinesForCodesNoChildCanGiveHere)
{
    EXPECT_EQ(CCapturedRun::ClosingLines(-1), "Exit code: -1\r\nThere were errors");
    EXPECT_EQ(CCapturedRun::ClosingLines(259), "Exit code: 259\r\nError - process still active!");
    EXPECT_EQ(CCapturedRun::ClosingLines(std::nullopt), "Warning! There were process errors");
}

TEST_F(CapturedRun, AbortEndsTheRunWithCode11)
{
    ASSERT_TRUE(m_run.StartCaptured(kHelper, "helper hang", m_dir.Path()));
    ASSERT_TRUE(WaitFor([&] { return OutputHas("ready"); }));
    EXPECT_TRUE(m_run.IsRunning());
    EXPECT_TRUE(m_run.TerminateCaptured(11));
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    EXPECT_EQ(m_run.CopyOutput(), "ready\r\nExit code: 11\r\nProcess terminated by user.");
    // Nothing is left to end once the run is over.
    EXPECT_FALSE(m_run.TerminateCaptured(11));
}

TEST_F(CapturedRun, StartWhileActiveChangesNothing)
{
    ASSERT_TRUE(m_run.StartCaptured(kHelper, "helper hang", m_dir.Path()));
    ASSERT_TRUE(WaitFor([&] { return OutputHas("ready"); }));
    const std::string before = m_run.CopyOutput();
    EXPECT_FALSE(m_run.StartCaptured(kHelper, "helper silent", m_dir.Path()));
    EXPECT_EQ(m_run.CopyOutput(), before);
    EXPECT_TRUE(m_run.IsRunning());
    EXPECT_TRUE(m_run.TerminateCaptured(11));
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    EXPECT_EQ(m_run.CopyOutput(), "ready\r\nExit code: 11\r\nProcess terminated by user.");
}

// A stopped tool whose descendant has left its group and holds the pipe would keep the run
// going forever, and no later run could start.
TEST_F(CapturedRun, StopEndsTheRunEvenWhenADetachedDescendantHoldsThePipe)
{
    ASSERT_TRUE(m_run.StartCaptured(kHelper, "helper detach", m_dir.Path()));
    ASSERT_TRUE(WaitFor([&] { return OutputHas("\n"); }));
    const pid_t descendant = std::stoi(m_run.CopyOutput().substr(std::string("detached ").size()));
    EXPECT_TRUE(m_run.TerminateCaptured(11));
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    const std::string output = m_run.CopyOutput();
    EXPECT_EQ(output.substr(output.find("Exit code")), "Exit code: 11\r\nProcess terminated by user.");
    EXPECT_EQ(::kill(descendant, 0), 0) << "the descendant outside the group is not the run's to end";
    ::kill(descendant, SIGKILL);
    EXPECT_EQ(Run("exit 0"), "Exit code: 0\r\nNo Errors") << "the next run starts and is not stopped";
}

TEST_F(CapturedRun, GrandchildHoldingThePipeKeepsTheRunGoing)
{
    const std::string release = m_dir.File("release");
    ASSERT_TRUE(m_run.StartCaptured(kHelper, "helper orphan " + release, m_dir.Path()));
    // "orphaned" is written only after the child itself has exited.
    ASSERT_TRUE(WaitFor([&] { return OutputHas("orphaned"); }));
    EXPECT_TRUE(m_run.IsRunning());
    EXPECT_FALSE(OutputHas("Exit code"));
    m_dir.Write("release", "");
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    EXPECT_EQ(m_run.CopyOutput(), "child\r\norphaned\r\ngrandchild done\r\nExit code: 0\r\nNo Errors");
}

TEST_F(CapturedRun, StopAfterTheToolEndedEndsWhatItLeftInItsGroup)
{
    ASSERT_TRUE(m_run.StartCaptured(kHelper, "helper orphan " + m_dir.File("never"), m_dir.Path()));
    ASSERT_TRUE(WaitFor([&] { return OutputHas("orphaned"); }));
    EXPECT_TRUE(m_run.TerminateCaptured(11));
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    EXPECT_EQ(m_run.CopyOutput(), "child\r\norphaned\r\nExit code: 0\r\nNo Errors") << "the tool's own exit code stays";
}

TEST_F(CapturedRun, MissingExecutableFailsAndLeavesTheStandardHandles)
{
    struct stat before[3];
    for (int fd = 0; fd < 3; ++fd)
        ASSERT_EQ(::fstat(fd, &before[fd]), 0);
    const int nOpen = CountEntries("/proc/self/fd");

    EXPECT_FALSE(m_run.StartCaptured(m_dir.File("bin/javac"), "javac Main.java", m_dir.Path()));
    EXPECT_FALSE(m_run.IsRunning());
    EXPECT_EQ(m_run.CopyOutput(), "");

    for (int fd = 0; fd < 3; ++fd) {
        struct stat after {};
        ASSERT_EQ(::fstat(fd, &after), 0);
        EXPECT_EQ(after.st_dev, before[fd].st_dev) << fd;
        EXPECT_EQ(after.st_ino, before[fd].st_ino) << fd;
    }
    EXPECT_EQ(CountEntries("/proc/self/fd"), nOpen);
    // The state is usable afterwards.
    EXPECT_EQ(Run("silent"), "Exit code: 0\r\nNo Errors");
}

TEST_F(CapturedRun, ChildGetsOnlyItsStandardDescriptorsAndNoTerminal)
{
    const std::string text = Run("inspect");
    EXPECT_NE(text.find("cwd=" + m_dir.Path() + "\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("fds=0,1,2\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("stdin=/dev/null\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("leader=yes\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("tty=no\r\n"), std::string::npos) << text;
}

// Would catch a tool that inherits what the program ignores (it would never see a broken pipe)
// or blocks, and a run that takes input without a pipe of its own.
TEST_F(CapturedRun, ChildStartsWithDefaultSignalsAndARunTakingInputGetsAPipe)
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction old {};
    ASSERT_EQ(::sigaction(SIGPIPE, &ignore, &old), 0);
    ASSERT_TRUE(m_run.StartCaptured(kHelper, "helper inspect", m_dir.Path(), RunInput::Pipe));
    ::sigaction(SIGPIPE, &old, nullptr);
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    const std::string text = m_run.CopyOutput();
    EXPECT_NE(text.find("SigIgn:\t0000000000000000\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("SigBlk:\t0000000000000000\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("stdin=pipe:"), std::string::npos) << text;
    EXPECT_NE(text.find("fds=0,1,2\r\n"), std::string::npos) << text;
}

// Would catch input that does not reach the tool, an echo out of place or after the closing
// lines, an end of input the tool never sees, and input taken once the run is over.
TEST_F(CapturedRun, InputReachesTheToolInOrderAndItsEndIsSeen)
{
    ASSERT_TRUE(m_run.StartCaptured(kHelper, "helper echo", m_dir.Path(), RunInput::Pipe));
    ASSERT_TRUE(WaitFor([&] { return OutputHas("name? "); }));
    EXPECT_TRUE(m_run.AcceptsInput());
    EXPECT_TRUE(m_run.SendInput("Bob\n", true));
    ASSERT_TRUE(WaitFor([&] { return OutputHas("got Bob"); }));
    EXPECT_TRUE(m_run.SendInput("x\ny\n", false));
    EXPECT_TRUE(m_run.EndInput());
    EXPECT_FALSE(m_run.AcceptsInput());
    EXPECT_FALSE(m_run.SendInput("late\n", false)) << "nothing is taken after the end of input";
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    EXPECT_EQ(m_run.CopyOutput(), "name? Bob\r\ngot Bob\r\nname? got x\r\nname? got y\r\nname? end of input\r\n"
                                  "Exit code: 0\r\nNo Errors");
    EXPECT_FALSE(m_run.SendInput("after\n", true));
    EXPECT_FALSE(OutputHas("after"));
}

// Would catch a sender that waits for a tool which reads nothing (the window would freeze), and
// a broken pipe that ends the program itself once the stopped tool no longer reads.
TEST_F(CapturedRun, InputForAToolThatNeverReadsWaitsInTheQueueAndGoesWithTheRun)
{
    ASSERT_TRUE(m_run.StartCaptured(kHelper, "helper hang", m_dir.Path(), RunInput::Pipe));
    ASSERT_TRUE(WaitFor([&] { return OutputHas("ready"); }));
    const std::string block(256 * 1024, 'i');
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(m_run.SendInput(block, false));
    EXPECT_TRUE(m_run.TerminateCaptured(11));
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    EXPECT_EQ(m_run.CopyOutput(), "ready\r\nExit code: 11\r\nProcess terminated by user.");
    EXPECT_EQ(Run("silent"), "Exit code: 0\r\nNo Errors") << "the next run starts as usual";
}

// Would catch a stop whose grace period is only looked at while the pipe is quiet: a
// descendant outside the group that floods the pipe would keep the run going for ever.
TEST_F(CapturedRun, StopEndsTheRunWhileADetachedDescendantFloodsThePipe)
{
    ASSERT_TRUE(m_run.StartCaptured(kHelper, "helper flood-detached", m_dir.Path()));
    ASSERT_TRUE(WaitFor([&] { return m_run.OutputSize() > 100000; }));
    const std::string first = m_run.CopyOutputFrom(0, 64);
    const pid_t descendant = std::stoi(first.substr(std::string("detached ").size()));
    EXPECT_TRUE(m_run.TerminateCaptured(11));
    const bool bEnded = m_run.WaitUntilIdle(60s);
    ::kill(descendant, SIGKILL);
    ASSERT_TRUE(bEnded);
    const std::string output = m_run.CopyOutputFrom(m_run.OutputSize() - 60);
    EXPECT_EQ(output.substr(output.find("Exit code")), "Exit code: 11\r\nProcess terminated by user.");
}

// Would catch an end of the program that waits for what the tool left in its group, or leaves it.
TEST_F(CapturedRun, EndingTheActiveRunEndsItsGroupAtOnce)
{
    ASSERT_TRUE(m_run.StartCaptured(kHelper, "helper orphan " + m_dir.File("never"), m_dir.Path()));
    ASSERT_TRUE(WaitFor([&] { return OutputHas("orphaned"); }));
    m_run.EndActiveRun();
    EXPECT_FALSE(m_run.IsRunning());
    EXPECT_EQ(m_run.CopyOutput(), "child\r\norphaned\r\nExit code: 0\r\nNo Errors");
    m_run.EndActiveRun();
}

TEST_F(CapturedRun, CommandLineReachesTheToolAsArgumentsWithoutAShell)
{
    m_dir.Write("B.class", "");
    m_dir.Write("A.class", "");
    m_dir.Write("my file.txt", "");
    const std::string text =
        Run(R"(args "two words" *.class my*.txt "*.class" c\"d $(touch${IFS}pwned) ;rm *.none)");
    EXPECT_EQ(text,
              "[two words]\r\n[A.class]\r\n[B.class]\r\n[my file.txt]\r\n[*.class]\r\n[c\"d]\r\n"
              "[$(touch${IFS}pwned)]\r\n[;rm]\r\n[*.none]\r\nExit code: 0\r\nNo Errors");
    EXPECT_FALSE(::access(m_dir.File("pwned").c_str(), F_OK) == 0);
}

TEST_F(CapturedRun, LargeMergedOutputArrivesWholeAndEveryCopyIsAnEarlierState)
{
    const long long nBytes = 4 << 20;
    ASSERT_TRUE(m_run.StartCaptured(kHelper, "helper large " + std::to_string(nBytes) + " 7", m_dir.Path()));
    std::string last;
    bool bPrefixes = true;
    while (m_run.IsRunning()) {
        std::string copy = m_run.CopyOutput();
        bPrefixes = bPrefixes && copy.size() >= last.size() && copy.compare(0, last.size(), last) == 0;
        last = std::move(copy);
    }
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    const std::string text = m_run.CopyOutput();
    EXPECT_TRUE(bPrefixes);
    EXPECT_EQ(text.compare(0, last.size(), last), 0);

    std::string expected;
    for (long long line = 0; line * 80 < nBytes; ++line) {
        char row[83];
        std::snprintf(row, sizeof row, "%c%09lld%069d\r\n", line % 7 == 6 ? 'E' : 'O', line, 0);
        expected.append(row, 81);
    }
    expected += "Exit code: 0\r\nNo Errors";
    ASSERT_EQ(text.size(), expected.size());
    EXPECT_TRUE(text == expected);
    EXPECT_EQ(m_run.CopyOutputFrom(text.size() - 9), "No Errors");
}

TEST_F(CapturedRun, ThousandRunsLeaveNoDescriptorAndNoThread)
{
    // One run first, so that anything opened once per process is already there.
    ASSERT_TRUE(m_run.StartCaptured("/usr/bin/true", "true", ""));
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    const int nOpen = CountEntries("/proc/self/fd");
    const int nThreads = CountEntries("/proc/self/task");
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(m_run.StartCaptured("/usr/bin/true", "true", "")) << i;
        ASSERT_TRUE(m_run.WaitUntilIdle(60s)) << i;
    }
    EXPECT_EQ(m_run.CopyOutput(), "Exit code: 0\r\nNo Errors");
    EXPECT_EQ(CountEntries("/proc/self/fd"), nOpen);
    EXPECT_EQ(CountEntries("/proc/self/task"), nThreads);
}

TEST(CapturedRunLifetime, StateGoingAwayEndsAnActiveRun)
{
    CTempDir dir;
    {
        // Threads a sanitizer starts once per process are there before the count.
        CCapturedRun first;
        ASSERT_TRUE(first.StartCaptured("/usr/bin/true", "true", ""));
        ASSERT_TRUE(first.WaitUntilIdle(60s));
    }
    const int nThreads = CountEntries("/proc/self/task");
    {
        CCapturedRun run;
        ASSERT_TRUE(run.StartCaptured(kHelper, "helper hang", dir.Path()));
        ASSERT_TRUE(WaitFor([&] { return run.CopyOutput().find("ready") != std::string::npos; }));
    }
    EXPECT_EQ(CountEntries("/proc/self/task"), nThreads);
}

// Keeps what a fed run hands its feeder.
class CRecordingFeeder : public CRunFeeder {
public:
    void OnRunInput(std::string_view bytes) override { m_strInput += bytes; }
    void OnRunInputEnded() override { m_bInputEnded = true; }
    void OnRunTerminate(int nExitCode) override { m_terminated = nExitCode; }

    std::string m_strInput;
    bool m_bInputEnded = false;
    std::optional<int> m_terminated;
};

// Would catch a debugged program's run that loses the build's output above it or runs into its
// last line, input or a stop that do not reach the debugger, an echo after the closing lines,
// and a run that stays busy (Run and Compile disabled) once its feeder has finished it.
TEST_F(CapturedRun, AFedRunShowsWhatItsFeederGivesAndHandsItTheInputAndTheStop)
{
    Run("silent");
    CRecordingFeeder feeder;
    std::unique_ptr<ProcessRunner> runner = m_run.StartFedRun(feeder, "java app.Main", true);
    ASSERT_NE(runner, nullptr);
    EXPECT_EQ(m_run.StartFedRun(feeder, "java app.Main", true), nullptr) << "one run at a time";
    EXPECT_FALSE(m_run.StartCaptured(kHelper, "helper silent", m_dir.Path()));
    m_run.AppendFed("Name?\n");
    EXPECT_TRUE(runner->SendInput("Ada\n", true));
    EXPECT_TRUE(runner->EndInput());
    EXPECT_FALSE(runner->AcceptsInput());
    EXPECT_TRUE(runner->Terminate(CCapturedRun::kTerminatedByUser));
    EXPECT_EQ(feeder.m_strInput, "Ada\n");
    EXPECT_TRUE(feeder.m_bInputEnded);
    EXPECT_EQ(feeder.m_terminated, CCapturedRun::kTerminatedByUser);
    EXPECT_TRUE(runner->IsRunning()) << "the feeder ends it, once the program has gone";

    m_run.FinishFed(CCapturedRun::kTerminatedByUser);
    EXPECT_FALSE(runner->IsRunning());
    EXPECT_FALSE(runner->SendInput("late\n", true));
    EXPECT_EQ(m_run.CopyOutput(),
              "Exit code: 0\r\nNo Errors\r\nName?\r\nAda\r\nExit code: 11\r\nProcess terminated by user.");
    EXPECT_EQ(Run("silent"), "Exit code: 0\r\nNo Errors");
}
