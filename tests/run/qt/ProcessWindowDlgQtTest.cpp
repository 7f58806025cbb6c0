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

    CProcessWindowDlgQt& Open(const std::string& arguments, RunInput input = RunInput::None)
    {
        std::unique_ptr<ProcessRunner> runner = m_run.StartRun(kHelper, "helper " + arguments, m_dir.Path(), input);
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

// Would catch a strip, box or input row that ignores the window's size.
TEST_F(ProcessWindowDlgQtTest, BoxFillsTheWindowBetweenTheStripOfControlsAndTheInputLine)
{
    CProcessWindowDlgQt& window = Open("silent");
    window.resize(640, 180);
    EXPECT_EQ(window.OutputBox()->geometry(), QRect(0, 22, 640, 180 - 22 - CProcessWindowDlgQt::kInputHeight));
    EXPECT_EQ(window.InputLine()->geometry().top(), 180 - CProcessWindowDlgQt::kInputHeight);
    EXPECT_EQ(window.InputLine()->geometry().left(), 0);
    EXPECT_EQ(window.InputLine()->geometry().right() + 1, window.EndInputButton()->geometry().left());
    EXPECT_EQ(window.EndInputButton()->geometry().right(), 639);
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
    m_host.m_ui.ExpectMessage(Dlg::kAbortQuestion, MsgAnswer::Cancel, MsgButtons::OkCancel);
    QTest::keyClick(window.OutputBox(), Qt::Key_Escape);
    EXPECT_TRUE(m_host.m_ui.AllAnswered());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(m_run.IsRunning());

    m_host.m_ui.ExpectMessage(Dlg::kAbortQuestion, MsgAnswer::Ok, MsgButtons::OkCancel);
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

// Would catch an input line that is not ready for a program that reads (enabled, with the
// focus), Enter that loses the line or its echo, Up and Down that do not bring lines back,
// Ctrl+D or the button that do not end the input, and a line left enabled once the input ended.
TEST_F(ProcessWindowDlgQtTest, InputLineSendsWhatIsTypedAndEndsTheInput)
{
    CProcessWindowDlgQt& window = Open("echo", RunInput::Pipe);
    QApplication::setActiveWindow(&m_frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_frame));
    QLineEdit* input = window.InputLine();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Shown() == "name? "; }, 60000));
    EXPECT_TRUE(input->isEnabled());
    EXPECT_TRUE(window.EndInputButton()->isEnabled());
    EXPECT_TRUE(input->hasFocus());
    QTest::keyClicks(input, "Bob");
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(input->text(), "");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Shown() == "name? Bob\ngot Bob\nname? "; }, 60000));
    QTest::keyClicks(input, "Ann");
    QTest::keyClick(input, Qt::Key_Return);
    QTest::keyClicks(input, "draft");
    QTest::keyClick(input, Qt::Key_Up);
    EXPECT_EQ(input->text(), "Ann");
    QTest::keyClick(input, Qt::Key_Up);
    EXPECT_EQ(input->text(), "Bob");
    QTest::keyClick(input, Qt::Key_Down);
    QTest::keyClick(input, Qt::Key_Down);
    EXPECT_EQ(input->text(), "draft");
    QTest::keyClick(input, Qt::Key_D, Qt::ControlModifier);
    EXPECT_FALSE(input->isEnabled());
    ASSERT_TRUE(WaitUntilShownToTheEnd());
    EXPECT_EQ(Shown(), "name? Bob\ngot Bob\nname? Ann\ngot Ann\nname? end of input\nExit code: 0\nNo Errors");

    window.WatchRun(m_run.StartRun(kHelper, "helper echo", m_dir.Path(), RunInput::Pipe), &m_owner);
    ASSERT_TRUE(input->isEnabled());
    window.EndInputButton()->click();
    EXPECT_FALSE(input->isEnabled());
    EXPECT_FALSE(window.EndInputButton()->isEnabled());
    ASSERT_TRUE(WaitUntilShownToTheEnd());
    EXPECT_EQ(Shown(), "name? end of input\nExit code: 0\nNo Errors");
}

// Would catch a NUL that cuts its line short on screen or shows as nothing at all.
TEST_F(ProcessWindowDlgQtTest, NulShowsAsItsSymbolAndTheRestOfTheLineStays)
{
    Open(R"(write "name=[Bob\0\0\0] len=8\n")");
    ASSERT_TRUE(WaitUntilShownToTheEnd());
    const QChar nul = m_pWindow->OutputBox()->NulSymbol();
    EXPECT_TRUE(nul == QChar(0x2400) || nul == QChar(0x2205));
    EXPECT_EQ(Shown(), "name=[Bob" + QString(3, nul) + "] len=8\nExit code: 0\nNo Errors");
}
