#include "app/qt/MainFrame.h"
#include "app/qt/QuarnelApp.h"

#include "editor/qt/TextEditView.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/qt/MDIChildWnd.h"

#include "support/AppTestEnv.h"
#include "support/QtWait.h"
#include "support/RecordingShell.h"
#include "support/ScriptedUi.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

class MainFrameTest : public ::testing::Test {
protected:
    MainFrameTest()
    {
        m_home.Dir().Write("config/Kestrune/Ondrik.reg",
                           "Windows Registry Editor Version 5.00\n\n"
                           "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\Tip]\n\"StartUp\"=dword:00000001\n");
        CAppEnvironment env;
        env.strProgramPath = m_home.Dir().File("install/ondrik");
        env.strSettingsFile = m_home.SettingsFile();
        env.jdkSearch = {m_home.Dir().File("jvm/default-java"), ""};
        m_app = std::make_unique<CQuarnelApp>(m_ui, m_shell, env);
        EXPECT_TRUE(m_app->InitInstance({}));
    }

    CMainFrame& Frame() const { return *m_app->GetMainFrame(); }

    QMenu* HelpMenu() const
    {
        QMenu* help = nullptr;
        for (QAction* item : Frame().menuBar()->actions()) {
            if (item->menu() != nullptr && item->text() == "&Help")
                help = item->menu();
        }
        return help;
    }

    CTestConfigHome m_home;
    CScriptedUi m_ui;
    CRecordingShell m_shell;
    std::unique_ptr<CQuarnelApp> m_app;
};

}  // namespace

TEST_F(MainFrameTest, ToolbarHoldsTheFifteenButtonsInOrder)
{
    QToolBar* toolbar = Frame().GetToolBar();
    ASSERT_NE(toolbar, nullptr);
    EXPECT_FALSE(toolbar->isHidden());
    std::vector<int> ids;
    for (QAction* action : toolbar->actions())
        ids.push_back(action->isSeparator() ? 0 : action->property("ondrikCommand").toInt());
    using namespace Cmd;
    EXPECT_EQ(ids, (std::vector<int>{ID_FILE_NEW, 0, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY,
                                     ID_EDIT_PASTE, 0, ID_FILE_PRINT, 0, ID_EDIT_INDENT, ID_EDIT_OUTDENT, 0,
                                     ID_BUILD_COMPILE, ID_BUILD_BUILD, ID_BUILD_RUN, ID_BUILD_RUNAPPLET,
                                     ID_HTML_OPENINBROWSER, 0, ID_VIEW_PROJECTWINDOWBUTTON}));
    EXPECT_EQ(toolbar->actions()[0]->toolTip(), "New");
    EXPECT_EQ(toolbar->actions()[0]->statusTip(), "Create a new document");
    EXPECT_FALSE(toolbar->actions()[0]->icon().isNull());
}

TEST_F(MainFrameTest, HelpMenuGainsOneTipItemHoweverOftenItOpens)
{
    QMenu* help = HelpMenu();
    ASSERT_NE(help, nullptr);
    for (int i = 0; i < 3; ++i)
        Frame().AddTipToHelpMenu(Frame().menuBar());
    const QList<QAction*> items = help->actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "Ti&p of the Day...");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), "&About Ondrik");
    EXPECT_EQ(std::count_if(items.begin(), items.end(), [](QAction* a) { return a->text() == "Ti&p of the Day..."; }),
              1);
}

// The way a person opens the menu: the Help menu shows the Tip of the Day item at its top the
// first time it opens, and it sends the Tip of the Day command. Catches the item added only
// when something other than opening a menu asks for it.
TEST_F(MainFrameTest, OpeningTheHelpMenuShowsTheTipItemAtItsTop)
{
    m_app->OpenNewDocumentOfType("JavaDocument");
    QMenu* help = HelpMenu();
    ASSERT_NE(help, nullptr);
    help->popup(Frame().mapToGlobal(QPoint(10, 10)));
    EXPECT_TRUE(help->isVisible());
    help->close();
    ASSERT_FALSE(help->actions().isEmpty());
    QAction* tip = help->actions().front();
    EXPECT_EQ(tip->text(), "Ti&p of the Day...");
    EXPECT_EQ(tip->property("ondrikCommand").toInt(), Cmd::ID_HELP_TIPOFTHEDAY);
    EXPECT_TRUE(tip->isEnabled());
}

