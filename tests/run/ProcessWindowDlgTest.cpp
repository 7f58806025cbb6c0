#include "RunnerTestSupport.h"
#include "TestProcessWindowHost.h"
#include "support/TempDir.h"

#include "run/CapturedRun.h"
#include "run/ProcessRunner.h"
#include "run/ProcessWindowDlg.h"
#include "project/MessageJump.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Dlg = CProcessWindowDlg;

class ProcessWindowDlgTest : public ::testing::Test {
protected:
    ~ProcessWindowDlgTest() override
    {
        m_run.TerminateCaptured(11);
        m_run.WaitUntilIdle(60s);
    }

    std::unique_ptr<ProcessRunner> Start(const std::string& arguments, RunInput input = RunInput::None)
    {
        std::unique_ptr<ProcessRunner> runner = m_run.StartRun(kHelper, "helper " + arguments, m_dir.Path(), input);
        EXPECT_NE(runner, nullptr) << arguments;
        return runner;
    }

    // A run whose pieces come one at a time, each when the test releases it.
    std::unique_ptr<ProcessRunner> StartPaced(const std::string& pieces)
    {
        return Start("paced " + m_dir.File("gate") + " " + pieces);
    }
    void Release(int nPiece) { m_dir.Write("gate." + std::to_string(nPiece), ""); }
    bool WaitForOutput(const std::string& part)
    {
        return WaitFor([&] { return m_run.CopyOutput().find(part) != std::string::npos; });
    }

    std::unique_ptr<Dlg> Open(std::unique_ptr<ProcessRunner> runner, CProcessWindowOwner* owner)
    {
        auto dlg = std::make_unique<Dlg>(m_host, owner, std::move(runner));
        dlg->OnInitDialog();
        return dlg;
    }

    // Ticks until the window has shown the whole run.
    static void TickToTheEnd(Dlg& dlg)
    {
        for (int i = 0; i < 3000 && (dlg.IsTimerRunning() || dlg.HasMoreToShow()); ++i) {
            if (dlg.HasMoreToShow()) {
                dlg.ShowMore();
                continue;
            }
            std::this_thread::sleep_for(2ms);
            dlg.OnTimer();
        }
    }

    static std::string Shown(const Dlg& dlg) { return dlg.GetOutput().Text(); }

    CTempDir m_dir;
    CCapturedRun m_run;
    CTestProcessWindowHost m_host;
    CTestProcessWindowOwner m_owner;
};

}  // namespace

// Would catch a tick that copies the whole text again (duplicates), shows half a character,
// misses the closing lines of a run that ended between two ticks, or leaves the timer, "stop"
// or the runner behind at the end.
TEST_F(ProcessWindowDlgTest, TicksAddEachPieceOnceAndTheTickAfterTheEndClosesTheRun)
{
    auto dlg = Open(StartPaced(R"("one\n" "two\n\xC3" "\xA9three")"), &m_owner);
    ASSERT_TRUE(WaitForOutput("one"));
    EXPECT_TRUE(dlg->IsTimerRunning());
    EXPECT_TRUE(dlg->IsStopEnabled());
    EXPECT_TRUE(dlg->GetToggle());
    EXPECT_EQ(dlg->GetStatusText(), "Building Main.java");

    struct Step {
        int nRelease;          // the piece released before the tick, 0 for none
        const char* waitFor;   // what the run has written by then
        std::string shown;
        const char* pane;
        int nProgress;
    };
    const Step steps[] = {
        {0, "one", "one\r\n", Dlg::kInProgressA, 1},
        {1, "\xC3", "one\r\ntwo\r\n", Dlg::kInProgressB, 2},
        {0, "\xC3", "one\r\ntwo\r\n", Dlg::kInProgressA, 3},
    };
    for (const Step& step : steps) {
        if (step.nRelease > 0)
            Release(step.nRelease);
        ASSERT_TRUE(WaitForOutput(step.waitFor));
        dlg->OnTimer();
        EXPECT_EQ(Shown(*dlg), step.shown) << "the character split between two copies waits for its end";
        EXPECT_EQ(m_host.m_paneTexts.back(), step.pane);
        EXPECT_EQ(dlg->GetProgress(), step.nProgress);
        EXPECT_TRUE(dlg->IsStopEnabled());
        EXPECT_TRUE(dlg->HoldsRunner());
    }

    // The run ends between two ticks: the next one shows the rest and the closing lines.
    Release(2);
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    dlg->OnTimer();
    EXPECT_EQ(Shown(*dlg), "one\r\ntwo\r\n\xC3\xA9threeExit code: 0\r\nNo Errors");
    EXPECT_EQ(m_host.m_paneTexts, (std::vector<std::string> {Dlg::kInProgressA, Dlg::kInProgressB, Dlg::kInProgressA,
                                                              Dlg::kInProgressB, Dlg::kComplete}));
    EXPECT_EQ(dlg->GetProgress(), Dlg::kProgressMax);
    EXPECT_FALSE(dlg->IsStopEnabled());
    EXPECT_FALSE(dlg->IsTimerRunning());
    EXPECT_FALSE(dlg->HoldsRunner());
    EXPECT_EQ(dlg->GetReplaceCount(), 1u) << "text already shown is never rewritten";
}

