#include "run/RunnerTestSupport.h"
#include "run/TestProcessWindowHost.h"
#include "support/TempDir.h"

#include "run/CapturedRun.h"
#include "run/ProcessRunner.h"
#include "run/qt/ProcessOutputBox.h"
#include "run/qt/ProcessWindowDlgQt.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace std::chrono_literals;
using Dlg = CProcessWindowDlg;

class ProcessWindowDlgQtTest : public ::testing::Test {
protected:
    ~ProcessWindowDlgQtTest() override
    {
        m_pWindow.reset();
        m_run.TerminateCaptured(11);
        m_run.WaitUntilIdle(60s);
    }

    CProcessWindowDlgQt& Open(const std::string& arguments)
    {
        std::unique_ptr<ProcessRunner> runner = m_run.StartRun(kHelper, "helper " + arguments, m_dir.Path());
        EXPECT_NE(runner, nullptr) << arguments;
        m_pWindow = std::make_unique<CProcessWindowDlgQt>(m_host, &m_owner, std::move(runner), &m_frame);
        m_pWindow->setGeometry(5, 7, 600, 150);
        m_frame.resize(700, 200);
        m_frame.show();
        return *m_pWindow;
    }

    bool WaitUntilShownToTheEnd() const
    {
        return QTest::qWaitFor([this] { return !m_pWindow->IsWatching() && !m_pWindow->Model().HasMoreToShow(); }, 60000);
    }

    QString Shown() const { return m_pWindow->OutputBox()->ToPlainText(); }

    // The middle of a box line, a few characters in.
    QPoint LineInBox(int nLine) const
    {
        const int nHeight = QFontMetrics(m_pWindow->OutputBox()->font()).lineSpacing();
        return QPoint(6, nLine * nHeight + nHeight / 2);
    }

    CTempDir m_dir;
    CCapturedRun m_run;
    CTestProcessWindowHost m_host;
    CTestProcessWindowOwner m_owner;
    QWidget m_frame;
    std::unique_ptr<CProcessWindowDlgQt> m_pWindow;
};

}  // namespace

// Would catch controls that do not follow the run (stop, progress, caption), a box that joins a
// line ended by a lone CR to the next (the double-click would then report the wrong line), a
// font other than the settings', or output shown twice or out of order over the real ticks.
TEST_F(ProcessWindowDlgQtTest, ControlsFollowTheRunAndTheBoxShowsEachCrEndedLine)
{
    CProcessWindowDlgQt& window = Open("paced " + m_dir.File("gate") + R"( "one\n" "two\rthree\nfour")");
    auto* stop = window.findChild<QPushButton*>("1039");
    auto* progress = window.findChild<QProgressBar*>("1027");
    auto* status = window.findChild<QLineEdit*>("1028");
    auto* box = window.findChild<CProcessOutputBox*>("1000");
    ASSERT_TRUE(stop && progress && status && box);
    EXPECT_EQ(stop->text(), "stop");
    EXPECT_TRUE(stop->isEnabled());
    EXPECT_EQ(progress->minimum(), 0);
    EXPECT_EQ(progress->maximum(), 100);
    EXPECT_TRUE(status->isReadOnly());
    EXPECT_EQ(status->text(), "Building Main.java");
    EXPECT_EQ(status->toolTip().toStdString().rfind("helper paced ", 0), 0u) << "the line the run really has";
    EXPECT_EQ(box->font().family(), "Courier New");
    EXPECT_EQ(box->font().pointSizeF(), 9.0);
    EXPECT_EQ(box->viewport()->backgroundRole(), QPalette::Base);

    ASSERT_TRUE(QTest::qWaitFor([&] { return Shown() == "one\n"; }, 60000));
    EXPECT_TRUE(window.IsWatching());
    m_dir.Write("gate.1", "");
    ASSERT_TRUE(WaitUntilShownToTheEnd());
    EXPECT_EQ(Shown(), "one\ntwo\nthree\nfourExit code: 0\nNo Errors");
    EXPECT_FALSE(stop->isEnabled());
    EXPECT_EQ(progress->value(), 100);
    EXPECT_EQ(m_host.m_paneTexts.back(), Dlg::kComplete);
}

