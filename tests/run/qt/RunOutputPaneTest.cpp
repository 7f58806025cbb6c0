#include "run/qt/RunOutputPane.h"

#include "run/CapturedRun.h"
#include "run/ProcessRunner.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

class RunOutputPaneTest : public ::testing::Test {
protected:
    ~RunOutputPaneTest() override
    {
        m_run.TerminateCaptured(11);
        m_run.WaitUntilIdle(60s);
    }

    // Runs a shell line captured and lets the pane watch it to its end.
    void Watch(const std::string& script)
    {
        std::unique_ptr<ProcessRunner> runner = m_run.StartRun("/bin/sh", "sh -c \"" + script + "\"", "/");
        ASSERT_NE(runner, nullptr);
        m_pane.WatchRun(std::move(runner));
        for (int i = 0; i < 300 && m_pane.IsWatching(); ++i)
            QTest::qWait(CRunOutputPane::kPollMs / 4);
    }

    CCapturedRun m_run;
    CRunOutputPane m_pane;
};

}  // namespace

TEST_F(RunOutputPaneTest, OutputArrivingOverSeveralPollsIsShownOnceInOrder)
{
    Watch("echo one; sleep 0.5; echo two; sleep 0.5; printf three");
    EXPECT_FALSE(m_pane.IsWatching());
    EXPECT_EQ(m_pane.toPlainText(), "one\ntwo\nthreeExit code: 0\nNo Errors");
}

TEST_F(RunOutputPaneTest, CharacterSplitBetweenPollsIsShownWhole)
{
    // An e with acute accent, its two bytes written half a second apart.
    Watch("printf '\\303'; sleep 0.6; printf '\\251'");
    EXPECT_EQ(m_pane.toPlainText(), QString::fromUtf8("\xC3\xA9") + "Exit code: 0\nNo Errors");
}

TEST_F(RunOutputPaneTest, NextRunStartsAfresh)
{
    Watch("echo first");
    Watch("echo second");
    EXPECT_EQ(m_pane.toPlainText(), "second\nExit code: 0\nNo Errors");
}
