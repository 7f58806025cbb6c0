#include "app/qt/MainFrame.h"
#include "app/NewDocumentDlg.h"
#include "app/NewProjectDlg.h"
#include "app/qt/QuarnelApp.h"
#include "app/RecentProjectsDlg.h"
#include "app/TipOfTheDayDlg.h"

#include "run/CapturedRun.h"
#include "run/ProjectRunCommands.h"
#include "editor/TextDocument.h"
#include "editor/qt/TextEditView.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/CommandRouter.h"
#include "framework/DocTemplate.h"
#include "framework/qt/MDIChildWnd.h"
#include "framework/qt/MDIFrameWnd.h"
#include "project/JavaProjectDoc.h"
#include "projectwindow/qt/ProjectTreePane.h"
#include "projectwindow/qt/ProjectWindowsQt.h"
#include "run/qt/ProcessOutputBox.h"

#include "QuarnelAppFixture.h"

#include <QLineEdit>
#include "run/ProcessWindowDlg.h"

#include <fstream>
#include "support/AppTestEnv.h"
#include "support/QtWait.h"
#include "support/TestProjectHost.h"
#include "support/RecordingShell.h"
#include "support/ScriptedUi.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QStatusBar>
#include <QTreeWidget>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

#include <sys/stat.h>

#include <gtest/gtest.h>


TEST_F(QuarnelAppTest, StartingWithNoArgumentsShowsNoDocument)
{
    CQuarnelApp& app = Start();
    EXPECT_TRUE(m_bStarted);
    EXPECT_EQ(WindowCount(), 0u);
    EXPECT_EQ(app.GetDocManager().GetTemplates().size(), 3u);
    const auto templates = app.GetDocManager().GetTemplates();
    EXPECT_EQ(templates[0]->GetDocString(CDocTemplate::docName), "JavaDocument");
    EXPECT_EQ(templates[1]->GetDocString(CDocTemplate::docName), "JavaProject");
    EXPECT_EQ(templates[2]->GetDocString(CDocTemplate::docName), "HTMLDocument");
    EXPECT_EQ(app.GetProjectTemplate(), templates[1]);
    EXPECT_EQ(app.GetMainWnd()->windowTitle(), "Ondrik");
}

TEST_F(QuarnelAppTest, LastProjectReopensAndTheTipFollowsIt)
{
    const std::string project = MakeProject("Last");
    m_home.Dir().Write("install/help/tips.dat", "A tip\n");
    WriteSettings("[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS]\n\"LASTOPEN\"=\"" + project + "\"\n");
    bool bProjectOpenAtTip = false;
    m_ui.ExpectDialog("Tip of the Day", [&](CModalDialog& dlg) {
        bProjectOpenAtTip = m_app->GetOpenProject() != nullptr;
        EXPECT_EQ(static_cast<CTipOfTheDayDlg&>(dlg).m_strTip, "A tip");
        return kIdCancel;
    });
    CQuarnelApp& app = Start();
    ASSERT_NE(app.GetOpenProject(), nullptr);
    EXPECT_EQ(app.GetOpenProject()->GetPathName(), project);
    EXPECT_TRUE(bProjectOpenAtTip);
}

TEST_F(QuarnelAppTest, NologoLeavesTheTipOut)
{
    m_home.Dir().Write("install/help/tips.dat", "A tip\n");
    WriteSettings("");  // the tip is on at start-up
    int nShown = 0;
    m_ui.ExpectDialog("Tip of the Day", [&](CModalDialog&) {
        ++nShown;
        return kIdCancel;
    });
    Start();
    EXPECT_EQ(nShown, 1) << "without -nologo the tip shows";

    m_app.reset();
    CCommandLineInfo cmd;
    cmd.bNoLogo = true;
    Start(cmd);  // a tip shown here would be a dialog nobody expected
    EXPECT_EQ(nShown, 1);
}

TEST_F(QuarnelAppTest, FilesOnTheCommandLineOpenInOrderAndAFailureEndsStartUp)
{
    const std::string source = m_home.Dir().Write("A.java", "class A {}\n");
    const std::string page = m_home.Dir().Write("b page.html", "<p>\n");
    CCommandLineInfo cmd;
    cmd.fileNames = {page, source};
    CQuarnelApp& app = Start(cmd);
    EXPECT_TRUE(m_bStarted);
    const auto documents = app.GetDocManager().GetDocuments();
    ASSERT_EQ(documents.size(), 2u);
    EXPECT_EQ(static_cast<CTextDocument*>(documents[0])->GetText(), "<p>\n");
    EXPECT_EQ(static_cast<CTextDocument*>(documents[1])->GetText(), "class A {}\n");

    m_app.reset();
    cmd.fileNames = {m_home.Dir().File("missing.java"), source};
    m_ui.ExpectMessage(cmd.fileNames[0] +
                       "\nCannot find this file.\nPlease verify that the correct path and file name are given.");
    Start(cmd);
    EXPECT_FALSE(m_bStarted);
}

TEST_F(QuarnelAppTest, OpeningTheOpenProjectActivatesItAndAsksNothing)
{
    const std::string project = MakeProject("Open");
    CQuarnelApp& app = Start();
    CDocument* first = app.OpenDocumentFile(project);
    ASSERT_NE(first, nullptr);
    app.OpenDocumentFile(m_home.Dir().File("Open/Open.java"));
    EXPECT_NE(app.GetMainWnd()->GetActiveFrame()->GetDocument(), first);
    EXPECT_EQ(app.OpenDocumentFile(project), nullptr);
    EXPECT_EQ(app.GetMainWnd()->GetActiveFrame()->GetDocument(), first);
    EXPECT_EQ(app.GetOpenProject(), first);
}

