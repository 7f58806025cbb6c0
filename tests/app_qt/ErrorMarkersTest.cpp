// A compile's messages in the running program: the marks they leave in the sources, open or
// opened later, and F4 and Shift+F4 walking them from wherever the keys are.
#include "QuarnelAppFixture.h"

#include "editor/qt/SyntaxWindowView.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/CommandRouter.h"
#include "platform/Paths.h"
#include "projectwindow/qt/ProjectTreePane.h"
#include "projectwindow/qt/ProjectWindowsQt.h"
#include "run/qt/ProcessOutputBox.h"

#include "support/QtWait.h"

#include <Qsci/qsciscintilla.h>

#include <QLabel>
#include <QStatusBar>
#include <QTreeWidget>

#include <filesystem>
#include <ostream>

#include <sys/stat.h>

namespace {

class ErrorMarkersTest : public QuarnelAppTest {
protected:
    // A project of the given sources in folder name, the first its main file.
    std::string MakeProjectOf(const std::string& name, const std::vector<std::pair<std::string, std::string>>& files)
    {
        const std::string folder = m_home.Dir().File(name);
        CScriptedUi ui;
        CRecordingShell shell;
        CQuarnelApp maker(ui, shell, Environment());
        CJavaProjectDoc project(maker.ProjectHost());
        project.SetPathName(folder + "/" + name + ".jpr");
        for (const auto& [file, text] : files)
            project.AddJavaFile(m_home.Dir().Write(name + "/" + file, text));
        project.SetMainJavaFile(Paths::NameOf(files.front().first));
        EXPECT_TRUE(project.OnSaveDocument(project.GetPathName()));
        return project.GetPathName();
    }

    CProjectWindowsQt& Windows() const
    {
        return *static_cast<CProjectWindowsQt*>(m_app->GetOpenProject()->GetWindows());
    }

    // Presses the keys in target and waits for the run they start to show its end.
    void BuildFrom(QWidget* target, QKeySequence keys = QKeySequence(Qt::Key_F7))
    {
        const std::uint64_t nRuns = m_app->GetCapturedRun().CurrentRunNumber();
        QTest::keySequence(target, keys);
        ASSERT_EQ(m_app->GetCapturedRun().CurrentRunNumber(), nRuns + 1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Windows().GetProcessWindow()->IsWatching(); }, 60000));
    }

    CSyntaxWindowView* ViewOf(const std::string& path) const
    {
        for (CDocument* doc : m_app->GetDocManager().GetDocuments()) {
            if (doc->GetPathName() == path)
                return dynamic_cast<CSyntaxWindowView*>(m_app->GetDocManager().FramesOf(*doc).front()->GetActiveView());
        }
        return nullptr;
    }

    // Where a key took the person: the active window's file, its selection, the keys' widget,
    // the Process Window's selected line and the status bar's message.
    struct CPlace {
        std::string strFile;
        std::string strSelected;
        int nOutputLine = -1;
        std::string strStatus;
        bool operator==(const CPlace&) const = default;
        friend void PrintTo(const CPlace& place, std::ostream* os)
        {
            *os << place.strFile << " \"" << place.strSelected << "\" output line " << place.nOutputLine << " \""
                << place.strStatus << "\"";
        }
    };
    CPlace PlaceAfter(QWidget* target, QKeySequence keys)
    {
        QTest::keySequence(target, keys);
        CPlace place;
        auto* view = dynamic_cast<CSyntaxWindowView*>(m_app->GetMainWnd()->GetActiveFrame()->GetActiveView());
        if (view != nullptr) {
            place.strFile = Paths::NameOf(view->GetDocument()->GetPathName());
            place.strSelected = view->GetEditor()->selectedText().toStdString();
            EXPECT_SOON_EQ(QApplication::focusWidget(), static_cast<QWidget*>(view->GetEditor()));
        }
        CProcessOutputBox* box = Windows().GetProcessWindow()->OutputBox();
        if (box->HasSelection() && box->SelectedText() == box->ToPlainText().split('\n').value(box->CaretLine()))
            place.nOutputLine = box->CaretLine();
        place.strStatus = m_app->GetMainFrame()->GetMessageText().toStdString();
        return place;
    }
};

const QKeySequence kNext(Qt::Key_F4);
const QKeySequence kPrevious(Qt::SHIFT | Qt::Key_F4);

}  // namespace

