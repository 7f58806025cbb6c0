#include "bars/qt/BarClientArea.h"
#include "bars/qt/BarGripper.h"
#include "bars/qt/BarQt.h"
#include "bars/qt/ProcessWindowBar.h"
#include "bars/qt/ProjectWindowBar.h"
#include "support/QtWait.h"

#include <QLabel>
#include <QMainWindow>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "(" << r.x() << ", " << r.y() << ") " << r.width() << " x " << r.height();
}

void PrintTo(const QSize& s, std::ostream* os)
{
    *os << s.width() << " x " << s.height();
}

namespace {

class DockingBarsTest : public ::testing::Test {
protected:
    DockingBarsTest()
    {
        m_frame.setCentralWidget(new QTextEdit(&m_frame));
        m_frame.resize(900, 700);
        m_processWindow = new QLabel("output");
        m_projectTree = new QLabel("tree");
        EXPECT_TRUE(m_processBar->Create(m_frame, m_processWindow));
        EXPECT_TRUE(m_projectBar->Create(m_frame, m_projectTree, "Hello.jpr"));
        m_frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_frame));
    }

    static QPoint Centre(const CBarRect& r) { return QPoint(r.Center().x, r.Center().y); }
    // A point of the bar, in the coordinates of whichever of its parts lies under it.
    static QWidget* PartAt(CDockingBar& bar, QPoint& ptBar)
    {
        QWidget* part = bar.GetGripper()->geometry().contains(ptBar) ? static_cast<QWidget*>(bar.GetGripper())
                                                                      : bar.GetClientArea();
        ptBar = part->mapFrom(&bar, ptBar);
        return part;
    }
    static void ClickAt(CDockingBar& bar, QPoint ptBar)
    {
        QWidget* part = PartAt(bar, ptBar);
        QTest::mouseClick(part, Qt::LeftButton, {}, ptBar);
    }
    static void DoubleClickAt(CDockingBar& bar, QPoint ptBar)
    {
        QWidget* part = PartAt(bar, ptBar);
        QTest::mouseDClick(part, Qt::LeftButton, {}, ptBar);
    }
    // Presses on the sizing edge's centre, moves by the offset and lets go.
    static void DragEdge(CDockingBar& bar, QPoint offset, QRect* pTrackerSeen = nullptr)
    {
        QPoint pt = Centre(bar.GetNcLayout().GetEdgeRect());
        QWidget* part = PartAt(bar, pt);
        QTest::mousePress(part, Qt::LeftButton, {}, pt);
        QTest::mouseMove(part, pt + offset);
        if (pTrackerSeen != nullptr && bar.GetTrackerOutline() != nullptr)
            *pTrackerSeen = bar.GetTrackerOutline()->geometry();
        QTest::mouseRelease(part, Qt::LeftButton, {}, pt + offset);
    }

    QMainWindow m_frame;
    CProcessWindowBar* m_processBar = new CProcessWindowBar;
    CProjectWindowBar* m_projectBar = new CProjectWindowBar;
    QLabel* m_processWindow;
    QLabel* m_projectTree;
};

}  // namespace