TEST_F(QuarnelAppTest, CancelOnASecondProjectKeepsTheFirst)
{
    const std::string one = MakeProject("One");
    const std::string two = MakeProject("Two");
    CQuarnelApp& app = Start();
    app.OpenDocumentFile(one);
    m_ui.ExpectMessage("Do you want to close the current project?", MsgAnswer::Cancel, MsgButtons::OkCancel);
    EXPECT_EQ(app.OpenDocumentFile(two), nullptr);
    ASSERT_NE(app.GetOpenProject(), nullptr);
    EXPECT_EQ(app.GetOpenProject()->GetPathName(), one);

    m_ui.ExpectMessage("Do you want to close the current project?", MsgAnswer::Ok, MsgButtons::OkCancel);
    ASSERT_NE(app.OpenDocumentFile(two), nullptr);
    ProcessDeletes();
    EXPECT_EQ(app.GetOpenProject()->GetPathName(), two);
    EXPECT_EQ(app.GetDocManager().GetDocuments().size(), 1u);
    EXPECT_EQ(app.Settings().m_recentProjects, std::vector<std::string>{one}) << "closing records the project";
    EXPECT_EQ(app.Settings().m_strLastOpen, one);
}

TEST_F(QuarnelAppTest, UpperCaseJprSkipsTheCloseQuestionButOpensAsAProject)
{
    const std::string one = MakeProject("Upper");
    const std::string upper = m_home.Dir().File("Upper/a.JPR");
    std::filesystem::copy_file(one, upper);
    CQuarnelApp& app = Start();
    app.OpenDocumentFile(one);
    CDocument* opened = app.OpenDocumentFile(upper);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->GetDocTemplate(), app.GetProjectTemplate());
    EXPECT_TRUE(m_ui.Messages().empty()) << "no close-project question";
}

TEST_F(QuarnelAppTest, NewApplicationProjectWritesItsFilesByteForByte)
{
    CQuarnelApp& app = Start();
    const std::string jpr = m_home.Dir().File("Foo/Foo.jpr");
    std::filesystem::create_directories(m_home.Dir().File("Foo"));
    m_ui.ExpectDialog("New Project", [](CModalDialog& dlg) {
        auto& project = static_cast<CNewProjectDlg&>(dlg);
        EXPECT_EQ(project.m_nProjectType, CNewProjectDlg::kEmpty);
        EXPECT_EQ(project.m_strClassName, "MyApp");
        project.m_nProjectType = CNewProjectDlg::kApplication;
        project.m_strClassName = "Foo";
        return kIdOk;
    });
    m_ui.ExpectSaveFile(jpr);
    ASSERT_TRUE(app.SendCommand(Cmd::ID_FILE_NEWPROJECT));
    EXPECT_EQ(m_ui.FileDialogs().back().initialName, "Foo.jpr");
    EXPECT_EQ(m_ui.FileDialogs().back().filter, "Java Projects (*.jpr)|*.jpr||");

    const std::string expected =
        "import java.awt.*;\r\nimport java.awt.event.*;\r\n\r\npublic class Foo extends Frame\r\n{\r\n"
        "\tpublic Foo()\r\n\t{\r\n\t\tthis.addWindowListener\t(new WindowAdapter(){\r\n"
        "\t\t\tpublic void windowClosing(WindowEvent e){\r\n\t\t\t\tdispose();\r\n\t\t\t\tSystem.exit(0);\r\n"
        "\t\t\t}\r\n\t\t});\r\n\t}\r\n\t\r\n\tpublic static void main(String args[])\r\n\t{\r\n"
        "\t\tSystem.out.println(\"Starting App\");\r\n\t\tFoo f = new Foo();\r\n"
        "\t\tf.setSize(100,100);\r\n\t\tf.show();\r\n\t}\r\n}";
    EXPECT_EQ(CTempDir::Read(m_home.Dir().File("Foo/Foo.java")), expected);

    CJavaProjectDoc* project = app.GetOpenProject();
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(project->GetPathName(), jpr);
    EXPECT_EQ(project->GetMainJavaFile(), "Foo.java");
    EXPECT_EQ(project->GetMainFolder(), m_home.Dir().File("Foo"));
    EXPECT_FALSE(project->IsModified()) << "saved after the source was added";
    EXPECT_EQ(app.GetMainWnd()->GetActiveFrame()->GetDocument()->GetPathName(), m_home.Dir().File("Foo/Foo.java"))
        << "the source is open in a window";
    EXPECT_EQ(app.GetDocManager().GetRecentFiles()[1], jpr) << "the saved project is in the File menu's list";
    const auto* windows = static_cast<CProjectWindowsQt*>(project->GetWindows());
    EXPECT_EQ(windows->GetProjectBar()->windowTitle(), "Foo.jpr") << "the bar made while untitled is renamed";
    EXPECT_EQ(windows->GetProjectTree()->GetTreeControl()->topLevelItem(0)->text(0), "Foo.java");

    // The project file on disk holds the source and names it as the main file.
    CTestProjectHost host;
    CJavaProjectDoc reloaded(host);
    ASSERT_TRUE(reloaded.OnOpenDocument(jpr));
    ASSERT_EQ(reloaded.GetJavaFiles().GetCount(), 1);
    EXPECT_EQ(reloaded.GetJavaFiles().GetAt(0)->GetPath(), m_home.Dir().File("Foo/Foo.java"));
    EXPECT_EQ(reloaded.GetMainJavaFile(), "Foo.java");
}