// Through the keys, with a stand-in compiler: would catch marks left out of a file opened after
// the build, marks that do not follow the edits or that the next build leaves behind, a walk out
// of order or past its ends without a word, a Process Window line left unselected, and F4 that
// does not reach the command from the Process Window or the project tree or leaves the keys
// there.
TEST_F(ErrorMarkersTest, BuildMarksTheSourcesAndF4WalksTheMessages)
{
    const std::string project = MakeProjectOf(
        "Walk", {{"A.java", "class A {\n    int x\n\n    List l;\n}\n"}, {"B.java", "class B {\n    void f() {\n        foo();\n    }\n}\n"}});
    const std::string messages = m_home.Dir().Write(
        "messages", "A.java:2: error: ';' expected\n    int x\n         ^\n"
                    "B.java:3: error: cannot find symbol\n        foo();\n        ^\n"
                    "  symbol:   method foo()\n  location: class B\n"
                    "A.java:4: warning: [rawtypes] found raw type: List\n    List l;\n    ^\n"
                    "\tat A.main(A.java:1)\n2 errors\n1 warning\n");
    const std::string javac = m_home.Dir().Write("jdk/bin/javac", "#!/bin/sh\ncat '" + messages + "'\nexit 1\n");
    ASSERT_EQ(::chmod(javac.c_str(), 0755), 0);
    CQuarnelApp& app = Start();
    app.Settings().m_strJavaBin = m_home.Dir().File("jdk");
    app.Settings().m_nSaveComp = 0;
    app.GetMainWnd()->show();
    app.OpenDocumentFile(project);
    const std::string a = m_home.Dir().File("Walk/A.java");
    const std::string b = m_home.Dir().File("Walk/B.java");
    CSyntaxWindowView* viewA = OpenView<CSyntaxWindowView>(a);
    ASSERT_NE(viewA, nullptr);
    EXPECT_FALSE(app.GetRouter().Update(Cmd::ID_BUILD_NEXTERROR).IsEnabled()) << "no output yet";

    BuildFrom(viewA->GetEditor());
    EXPECT_EQ(viewA->GetLineMarkers(),
              (std::vector<CLineMarker>{{1, EMarkerKind::Error, "error: ';' expected"},
                                        {3, EMarkerKind::Warning, "warning: [rawtypes] found raw type: List"}}));
    EXPECT_TRUE(app.GetRouter().Update(Cmd::ID_BUILD_NEXTERROR).IsEnabled());
    // A line typed above the marks moves them, and the walk goes where they are.
    viewA->GetTextModel().Replace(0, 0, "import java.util.*;\n");

    const CPlace first = PlaceAfter(viewA->GetEditor(), kNext);
    EXPECT_EQ(first, (CPlace {"A.java", "    int x", 0, "A.java:2: error: ';' expected"}));
    const CPlace second = PlaceAfter(Windows().GetProcessWindow()->OutputBox(), kNext);
    EXPECT_EQ(second, (CPlace {"B.java", "        foo();", 3, "B.java:3: error: cannot find symbol"}));
    CSyntaxWindowView* viewB = ViewOf(b);
    ASSERT_NE(viewB, nullptr);
    EXPECT_EQ(viewB->GetLineMarkers(),
              (std::vector<CLineMarker>{
                  {2, EMarkerKind::Error, "error: cannot find symbol\nsymbol:   method foo()\nlocation: class B"}}))
        << "opened after the build, with javac's lines under the message";
    QTreeWidget* tree = Windows().GetProjectTree()->GetTreeControl();
    tree->setFocus();
    const CPlace third = PlaceAfter(tree, kNext);
    EXPECT_EQ(third, (CPlace {"A.java", "    List l;", 8, "A.java:4: warning: [rawtypes] found raw type: List"}));
    const CPlace frame = PlaceAfter(viewA->GetEditor(), kNext);
    EXPECT_EQ(frame, (CPlace {"A.java", "import java.util.*;", 11, "at A.main(A.java:1)"}))
        << "a stack-trace line opens as its double-click does, at the line it names";
    EXPECT_EQ(PlaceAfter(viewA->GetEditor(), kNext), (CPlace {"A.java", "import java.util.*;", 11, "No more messages"}));
    EXPECT_EQ(PlaceAfter(viewA->GetEditor(), kPrevious), third);
    EXPECT_EQ(PlaceAfter(viewA->GetEditor(), kPrevious), second);
    EXPECT_EQ(PlaceAfter(viewB->GetEditor(), kPrevious), first);
    EXPECT_EQ(PlaceAfter(viewA->GetEditor(), kPrevious).strStatus, "No more messages");

    // Saved and closed, A opens again with its marks where the edits took them.
    ASSERT_TRUE(viewA->GetDocument()->DoFileSave());
    app.GetDocManager().CloseDocument(*viewA->GetDocument());
    viewA = OpenView<CSyntaxWindowView>(a);
    ASSERT_NE(viewA, nullptr);
    EXPECT_EQ(viewA->GetLineMarkers(),
              (std::vector<CLineMarker>{{2, EMarkerKind::Error, "error: ';' expected"},
                                        {4, EMarkerKind::Warning, "warning: [rawtypes] found raw type: List"}}));

    // The next build: A has nothing to say any more, B something else.
    m_home.Dir().Write("messages", "B.java:1: warning: deprecated\nclass B {\n^\n1 warning\n");
    BuildFrom(viewB->GetEditor());
    EXPECT_TRUE(viewA->GetLineMarkers().empty());
    EXPECT_EQ(viewB->GetLineMarkers(), (std::vector<CLineMarker>{{0, EMarkerKind::Warning, "warning: deprecated"}}));

    // The marks belong to the project's session: they go with it.
    m_ui.ExpectMessage("Do you want to close the current project?", MsgAnswer::Ok, MsgButtons::OkCancel);
    ASSERT_TRUE(app.QueryCloseProject(nullptr));
    EXPECT_TRUE(viewB->GetLineMarkers().empty());
}