// Would catch a window that puts a long output into its box in one go, or that loses or repeats
// bytes where one piece ends and the next begins.
TEST_F(ProcessWindowDlgTest, LongOutputGoesIntoTheBoxInBoundedPiecesInOrder)
{
    auto dlg = Open(Start("large 10000000 7"), &m_owner);
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    std::size_t nBefore = dlg->GetShownLength();
    int nPieces = 0;
    while (dlg->IsTimerRunning() || dlg->HasMoreToShow()) {
        dlg->HasMoreToShow() ? dlg->ShowMore() : dlg->OnTimer();
        EXPECT_LE(dlg->GetShownLength() - nBefore, Dlg::kPieceBytes);
        nBefore = dlg->GetShownLength();
        ASSERT_LT(++nPieces, 100);
    }
    EXPECT_GE(nPieces, 3);
    EXPECT_EQ(Shown(*dlg), m_run.CopyOutput());
    EXPECT_EQ(m_host.m_paneTexts.back(), Dlg::kComplete);
}

// Would catch "stop" or closing that ends the run without asking or on Cancel, a question once
// the run is over (the scripted Ui fails on one nobody expected), a close that lets the window
// go while its run lasts or hands the project less than the whole output, and a window without
// a project that does not close at all.
TEST_F(ProcessWindowDlgTest, StopAndClosingAskOnlyWhileTheRunIsActive)
{
    auto dlg = Open(Start("hang"), &m_owner);
    ASSERT_TRUE(WaitForOutput("ready"));
    m_host.m_ui.ExpectMessage(Dlg::kAbortQuestion, MsgAnswer::Cancel, MsgButtons::OkCancel);
    dlg->OnStop();
    m_host.m_ui.ExpectMessage(Dlg::kAbortQuestion, MsgAnswer::Cancel, MsgButtons::OkCancel);
    EXPECT_EQ(dlg->OnClose(), Dlg::CloseResult::Stays);
    EXPECT_TRUE(m_run.IsRunning());

    m_host.m_ui.ExpectMessage(Dlg::kAbortQuestion, MsgAnswer::Ok, MsgButtons::OkCancel);
    dlg->OnStop();
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    dlg->OnTimer();
    const std::string output = "ready\r\nExit code: 11\r\nProcess terminated by user.";
    EXPECT_EQ(Shown(*dlg), output);
    EXPECT_FALSE(dlg->HoldsRunner());
    EXPECT_FALSE(dlg->IsStopEnabled());
    dlg->OnStop();
    EXPECT_TRUE(m_owner.m_closedWith.empty());
    EXPECT_EQ(dlg->OnClose(), Dlg::CloseResult::Handed);
    EXPECT_EQ(m_owner.m_closedWith, (std::vector<std::string> {output}));
    EXPECT_TRUE(m_host.m_ui.AllAnswered());

    // Closed before a tick has seen the end, the window still hands over the closing lines.
    auto late = Open(StartPaced(R"("run " "over")"), &m_owner);
    Release(1);
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    EXPECT_EQ(late->OnClose(), Dlg::CloseResult::Handed);
    EXPECT_EQ(m_owner.m_closedWith.back(), "run overExit code: 0\r\nNo Errors");

    auto alone = Open(Start("silent"), nullptr);
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    EXPECT_EQ(alone->OnClose(), Dlg::CloseResult::Closes);
}