TEST_F(QuarnelAppTest, NewAppletProjectWritesItsPageAndSourceAndLeavesThePageClosed)
{
    CQuarnelApp& app = Start();
    std::filesystem::create_directories(m_home.Dir().File("Ap"));
    m_ui.ExpectDialog("New Project", [](CModalDialog& dlg) {
        auto& project = static_cast<CNewProjectDlg&>(dlg);
        project.m_nProjectType = CNewProjectDlg::kApplet;
        project.m_strClassName = "Foo";
        return kIdOk;
    });
    m_ui.ExpectSaveFile(m_home.Dir().File("Ap/Foo.jpr"));
    app.SendCommand(Cmd::ID_FILE_NEWPROJECT);
    const std::string page = CTempDir::Read(m_home.Dir().File("Ap/Example1.html"));
    EXPECT_EQ(page.size(), 202u - 3 * 5 + 13) << "three names five shorter, thirteen CR LF";
    EXPECT_NE(page.find("<TITLE>Foo Example1</TITLE>\r\n"), std::string::npos);
    EXPECT_NE(page.find("<APPLET CODE=\"Foo.class\" WIDTH=\"300\" HEIGHT=\"300\">"), std::string::npos);
    const std::string source = CTempDir::Read(m_home.Dir().File("Ap/Foo.java"));
    EXPECT_EQ(source.size(), 159u - 5 + 9);
    EXPECT_NE(source.find("public class Foo extends Applet\r\n"), std::string::npos);
    EXPECT_EQ(source.substr(source.size() - 2), "}\t");
    CJavaProjectDoc* project = app.GetOpenProject();
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(project->GetMainHtmlFile(), "Example1.html");
    EXPECT_EQ(project->GetPlainFilePath("Example1.html"), m_home.Dir().File("Ap/Example1.html"));
    EXPECT_EQ(WindowCount(), 2u) << "the project and its source; the page is not opened";
}

TEST_F(QuarnelAppTest, EmptyProjectStaysUntitledAndCancelledSaveAsKeepsItOpen)
{
    CQuarnelApp& app = Start();
    m_ui.ExpectDialog("New Project", [](CModalDialog&) { return kIdOk; });
    app.SendCommand(Cmd::ID_FILE_NEWPROJECT);
    ASSERT_NE(app.GetOpenProject(), nullptr);
    EXPECT_EQ(app.GetOpenProject()->GetPathName(), "");
    EXPECT_EQ(app.GetOpenProject()->GetTitle(), "JavaProject1");

    m_ui.ExpectMessage("Do you want to close the current project?", MsgAnswer::Ok, MsgButtons::OkCancel);
    m_ui.ExpectDialog("New Project", [](CModalDialog& dlg) {
        static_cast<CNewProjectDlg&>(dlg).m_nProjectType = CNewProjectDlg::kApplication;
        return kIdOk;
    });
    m_ui.ExpectSaveFile("");
    app.SendCommand(Cmd::ID_FILE_NEWPROJECT);
    ProcessDeletes();
    ASSERT_NE(app.GetOpenProject(), nullptr);
    EXPECT_EQ(app.GetOpenProject()->GetPathName(), "") << "the untitled project stays open";
}

TEST_F(QuarnelAppTest, NewDialogMakesTheChosenKindOfDocument)
{
    CQuarnelApp& app = Start();
    m_ui.ExpectDialog("New Ondrik Document", [](CModalDialog& dlg) {
        static_cast<CNewDocumentDlg&>(dlg).m_nSelected = CNewDocumentDlg::kHtmlPage;
        return kIdOk;
    });
    app.SendCommand(Cmd::ID_FILE_NEW);
    ASSERT_EQ(app.GetDocManager().GetDocuments().size(), 1u);
    EXPECT_EQ(app.GetDocManager().GetDocuments()[0]->GetTitle(), "HTMLDocument1");
    m_ui.ExpectDialog("New Ondrik Document", [](CModalDialog&) { return kIdCancel; });
    app.SendCommand(Cmd::ID_FILE_NEW);
    EXPECT_EQ(app.GetDocManager().GetDocuments().size(), 1u);
}

TEST_F(QuarnelAppTest, ProjectCommandsAreEnabledOnlyWithAProject)
{
    const std::string project = MakeProject("Cmds");
    CQuarnelApp& app = Start();
    EXPECT_FALSE(app.GetRouter().Update(Cmd::ID_PROJECT_ADDJAVAFILES).IsEnabled());
    EXPECT_FALSE(app.GetRouter().Update(Cmd::ID_BUILD_SHOWARCHIVE).IsEnabled());
    EXPECT_FALSE(app.GetRouter().Update(Cmd::ID_BUILD_COMPILE).IsEnabled());
    EXPECT_FALSE(app.GetRouter().Update(Cmd::ID_BUILD_BUILD).IsEnabled()) << "not built yet: stays disabled";
    EXPECT_TRUE(app.GetRouter().Update(Cmd::ID_FILE_PRINT_SETUP).IsEnabled()) << "no project nor window needed";
    app.OpenDocumentFile(project);
    app.OpenDocumentFile(m_home.Dir().File("Cmds/Cmds.java"));
    EXPECT_TRUE(app.GetRouter().Update(Cmd::ID_PROJECT_ADDHTMLFILE).IsEnabled());
    EXPECT_TRUE(app.GetRouter().Update(Cmd::ID_BUILD_SHOWARCHIVE).IsEnabled());
    m_ui.ExpectOpenFiles({m_home.Dir().File("Cmds/page.html")});
    EXPECT_TRUE(app.SendCommand(Cmd::ID_PROJECT_ADDHTMLFILE)) << "forwarded from a source window";
    EXPECT_EQ(app.GetOpenProject()->GetPlainFiles().GetCount(), 1);
}