// The JDK's own javac on a packaged project with three errors in two files: would catch paths
// written from the source root that resolve nowhere, javac's quoted source lines taken for
// messages, and a walk that misses one or goes out of javac's order.
TEST_F(ErrorMarkersTest, RealJavacErrorsInTwoFilesOfAPackageAreMarkedAndWalked)
{
    const std::string jdk = "/usr/lib/jvm/default-java";
    if (!std::filesystem::exists(jdk + "/bin/javac"))
        GTEST_SKIP() << "no JDK at " << jdk;
    const std::string project = MakeProjectOf(
        "Real", {{"src/app/Main.java", "package app;\n\npublic class Main {\n    public static void main(String[] a) {\n"
                                       "        int x = \"text\";\n        Util.missing();\n    }\n}\n"},
                 {"src/app/Util.java", "package app;\n\nclass Util {\n    static void f() {\n        return 1;\n    }\n}\n"}});
    CQuarnelApp& app = Start();
    app.Settings().m_strJavaBin = jdk;
    app.Settings().m_nSaveComp = 0;
    app.GetMainWnd()->show();
    app.OpenDocumentFile(project);
    CSyntaxWindowView* main = OpenView<CSyntaxWindowView>(m_home.Dir().File("Real/src/app/Main.java"));
    ASSERT_NE(main, nullptr);
    BuildFrom(main->GetEditor());
    ASSERT_NE(Windows().GetProcessWindow()->Model().GetOutput().Text().find("3 errors"), std::string::npos)
        << Windows().GetProcessWindow()->Model().GetOutput().Text();

    std::vector<std::pair<int, EMarkerKind>> marked;
    for (const CLineMarker& marker : main->GetLineMarkers())
        marked.emplace_back(marker.nLine, marker.kind);
    EXPECT_EQ(marked, (std::vector<std::pair<int, EMarkerKind>>{{4, EMarkerKind::Error}, {5, EMarkerKind::Error}}));

    std::vector<std::pair<std::string, std::string>> walked;
    for (int i = 0; i < 4; ++i) {
        const CPlace place = PlaceAfter(QApplication::focusWidget(), kNext);
        walked.emplace_back(place.strFile, place.strStatus == "No more messages" ? place.strStatus : place.strSelected);
    }
    EXPECT_EQ(walked, (std::vector<std::pair<std::string, std::string>>{{"Main.java", "        int x = \"text\";"},
                                                                        {"Main.java", "        Util.missing();"},
                                                                        {"Util.java", "        return 1;"},
                                                                        {"Util.java", "No more messages"}}));
    CSyntaxWindowView* util = ViewOf(m_home.Dir().File("Real/src/app/Util.java"));
    ASSERT_NE(util, nullptr);
    ASSERT_EQ(util->GetLineMarkers().size(), 1u);
    EXPECT_EQ(util->GetLineMarkers()[0].nLine, 4);
    EXPECT_TRUE(util->GetLineMarkers()[0].strMessage.starts_with("error: ")) << util->GetLineMarkers()[0].strMessage;
}