TEST_F(DockingBarsTest, BarsDockOnlyAtTheirSidesAtTheirFirstPlaceAndSize)
{
    EXPECT_EQ(m_frame.dockWidgetArea(m_processBar), Qt::BottomDockWidgetArea);
    EXPECT_EQ(m_processBar->GetDockSide(), DockSide::Bottom);
    EXPECT_EQ(m_processBar->allowedAreas(), Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    EXPECT_EQ(m_processBar->windowTitle(), "Process Window");
    EXPECT_EQ(m_frame.dockWidgetArea(m_projectBar), Qt::LeftDockWidgetArea);
    EXPECT_EQ(m_projectBar->GetDockSide(), DockSide::Left);
    EXPECT_EQ(m_projectBar->allowedAreas(), Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    EXPECT_EQ(m_projectBar->windowTitle(), "Hello.jpr");
    EXPECT_SOON_EQ(m_processBar->height(), 159);
    EXPECT_SOON_EQ(m_projectBar->width(), 184);
}

TEST_F(DockingBarsTest, ChildFillsTheClientArea)
{
    EXPECT_SOON_EQ(m_processBar->height(), 159);
    const QRect client = ToQRect(m_processBar->GetNcLayout().GetClientRect());
    EXPECT_EQ(QRect(m_processWindow->mapTo(m_processBar, QPoint(0, 0)), m_processWindow->size()), client);
    EXPECT_EQ(client.height(), 150);
    EXPECT_SOON_EQ(m_projectBar->width(), 184);
    EXPECT_EQ(m_projectTree->width(), 175);
    EXPECT_EQ(m_projectTree->mapTo(m_projectBar, QPoint(0, 0)), QPoint(3, 20));
}

TEST_F(DockingBarsTest, SecondCreateIsRefused)
{
    EXPECT_FALSE(m_processBar->Create(m_frame, new QLabel("again", &m_frame)));
    EXPECT_EQ(m_processBar->GetChild(), m_processWindow);
}

TEST_F(DockingBarsTest, ToggleButtonFloatsAndTheCaptionDocksAgain)
{
    ClickAt(*m_processBar, Centre(m_processBar->GetNcLayout().GetToggleRect()));
    ASSERT_TRUE(m_processBar->isFloating());
    EXPECT_EQ(m_processBar->GetDockSide(), DockSide::None);
    EXPECT_SOON_EQ(m_processWindow->size(), QSize(150, 150));

    CBarGripper* caption = m_processBar->GetGripper();
    QTest::mouseClick(caption, Qt::LeftButton, {}, caption->CaptionToggleRect().center());
    EXPECT_FALSE(m_processBar->isFloating());
    EXPECT_EQ(m_processBar->GetDockSide(), DockSide::Bottom);
    EXPECT_SOON_EQ(m_processBar->height(), 159);
}

TEST_F(DockingBarsTest, DoubleClickOnTheGripperFloatsAndOnTheCaptionDocks)
{
    EXPECT_SOON_EQ(m_projectBar->width(), 184);
    DoubleClickAt(*m_projectBar, Centre(m_projectBar->GetNcLayout().GetGripperRect()));
    ASSERT_TRUE(m_projectBar->isFloating());
    EXPECT_SOON_EQ(m_projectTree->size(), QSize(175, 175));

    CBarGripper* caption = m_projectBar->GetGripper();
    QTest::mouseDClick(caption, Qt::LeftButton, {}, QPoint(10, caption->height() / 2));
    EXPECT_FALSE(m_projectBar->isFloating());
    EXPECT_EQ(m_frame.dockWidgetArea(m_projectBar), Qt::LeftDockWidgetArea);
}

TEST_F(DockingBarsTest, DraggingTheGripperIntoTheMiddleFloatsTheBar)
{
    EXPECT_SOON_EQ(m_processBar->height(), 159);
    QPoint pt = Centre(m_processBar->GetNcLayout().GetGripperRect());
    QWidget* part = PartAt(*m_processBar, pt);
    QTest::mousePress(part, Qt::LeftButton, {}, pt);
    for (int step = 1; step <= 10; ++step)
        QTest::mouseMove(part, pt + QPoint(30 * step, -30 * step));
    QTest::mouseRelease(part, Qt::LeftButton, {}, pt + QPoint(300, -300));
    EXPECT_TRUE(m_processBar->isFloating());
    EXPECT_FALSE(m_processBar->IsTracking());
}

TEST_F(DockingBarsTest, DoubleClickOnTheChildLeavesTheBarWhereItIs)
{
    QTest::mouseDClick(m_processWindow, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(m_processBar->isFloating());
}

TEST_F(DockingBarsTest, CloseButtonHidesAndShowBringsItBackWhereItWas)
{
    m_frame.addDockWidget(Qt::RightDockWidgetArea, m_projectBar);
    ASSERT_EQ(m_projectBar->GetDockSide(), DockSide::Right);
    ClickAt(*m_projectBar, Centre(m_projectBar->GetNcLayout().GetCloseRect()));
    EXPECT_FALSE(m_projectBar->IsVisible());
    m_projectBar->Show();
    EXPECT_TRUE(m_projectBar->IsVisible());
    EXPECT_EQ(m_frame.dockWidgetArea(m_projectBar), Qt::RightDockWidgetArea);
    EXPECT_FALSE(m_projectBar->isFloating());
}

TEST_F(DockingBarsTest, DraggingTheEdgeOfTheBottomBarResizesIt)
{
    EXPECT_SOON_EQ(m_processBar->height(), 159);
    QRect tracker;
    DragEdge(*m_processBar, QPoint(0, -40), &tracker);
    // The outline ran along the bar's top edge, 40 pixels up.
    EXPECT_EQ(tracker, QRect(m_processBar->mapTo(&m_frame, QPoint(0, -40)), QSize(m_processBar->width(), 6)));
    EXPECT_FALSE(m_processBar->IsTracking());
    EXPECT_EQ(m_processBar->GetTrackerOutline(), nullptr);
    EXPECT_SOON_EQ(m_processBar->height(), 199);
    EXPECT_EQ(m_processBar->GetSizes().GetThickness(DockSide::Bottom), 199);

    DragEdge(*m_processBar, QPoint(0, 400));
    EXPECT_SOON_EQ(m_processBar->height(), 32);
}

TEST_F(DockingBarsTest, ThicknessSetByTheFrameSplitterIsKeptWhenTheBarDocksAgain)
{
    EXPECT_SOON_EQ(m_processBar->height(), 159);
    m_frame.resizeDocks({m_processBar}, {230}, Qt::Vertical);
    EXPECT_SOON_EQ(m_processBar->height(), 230);
    EXPECT_EQ(m_processBar->GetSizes().GetThickness(DockSide::Bottom), 230);

    m_processBar->ToggleDocking();
    ASSERT_TRUE(m_processBar->isFloating());
    m_processBar->ToggleDocking();
    EXPECT_SOON_EQ(m_processBar->height(), 230);
}

TEST_F(DockingBarsTest, RightBarHasItsEdgeAndTrackerOnItsLeft)
{
    m_frame.addDockWidget(Qt::RightDockWidgetArea, m_projectBar);
    EXPECT_SOON_EQ(m_projectBar->width(), 184);
    const CNcLayout layout = m_projectBar->GetNcLayout();
    EXPECT_EQ(layout.GetEdgeRect().left, 0);
    EXPECT_EQ(layout.HitTest({2, 200}), BarHit::Edge);
    QRect tracker;
    DragEdge(*m_projectBar, QPoint(-40, 0), &tracker);
    EXPECT_EQ(tracker.left(), m_projectBar->mapTo(&m_frame, QPoint(-40, 0)).x());
    EXPECT_EQ(tracker.width(), 6);
    EXPECT_SOON_EQ(m_projectBar->width(), 224);
}

TEST_F(DockingBarsTest, ResizeIsDroppedWhenTheButtonComesUpElsewhere)
{
    EXPECT_SOON_EQ(m_processBar->height(), 159);
    QPoint pt = Centre(m_processBar->GetNcLayout().GetEdgeRect());
    QWidget* part = PartAt(*m_processBar, pt);
    QTest::mousePress(part, Qt::LeftButton, {}, pt);
    ASSERT_TRUE(m_processBar->IsTracking());
    QMouseEvent move(QEvent::MouseMove, pt - QPoint(0, 60), part->mapToGlobal(pt - QPoint(0, 60)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(part, &move);
    EXPECT_FALSE(m_processBar->IsTracking());
    EXPECT_EQ(m_processBar->GetTrackerOutline(), nullptr);
    QTest::qWait(0);
    EXPECT_EQ(m_processBar->height(), 159);
}