// A window that compiles and runs, as the Java source window will.
class CBuildingView : public CCmdTarget {
public:
    CBuildingView()
    {
        OnCommand(Cmd::ID_BUILD_COMPILE, [] {});
        OnCommand(Cmd::ID_BUILD_RUN, [] {});
    }
};

TEST_F(QuarnelAppTest, CompileAndRunAreDisabledWhileACapturedRunIsActive)
{
    const std::string project = MakeProject("Busy");
    CQuarnelApp& app = Start();
    CBuildingView view;
    const CCommandRouter router([&] {
        std::vector<CCmdTarget*> route = app.CurrentRoute();
        route.insert(route.begin(), &view);
        return route;
    });
    const int ids[] = {Cmd::ID_BUILD_COMPILE, Cmd::ID_BUILD_RUN};
    for (int id : ids)
        EXPECT_FALSE(router.Update(id).IsEnabled()) << id << ": no project is open";
    app.OpenDocumentFile(project);
    for (int id : ids)
        EXPECT_TRUE(router.Update(id).IsEnabled()) << id;

    auto* commands = static_cast<CProjectRunCommands*>(app.GetOpenProject()->GetRunCommands());
    ASSERT_TRUE(commands->RunCaptured("/bin/sleep", "sleep 60", m_home.Dir().Path()));
    for (int id : ids)
        EXPECT_FALSE(router.Update(id).IsEnabled()) << id << ": a tool is running";
    EXPECT_TRUE(router.Update(Cmd::ID_BUILD_SHOWARCHIVE).IsEnabled()) << "listing a jar stays enabled";
    app.GetCapturedRun().TerminateCaptured(11);
    ASSERT_TRUE(app.GetCapturedRun().WaitUntilIdle(std::chrono::seconds(60)));
    for (int id : ids)
        EXPECT_TRUE(router.Update(id).IsEnabled()) << id << ": the run has ended";
}

TEST_F(QuarnelAppTest, CompilerMessageOpensItsSourceAtTheLine)
{
    const std::string project = MakeProject("Jump");
    m_home.Dir().Write("Jump/Jump.java", "class Jump {\r\n    int x\r\n}\r\n");
    CQuarnelApp& app = Start();
    app.OpenDocumentFile(project);
    app.GetOpenProject()->JumpToMessage("Jump.java:2: error: ';' expected\r\n", 0);
    CMDIChildWnd* frame = app.GetMainWnd()->GetActiveFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetDocument()->GetPathName(), m_home.Dir().File("Jump/Jump.java"));
    auto* view = dynamic_cast<CTextEditView*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetEditor()->selectedText(), "    int x") << "the line without its break";
}

// Catches a jump to the window already active that leaves the keys where the person clicked
// last, outside it (the Process Window's output, the project tree), so a fix typed at once is
// lost.
TEST_F(QuarnelAppTest, JumpToTheActiveWindowGivesItTheKeys)
{
    const std::string project = MakeProject("Keys");
    const std::string source = m_home.Dir().Write("Keys/Keys.java", "class Keys {\r\n    int x\r\n}\r\n");
    CQuarnelApp& app = Start();
    app.OpenDocumentFile(project);
    app.OpenDocumentFile(source);
    QApplication::setActiveWindow(app.GetMainWnd());
    QWidget* tree = static_cast<CProjectWindowsQt*>(app.GetOpenProject()->GetWindows())->GetProjectTree()->GetTreeControl();
    tree->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), tree);

    app.GetOpenProject()->JumpToMessage("Keys.java:2: error: ';' expected\r\n", 0);
    auto* view = dynamic_cast<CTextEditView*>(app.GetMainWnd()->GetActiveFrame()->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetDocument()->GetPathName(), source);
    EXPECT_EQ(view->GetEditor()->selectedText(), "    int x");
    EXPECT_SOON_EQ(QApplication::focusWidget(), static_cast<QWidget*>(view->GetEditor()));
}

// Through the whole program: a stand-in compiler's message in the Process Window, double-clicked,
// opens the project's file at the line the message names. Would catch a box whose line numbers
// differ from the jump rule's, a double-click that never reaches the project, or a project
// that does not keep the output as its last output.
TEST_F(QuarnelAppTest, DoubleClickOnACompilerLineInTheProcessWindowOpensTheFileAtItsLine)
{
    const std::string project = MakeProject("Main");
    m_home.Dir().Write("Main/Main.java", "class Main {\r\n    int x = ;\r\n}\r\n");
    const std::string javac = m_home.Dir().Write("jdk/bin/javac", "#!/bin/sh\necho 'Main.java:2: error: x'\nexit 1\n");
    ASSERT_EQ(::chmod(javac.c_str(), 0755), 0);
    CQuarnelApp& app = Start();
    app.GetMainWnd()->show();
    app.OpenDocumentFile(project);
    CJavaProjectDoc* doc = app.GetOpenProject();
    auto* commands = static_cast<CProjectRunCommands*>(doc->GetRunCommands());
    ASSERT_TRUE(commands->RunCaptured(javac, "javac Main.java", m_home.Dir().File("Main")));
    CProcessWindowDlgQt* window = static_cast<CProjectWindowsQt*>(doc->GetWindows())->GetProcessWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->IsWatching(); }, 60000));
    const std::string output = "Main.java:2: error: x\r\nExit code: 1\r\nThere were errors";
    ASSERT_EQ(window->Model().GetOutput().Text(), output);
    const QList<QLabel*> panes = app.GetMainFrame()->statusBar()->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(panes.begin(), panes.end(),
                            [](const QLabel* pane) { return pane->text() == "External process complete"; }));

    CProcessOutputBox* box = window->OutputBox();
    const int nHeight = QFontMetrics(box->font()).lineSpacing();
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(8, nHeight / 2));
    CMDIChildWnd* frame = app.GetMainWnd()->GetActiveFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetDocument()->GetPathName(), m_home.Dir().File("Main/Main.java"));
    auto* view = dynamic_cast<CTextEditView*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetEditor()->selectedText(), "    int x = ;");
    EXPECT_EQ(doc->GetLastCompileOutput(), output);
}