TEST_F(MainFrameTest, EachMenuBarGetsTheItemAndABarWithoutHelpGetsOne)
{
    Frame().AddTipToHelpMenu(Frame().menuBar());
    m_app->OpenNewDocumentOfType("JavaDocument");
    Frame().AddTipToHelpMenu(Frame().menuBar());
    EXPECT_EQ(HelpMenu()->actions().front()->text(), "Ti&p of the Day...") << "the source window's own Help menu";

    QMenuBar bare;
    bare.addMenu("&File");
    Frame().AddTipToHelpMenu(&bare);
    ASSERT_EQ(bare.actions().size(), 2);
    EXPECT_EQ(bare.actions()[1]->text(), "&Help");
    EXPECT_EQ(bare.actions()[1]->menu(), HelpMenu()) << "the Help popup found last is appended";
}

TEST_F(MainFrameTest, PanesShowWhatTheyAreGiven)
{
    Frame().SetLinePaneText("Line: 12");
    Frame().SetColumnPaneText("Col: 3");
    EXPECT_EQ(Frame().GetPane(1)->text(), "Line: 12");
    EXPECT_EQ(Frame().GetPane(2)->text(), "Col: 3");
    EXPECT_EQ(Frame().GetPane(1)->width(), 70);
    EXPECT_EQ(Frame().GetPane(3)->text(), "") << "no lock state off X11";
}

TEST_F(MainFrameTest, ViewToolbarTogglesWithItsCheckMark)
{
    EXPECT_TRUE(m_app->GetRouter().Update(Cmd::ID_VIEW_TOOLBAR).IsChecked());
    m_app->SendCommand(Cmd::ID_VIEW_TOOLBAR);
    EXPECT_FALSE(m_app->GetRouter().Update(Cmd::ID_VIEW_TOOLBAR).IsChecked());
    EXPECT_TRUE(Frame().GetToolBar()->isHidden());
    m_app->SendCommand(Cmd::ID_VIEW_TOOLBAR);
    EXPECT_FALSE(Frame().GetToolBar()->isHidden());
}

TEST_F(MainFrameTest, CaretMovesInASourceWindowShowInThePanes)
{
    const std::string path = m_home.Dir().Write("Caret.java", "ab\r\n\tcd\r\n");
    ASSERT_NE(m_app->OpenDocumentFile(path), nullptr);
    auto* view = static_cast<CTextEditView*>(Frame().GetActiveFrame()->GetActiveView());
    QsciScintilla* editor = view->GetEditor();

    // After the tab: line 2, column 2, as the TAB counts one.
    editor->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 5UL);
    EXPECT_SOON_EQ(Frame().GetPane(1)->text(), "Line: 2");
    EXPECT_SOON_EQ(Frame().GetPane(2)->text(), "Col: 2");
    // A selection counts from its end.
    editor->SendScintilla(QsciScintillaBase::SCI_SETSEL, 0UL, 2L);
    EXPECT_SOON_EQ(Frame().GetPane(1)->text(), "Line: 1");
    EXPECT_SOON_EQ(Frame().GetPane(2)->text(), "Col: 3");
    // Typing moves the caret too, and the editor does not call that a move of the selection.
    editor->SendScintilla(QsciScintillaBase::SCI_SETEMPTYSELECTION, 1UL);
    EXPECT_SOON_EQ(Frame().GetPane(2)->text(), "Col: 2");
    QTest::keyClicks(editor, "xyz");
    EXPECT_SOON_EQ(Frame().GetPane(2)->text(), "Col: 5");
}