// Would catch a later run that keeps the last run's text or runner, starts the timer for a run
// already over, or keeps the old caption.
TEST_F(ProcessWindowDlgTest, WatchRunStartsAgainWithTheNewRunsOutputAndCaption)
{
    auto dlg = Open(Start("write first"), &m_owner);
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    TickToTheEnd(*dlg);
    EXPECT_EQ(Shown(*dlg), "firstExit code: 0\r\nNo Errors");

    m_host.m_strCaption = "Running Main";
    dlg->WatchRun(StartPaced(R"("second\n" "done")"), &m_owner);
    ASSERT_TRUE(WaitForOutput("second"));
    EXPECT_EQ(dlg->GetStatusText(), "Running Main");
    EXPECT_EQ(dlg->GetProgress(), 0);
    EXPECT_EQ(dlg->GetReplaceCount(), 2u);
    EXPECT_TRUE(dlg->IsTimerRunning());
    EXPECT_TRUE(dlg->IsStopEnabled());
    Release(1);
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    TickToTheEnd(*dlg);
    EXPECT_EQ(Shown(*dlg), "second\r\ndoneExit code: 0\r\nNo Errors");

    // A run over before the window sees it shows at once as a finished run.
    std::unique_ptr<ProcessRunner> over = Start("exit 1");
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    m_host.m_paneTexts.clear();
    dlg->WatchRun(std::move(over), &m_owner);
    EXPECT_EQ(Shown(*dlg), "Exit code: 1\r\nThere were errors");
    EXPECT_FALSE(dlg->IsTimerRunning());
    EXPECT_FALSE(dlg->IsStopEnabled());
    EXPECT_FALSE(dlg->HoldsRunner());
    EXPECT_EQ(dlg->GetProgress(), Dlg::kProgressMax);
    EXPECT_EQ(m_host.m_paneTexts, (std::vector<std::string> {Dlg::kComplete}));
}

// Would catch a line sent without its line feed or its echo, an answer that waits for the next
// tick, an input line left open for a run that takes no input or after the end of input.
TEST_F(ProcessWindowDlgTest, InputLineSendsEchoesAndEndsTheProgramsInput)
{
    auto dlg = Open(Start("echo", RunInput::Pipe), &m_owner);
    ASSERT_TRUE(WaitForOutput("name? "));
    dlg->OnTimer();
    EXPECT_TRUE(dlg->IsInputEnabled());
    EXPECT_TRUE(dlg->OnInputLine("Bob"));
    EXPECT_TRUE(dlg->IsAwaitingReply());
    ASSERT_TRUE(WaitForOutput("got Bob\r\nname? "));
    dlg->LookForOutput();
    EXPECT_EQ(Shown(*dlg), "name? Bob\r\ngot Bob\r\nname? ") << "the answer shows before the next tick";
    dlg->OnEndInput();
    EXPECT_FALSE(dlg->IsInputEnabled());
    EXPECT_FALSE(dlg->OnInputLine("late"));
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    TickToTheEnd(*dlg);
    EXPECT_EQ(Shown(*dlg), "name? Bob\r\ngot Bob\r\nname? end of input\r\nExit code: 0\r\nNo Errors");
    EXPECT_FALSE(dlg->IsInputEnabled());

    dlg->WatchRun(Start("hang"), &m_owner);
    ASSERT_TRUE(WaitForOutput("ready"));
    dlg->OnTimer();
    EXPECT_FALSE(dlg->IsInputEnabled()) << "a build tool reads no input";
}

// Would catch a window whose text grows with the run, a first line that does not say what was
// let go, lines no longer numbered as the jump rule numbers them, and bytes lost or repeated in
// what is kept, also when the run let go of output before the window could take it.
TEST_F(ProcessWindowDlgTest, PastItsBoundTheWindowKeepsTheNewestWholeLinesAndSaysWhatWent)
{
    const std::size_t nBound = 64 * 1024;
    auto dlg = std::make_unique<Dlg>(m_host, &m_owner, Start("large 1000000 7"), nBound);
    dlg->OnInitDialog();
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    TickToTheEnd(*dlg);
    const std::string full = m_run.CopyOutput();
    const COutputLines& lines = dlg->GetOutput();
    const std::size_t nDropped = lines.DroppedBytes();
    ASSERT_GT(nDropped, 0u);
    EXPECT_LE(lines.Size() - nDropped, nBound);
    EXPECT_EQ(full.substr(nDropped - 2, 2), "\r\n") << "whole lines go";
    const std::string text = Shown(*dlg);
    EXPECT_EQ(text, COutputLines::DroppedLine(nDropped) + "\r\n" + full.substr(nDropped));
    for (std::size_t n = 0; n + 1 < lines.LineCount(); ++n)
        ASSERT_EQ(MessageJump::LineAt(text, static_cast<int>(n)), lines.LineText(n)) << "line " << n;
    dlg->OnOutputDoubleClick(3);
    ASSERT_EQ(m_owner.m_doubleClicks.size(), 1u);
    EXPECT_EQ(m_owner.m_doubleClicks[0], std::make_pair(text, 3));

    CCapturedRun small(nBound);
    std::unique_ptr<ProcessRunner> runner = small.StartRun(kHelper, "helper large 1000000", m_dir.Path());
    ASSERT_TRUE(small.WaitUntilIdle(60s));
    auto late = Open(std::move(runner), &m_owner);
    TickToTheEnd(*late);
    const std::string kept = small.CopyOutput();
    EXPECT_EQ(Shown(*late), COutputLines::DroppedLine(small.OutputSize() - kept.size()) + "\r\n" + kept);
}