// Would catch a closed Process Window that takes its output with it, that stays in its bar, that
// View > Process Window cannot bring back, or that the next run cannot make again; and a window
// that goes without storing where it was.
TEST_F(QuarnelAppTest, ClosedProcessWindowLeavesItsOutputAndTheNextRunMakesItAgain)
{
    const std::string project = MakeProject("Again");
    CQuarnelApp& app = Start();
    app.GetMainWnd()->show();
    app.OpenDocumentFile(project);
    CJavaProjectDoc* doc = app.GetOpenProject();
    auto* windows = static_cast<CProjectWindowsQt*>(doc->GetWindows());
    auto* commands = static_cast<CProjectRunCommands*>(doc->GetRunCommands());
    ASSERT_TRUE(commands->RunCaptured("/bin/echo", "echo first", m_home.Dir().Path()));
    QPointer<CProcessWindowDlgQt> window = windows->GetProcessWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->IsWatching(); }, 60000));
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(doc->GetLastCompileOutput(), "first\r\nExit code: 0\r\nNo Errors");
    ProcessDeletes();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(windows->GetProcessBar()->isHidden());

    // View > Process Window is the way back to what the window showed.
    EXPECT_TRUE(doc->RunCommand(Cmd::ID_VIEW_PROCESSWINDOW));
    EXPECT_FALSE(windows->GetProcessBar()->isHidden());
    ASSERT_NE(windows->GetProcessWindow(), nullptr);
    EXPECT_EQ(windows->GetProcessBar()->GetChild(), windows->GetProcessWindow());
    EXPECT_EQ(windows->GetProcessWindow()->OutputBox()->ToPlainText(), "first\nExit code: 0\nNo Errors");

    ASSERT_TRUE(commands->RunCaptured("/bin/echo", "echo second", m_home.Dir().Path()));
    window = windows->GetProcessWindow();
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(windows->GetProcessBar()->isHidden());
    EXPECT_EQ(windows->GetProcessBar()->GetChild(), window.data());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->IsWatching(); }, 60000));
    EXPECT_EQ(window->OutputBox()->ToPlainText(), "second\nExit code: 0\nNo Errors");

    // The window goes with its project and stores its place on the screen at once.
    const QPoint topLeft = window->mapToGlobal(QPoint(0, 0));
    const QSize size = window->size();
    m_ui.ExpectMessage("Do you want to close the current project?", MsgAnswer::Ok, MsgButtons::OkCancel);
    ASSERT_TRUE(app.QueryCloseProject(nullptr));
    ProcessDeletes();
    EXPECT_TRUE(window.isNull());
    const CSettingsStore store(m_home.SettingsFile(), "Kestrune", "Ondrik");
    EXPECT_EQ(store.GetNumber("OPTIONS", "DLG_LEFT", 7), static_cast<std::uint32_t>(topLeft.x()));
    EXPECT_EQ(store.GetNumber("OPTIONS", "DLG_TOP", 7), static_cast<std::uint32_t>(topLeft.y()));
    EXPECT_EQ(store.GetNumber("OPTIONS", "DLG_RIGHT", 7), static_cast<std::uint32_t>(topLeft.x() + size.width()));
    EXPECT_EQ(store.GetNumber("OPTIONS", "DLG_BOTTOM", 7), static_cast<std::uint32_t>(topLeft.y() + size.height()));
}

TEST_F(QuarnelAppTest, RecentProjectsDialogOpensTheChosenProject)
{
    const std::string project = MakeProject("Recent");
    WriteSettings("[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\Tip]\n\"StartUp\"=dword:00000001\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS]\n\"RECENTSIZE\"=dword:00000001\n"
                  "\"RECENT0\"=\"" + project + "\"\n");
    CQuarnelApp& app = Start();
    m_ui.ExpectDialog("Recent Projects", [](CModalDialog& dlg) {
        auto& recent = static_cast<CRecentProjectsDlg&>(dlg);
        EXPECT_EQ(recent.Lines().size(), 1u);
        return recent.OnOK(0) ? kIdOk : kIdCancel;
    });
    app.SendCommand(Cmd::ID_FILE_RECENTPROJECTS);
    ASSERT_NE(app.GetOpenProject(), nullptr);
    EXPECT_EQ(app.GetOpenProject()->GetPathName(), project);
}