// Would catch a strip or box that ignores the window's size.
TEST_F(ProcessWindowDlgQtTest, BoxFillsTheWindowBelowTheStripOfControls)
{
    CProcessWindowDlgQt& window = Open("silent");
    window.resize(640, 180);
    EXPECT_EQ(window.OutputBox()->geometry(), QRect(0, 22, 640, 158));
    for (QWidget* control : {static_cast<QWidget*>(window.StopButton()), static_cast<QWidget*>(window.ProgressBar()),
                             static_cast<QWidget*>(window.StatusLine())})
        EXPECT_LE(control->geometry().bottom(), CProcessWindowDlgQt::kStripHeight - 1) << control->objectName().toStdString();
    EXPECT_LT(window.StopButton()->geometry().right(), window.ProgressBar()->geometry().left());
    EXPECT_LT(window.ProgressBar()->geometry().right(), window.StatusLine()->geometry().left());
}

// Would catch a double-click that reports the line before its word is selected, the wrong
// line, or copying that loses line ends.
TEST_F(ProcessWindowDlgQtTest, DoubleClickSelectsTheWordThenReportsTheCaretLine)
{
    CProcessWindowDlgQt& window = Open(R"(write "first\rMain.java:2: error: x\n")");
    ASSERT_TRUE(WaitUntilShownToTheEnd());
    CProcessOutputBox* box = window.OutputBox();
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, LineInBox(1));
    EXPECT_EQ(box->SelectedText(), "Main");
    ASSERT_EQ(m_owner.m_doubleClicks.size(), 1u);
    EXPECT_EQ(m_owner.m_doubleClicks[0].second, 1);
    EXPECT_EQ(m_owner.m_doubleClicks[0].first, "first\rMain.java:2: error: x\r\nExit code: 0\r\nNo Errors");

    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "first\nMain.java:2: error: x\nExit code: 0\nNo Errors");
}

// Would catch Escape that closes the window while its run lasts, or that never reaches the
// window from the box that has the focus.
TEST_F(ProcessWindowDlgQtTest, EscapeAsksWhileRunningAndHandsTheOutputOverWhenIdle)
{
    CProcessWindowDlgQt& window = Open("hang");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Shown() == "ready\n"; }, 60000));
    window.OutputBox()->setFocus();
    m_host.m_ui.ExpectMessage(Dlg::kAbortQuestion, MsgAnswer::Cancel);
    QTest::keyClick(window.OutputBox(), Qt::Key_Escape);
    EXPECT_TRUE(m_host.m_ui.AllAnswered());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(m_run.IsRunning());

    m_host.m_ui.ExpectMessage(Dlg::kAbortQuestion, MsgAnswer::Ok);
    window.StopButton()->click();
    ASSERT_TRUE(WaitUntilShownToTheEnd());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(m_owner.m_closedWith, (std::vector<std::string> {"ready\r\nExit code: 11\r\nProcess terminated by user."}));
}

// Would catch a window that does not store where it was, or stores its place in the
// coordinates of its bar rather than of the screen.
TEST_F(ProcessWindowDlgQtTest, DestroyingTheWindowStoresItsScreenBox)
{
    Open("silent");
    m_frame.move(100, 60);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_frame));
    const QPoint topLeft = m_pWindow->mapToGlobal(QPoint(0, 0));
    EXPECT_NE(topLeft, QPoint(5, 7));
    m_pWindow.reset();
    ASSERT_EQ(m_host.m_savedBoxes.size(), 1u);
    const CWindowBox& box = m_host.m_savedBoxes[0];
    EXPECT_EQ((std::vector<int> {box.nLeft, box.nTop, box.nRight, box.nBottom}),
              (std::vector<int> {topLeft.x(), topLeft.y(), topLeft.x() + 600, topLeft.y() + 150}));
}