// F7, Ctrl+M and F5 pressed in a source window reach Build, Compile and Run, and their output
// reaches the Process Window; the editor must not take the keys first.
TEST_F(QuarnelAppTest, BuildCompileAndRunKeysWorkFromASourceWindow)
{
    const std::string project = MakeProject("Keys");
    // The stand-in compiler leaves the class file a run looks for.
    for (const char* tool : {"javac", "java"}) {
        const std::string path = m_home.Dir().Write(
            std::string("jdk/bin/") + tool,
            "#!/bin/sh\necho \"${0##*/} $*\"\nif [ \"${0##*/}\" = javac ]; then : > \"${1%.java}.class\"; fi\n");
        ::chmod(path.c_str(), 0755);
    }
    CQuarnelApp& app = Start();
    app.Settings().m_strJavaBin = m_home.Dir().File("jdk");
    app.Settings().m_nSaveComp = 0;
    app.OpenDocumentFile(project);
    app.OpenDocumentFile(m_home.Dir().File("Keys/Keys.java"));
    auto* view = dynamic_cast<CTextEditView*>(app.GetMainWnd()->GetActiveFrame()->GetActiveView());
    ASSERT_NE(view, nullptr);
    QApplication::setActiveWindow(app.GetMainWnd());
    view->GetEditor()->setFocus();
    auto* windows = static_cast<CProjectWindowsQt*>(app.GetOpenProject()->GetWindows());
    const std::pair<QKeySequence, std::string> keys[] = {
        {QKeySequence(Qt::Key_F7), "javac Keys.java"},
        {QKeySequence(Qt::CTRL | Qt::Key_M), "javac Keys.java"},
        {QKeySequence(Qt::Key_F5), "java Keys"},
    };
    for (const auto& [key, line] : keys) {
        const std::uint64_t nRunsBefore = app.GetCapturedRun().CurrentRunNumber();
        QTest::keySequence(view->GetEditor(), key);
        ASSERT_EQ(app.GetCapturedRun().CurrentRunNumber(), nRunsBefore + 1) << key.toString().toStdString();
        ASSERT_TRUE(app.GetCapturedRun().WaitUntilIdle(std::chrono::seconds(60)));
        EXPECT_EQ(app.GetCapturedRun().CopyOutput(), line + "\r\nExit code: 0\r\nNo Errors");
        ASSERT_TRUE(windows->HasProcessBar());
    }
    EXPECT_EQ(view->GetEditor()->text(), "class Keys {}\r\n") << "no key reached the text";
}

TEST_F(QuarnelAppTest, HelpOpensTheProgramsOwnGuide)
{
    CQuarnelApp& app = Start();
    const std::string help = m_home.Dir().File("install/ondrik.html");
    m_ui.ExpectMessage(help + "\nCannot find this file.\nPlease verify that the correct path and file name are given.");
    app.SendCommand(Cmd::ID_HELP_HELP);
    EXPECT_TRUE(m_shell.m_opened.empty());
    m_home.Dir().Write("install/ondrik.html", "<html></html>");
    app.SendCommand(Cmd::ID_HELP_HELP);
    EXPECT_EQ(m_shell.m_opened, std::vector<std::string>{help});
}

TEST_F(QuarnelAppTest, ClosingTheMainWindowStoresItsStateAndTheRecentProjects)
{
    CQuarnelApp& app = Start();
    app.Settings().AddRecentProject("/p/one.jpr");
    // Only a frame that is maximised and not minimised counts as maximised.
    const std::pair<Qt::WindowStates, std::uint32_t> states[] = {
        {Qt::WindowMaximized, 1},
        {Qt::WindowNoState, 0},
        {Qt::WindowMinimized, 0},
        {Qt::WindowMinimized | Qt::WindowMaximized, 0},
    };
    for (const auto& [state, stored] : states) {
        app.GetMainWnd()->show();
        app.GetMainWnd()->setWindowState(state);
        EXPECT_TRUE(app.GetMainWnd()->close());
        const CSettingsStore store(m_home.SettingsFile(), "Kestrune", "Ondrik");
        EXPECT_EQ(store.GetNumber("SETTINGS", "WINDOWSTATE", 7), stored) << state;
        EXPECT_EQ(store.GetString("OPTIONS", "LASTOPEN", "unset"), "");
        EXPECT_EQ(store.GetString("OPTIONS", "RECENT0", ""), "/p/one.jpr");
    }
}

TEST_F(QuarnelAppTest, SaveAllAsksEachChangedDocument)
{
    CQuarnelApp& app = Start();
    app.OpenNewDocumentOfType("JavaDocument");
    app.OpenNewDocumentOfType("HTMLDocument");
    for (CDocument* doc : app.GetDocManager().GetDocuments())
        doc->SetModifiedFlag();
    m_ui.ExpectMessage("Save changes to JavaDocument1?", MsgAnswer::No, MsgButtons::YesNoCancel);
    m_ui.ExpectMessage("Save changes to HTMLDocument1?", MsgAnswer::No, MsgButtons::YesNoCancel);
    app.SendCommand(Cmd::ID_FILE_SAVEALL);
}

TEST_F(QuarnelAppTest, CancelOnClosingKeepsEverythingOpenButTheStateIsAlreadyStored)
{
    CQuarnelApp& app = Start();
    app.OpenNewDocumentOfType("JavaDocument");
    app.GetDocManager().GetDocuments()[0]->SetModifiedFlag();
    app.GetMainWnd()->showNormal();
    m_ui.ExpectMessage("Save changes to JavaDocument1?", MsgAnswer::Cancel, MsgButtons::YesNoCancel);
    EXPECT_FALSE(app.GetMainWnd()->close());
    EXPECT_EQ(app.GetDocManager().GetDocuments().size(), 1u);
    const CSettingsStore store(m_home.SettingsFile(), "Kestrune", "Ondrik");
    EXPECT_EQ(store.GetNumber("SETTINGS", "WINDOWSTATE", 7), 0u);
    EXPECT_EQ(store.GetString("OPTIONS", "LASTOPEN", "unset"), "");
}

// A source window keeps the file's bytes exactly: every kind of line end, tabs, NULs and bytes
// that are not UTF-8 come back unchanged when the file is saved.
TEST_F(QuarnelAppTest, SourceAndPageWindowsSaveTheFilesBytesUnchanged)
{
    const std::string bytes = std::string("class A {\r\n\tint x;\n\r}\rtail \xE9\xFF ", 31) + std::string(1, '\0') + "end";
    CQuarnelApp& app = Start();
    for (const char* name : {"A.java", "page.html"}) {
        const std::string path = m_home.Dir().Write(name, bytes);
        CDocument* doc = app.OpenDocumentFile(path);
        ASSERT_NE(doc, nullptr);
        EXPECT_FALSE(doc->IsModified());
        const std::string copy = m_home.Dir().File(std::string("copy-") + name);
        ASSERT_TRUE(doc->OnSaveDocument(copy));
        EXPECT_EQ(CTempDir::Read(copy), bytes) << name;
    }
}

TEST_F(QuarnelAppTest, OpeningAProjectDocksItsProjectWindowBarAtTheLeft)
{
    const std::string project = MakeProject("Bars");
    CQuarnelApp& app = Start();
    app.OpenDocumentFile(project);
    auto* windows = static_cast<CProjectWindowsQt*>(app.GetOpenProject()->GetWindows());
    ASSERT_NE(windows, nullptr);
    QPointer<CProjectWindowBar> bar = windows->GetProjectBar();
    ASSERT_TRUE(windows->HasProjectBar());
    EXPECT_EQ(app.GetMainFrame()->dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    EXPECT_EQ(bar->windowTitle(), "Bars.jpr");
    EXPECT_TRUE(app.GetOpenProject()->IsProjectWindowShown());
    // The bar's child shows what the project holds, and follows its changes.
    QTreeWidget* tree = windows->GetProjectTree()->GetTreeControl();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Bars.java");
    app.GetOpenProject()->AddPlainFile(m_home.Dir().File("Bars/page.html"));
    app.GetOpenProject()->RefreshViews();
    EXPECT_EQ(tree->topLevelItem(1)->text(0), "page.html");

    // The toolbar button and the menu item hide and show the same bar.
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(app.SendCommand(Cmd::ID_VIEW_PROJECTWINDOWBUTTON));
    EXPECT_TRUE(bar->isHidden());
    app.OpenDocumentFile(m_home.Dir().File("Bars/Bars.java"));
    EXPECT_TRUE(app.SendCommand(Cmd::ID_VIEW_PROJECTWINDOW)) << "forwarded from a source window";
    EXPECT_FALSE(bar->isHidden());

    // Closing the project hides its bar and the bar goes with it.
    m_ui.ExpectMessage("Do you want to close the current project?", MsgAnswer::Ok, MsgButtons::OkCancel);
    ASSERT_TRUE(app.QueryCloseProject(nullptr));
    ProcessDeletes();
    EXPECT_TRUE(bar.isNull());
    EXPECT_FALSE(app.GetRouter().Update(Cmd::ID_VIEW_PROJECTWINDOWBUTTON).IsEnabled());
}

TEST_F(QuarnelAppTest, FirstCapturedRunDocksTheProcessWindowBarAtTheBottom)
{
    const std::string project = MakeProject("Runs");
    CQuarnelApp& app = Start();
    app.OpenDocumentFile(project);
    CJavaProjectDoc* doc = app.GetOpenProject();
    auto* windows = static_cast<CProjectWindowsQt*>(doc->GetWindows());
    EXPECT_FALSE(app.GetRouter().Update(Cmd::ID_VIEW_PROCESSWINDOW).IsEnabled()) << "no run yet";
    EXPECT_FALSE(app.SendCommand(Cmd::ID_VIEW_PROCESSWINDOW));
    EXPECT_FALSE(windows->HasProcessBar());

    auto* commands = static_cast<CProjectRunCommands*>(doc->GetRunCommands());
    ASSERT_NE(commands, nullptr);
    ASSERT_TRUE(commands->RunCaptured("/bin/echo", "echo hello from the run", m_home.Dir().Path()));
    ASSERT_TRUE(windows->HasProcessBar());
    QPointer<CProcessWindowBar> bar = windows->GetProcessBar();
    EXPECT_EQ(app.GetMainFrame()->dockWidgetArea(bar), Qt::BottomDockWidgetArea);
    EXPECT_EQ(bar->windowTitle(), "Process Window");
    ASSERT_TRUE(app.GetCapturedRun().WaitUntilIdle(std::chrono::seconds(60)));
    CProcessWindowDlgQt* window = windows->GetProcessWindow();
    ASSERT_NE(window, nullptr);
    for (int i = 0; i < 100 && window->IsWatching(); ++i)
        QTest::qWait(CProcessWindowDlg::kTickMs);
    EXPECT_EQ(window->OutputBox()->ToPlainText(), "hello from the run\nExit code: 0\nNo Errors");

    const CCmdUI shown = app.GetRouter().Update(Cmd::ID_VIEW_PROCESSWINDOW);
    EXPECT_TRUE(shown.IsEnabled());
    EXPECT_TRUE(shown.IsChecked());
    EXPECT_TRUE(app.SendCommand(Cmd::ID_VIEW_PROCESSWINDOW));
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(app.GetRouter().Update(Cmd::ID_VIEW_PROCESSWINDOW).IsChecked());

    // The next run shows the hidden bar again, with only its own output.
    ASSERT_TRUE(commands->RunCaptured("/bin/echo", "echo second", m_home.Dir().Path()));
    EXPECT_FALSE(bar->isHidden());
    ASSERT_TRUE(app.GetCapturedRun().WaitUntilIdle(std::chrono::seconds(60)));
    window->OnTimer();
    EXPECT_EQ(window->OutputBox()->ToPlainText(), "second\nExit code: 0\nNo Errors");

    // From a source window the command reaches the project too: the window closed with Escape
    // has a way back wherever the person is.
    app.OpenDocumentFile(m_home.Dir().File("Runs/Runs.java"));
    EXPECT_TRUE(app.GetRouter().Update(Cmd::ID_VIEW_PROCESSWINDOW).IsChecked());
    EXPECT_TRUE(app.SendCommand(Cmd::ID_VIEW_PROCESSWINDOW));
    EXPECT_TRUE(bar->isHidden());
}

namespace {

// Gone, or only waiting to be reaped by whoever took it over.
bool ProcessEnded(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(stat, text))
        return true;
    const std::size_t close = text.rfind(')');
    return close != std::string::npos && close + 2 < text.size() && text[close + 2] == 'Z';
}

}  // namespace

// Would catch File > Exit that leaves a running tool and what it started behind as orphans, that
// ends them without asking, or that goes on closing after Cancel.
TEST_F(QuarnelAppTest, ExitWithARunActiveAsksThenEndsTheRunAndItsGroup)
{
    CQuarnelApp& app = Start();
    app.GetMainWnd()->show();
    CCapturedRun& run = app.GetCapturedRun();
    ASSERT_TRUE(run.StartCaptured("/bin/sh", R"(sh -c "sleep 600 & echo $!; wait")", m_home.Dir().Path()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return run.CopyOutput().find('\n') != std::string::npos; }, 60000));
    const pid_t sleeper = std::stoi(run.CopyOutput());

    m_ui.ExpectMessage(CProcessWindowDlg::kAbortQuestion, MsgAnswer::Cancel, MsgButtons::OkCancel);
    EXPECT_FALSE(app.GetMainWnd()->close());
    EXPECT_TRUE(run.IsRunning());
    m_ui.ExpectMessage(CProcessWindowDlg::kAbortQuestion, MsgAnswer::Ok, MsgButtons::OkCancel);
    app.SendCommand(Cmd::ID_APP_EXIT);
    EXPECT_FALSE(run.IsRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ProcessEnded(sleeper); }, 60000)) << "the tool's group is gone";
    EXPECT_FALSE(app.GetMainWnd()->isVisible());
}

// Would catch a run that outlives its project: nothing would be left to stop it, and Compile
// and Run would stay disabled for every project opened after.
TEST_F(QuarnelAppTest, ClosingTheProjectEndsItsRun)
{
    const std::string project = MakeProject("Busy");
    CQuarnelApp& app = Start();
    ASSERT_NE(app.OpenDocumentFile(project), nullptr);
    CCapturedRun& run = app.GetCapturedRun();
    auto* commands = static_cast<CProjectRunCommands*>(app.GetOpenProject()->GetRunCommands());
    ASSERT_TRUE(commands->RunCaptured("/bin/sh", R"(sh -c "sleep 600 & echo $!; wait")", m_home.Dir().Path()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return run.CopyOutput().find('\n') != std::string::npos; }, 60000));
    const pid_t sleeper = std::stoi(run.CopyOutput());

    m_ui.ExpectMessage("Do you want to close the current project?", MsgAnswer::Ok, MsgButtons::OkCancel);
    ASSERT_TRUE(app.SendCommand(Cmd::ID_FILE_CLOSEPROJECT));
    EXPECT_EQ(app.GetOpenProject(), nullptr);
    EXPECT_FALSE(run.IsRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ProcessEnded(sleeper); }, 60000)) << "the tool's group is gone";
}

// Would catch a first run whose Process Window does not take what is typed next (it would go
// into the source instead of to the program), and a focus left in the Process Window once the
// program has ended.
TEST_F(QuarnelAppTest, WhatIsTypedAfterF5GoesToTheProgramAndTheFocusComesBack)
{
    const std::string project = MakeProject("Ask");
    m_home.Dir().Write("Ask/Ask.class", "");
    const std::string java = m_home.Dir().Write("jdk/bin/java", "#!/bin/sh\nprintf 'name? '\nread a\necho \"got $a\"\n");
    ASSERT_EQ(::chmod(java.c_str(), 0755), 0);
    CQuarnelApp& app = Start();
    app.Settings().m_strJavaBin = m_home.Dir().File("jdk");
    app.GetMainWnd()->show();
    app.OpenDocumentFile(project);
    app.OpenDocumentFile(m_home.Dir().File("Ask/Ask.java"));
    auto* view = dynamic_cast<CTextEditView*>(app.GetMainWnd()->GetActiveFrame()->GetActiveView());
    ASSERT_NE(view, nullptr);
    QApplication::setActiveWindow(app.GetMainWnd());
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.GetMainWnd()));
    view->GetEditor()->setFocus();
    QTest::keyClick(view->GetEditor(), Qt::Key_F5);
    CProcessWindowDlgQt* window = static_cast<CProjectWindowsQt*>(app.GetOpenProject()->GetWindows())->GetProcessWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->InputLine()->hasFocus(); }, 60000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->OutputBox()->ToPlainText() == "name? "; }, 60000));
    QTest::keyClicks(QApplication::focusWidget(), "Ann");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->IsWatching(); }, 60000));
    EXPECT_EQ(window->OutputBox()->ToPlainText(), "name? Ann\ngot Ann\nExit code: 0\nNo Errors");
    EXPECT_EQ(QApplication::focusWidget(), view->GetEditor());
    EXPECT_EQ(view->GetEditor()->text(), "class Ask {}\r\n");
}
