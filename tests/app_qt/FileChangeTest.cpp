// Files changed or removed by another program under an open window, as the user meets them: the
// window notices by itself, reloads what it may, asks before losing the user's changes, and
// never writes over the other program's version unasked.
#include "QuarnelAppFixture.h"

#include "app/qt/FileChangeWatcher.h"
#include "editor/SyntaxWindowDoc.h"
#include "editor/TextModel.h"
#include "editor/qt/TextEditView.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "project/JavaFile.h"

#include "support/QtWait.h"
#include "support/TempDir.h"

#include <Qsci/qsciscintilla.h>

#include <filesystem>

namespace {

std::string WithPath(std::string text, const std::string& path)
{
    return text.replace(text.find("%1"), 2, path);
}

class FileChangeTest : public QuarnelAppTest {
protected:
    bool SoonAnswered() { return QTest::qWaitFor([&] { return m_ui.AllAnswered(); }, 5000); }
};

}  // namespace

// Would fail if a window without changes of its own kept the old text of a file another program
// changed, lost the caret's line, or took the reload for a change of the user's.
TEST_F(FileChangeTest, AnUnmodifiedWindowReloadsKeepingTheCaretsLine)
{
    const std::string path = m_home.Dir().Write("A.java", "class A {\n  int a;\n  int b;\n}\n");
    Start();
    auto* view = OpenView<CTextEditView>(path);
    CTextModel& text = view->GetTextModel();
    text.SetSelection(text.LineStart(2) + 2, text.LineStart(2) + 2);

    const std::string changed = "// a line before\nclass A {\n  int a;\n  int b;\n  int c;\n}\n";
    m_home.Dir().Write("A.java", changed);
    EXPECT_SOON_EQ(view->GetText(), changed);
    EXPECT_EQ(text.LineFromPosition(text.GetSelection().nEnd), 2);
    EXPECT_EQ(text.GetSelection().nEnd, text.LineStart(2) + 2);
    EXPECT_FALSE(view->GetDocument()->IsModified());
}

// Would fail if a window with changes of its own were reloaded without asking, were asked again
// about a version the user chose to keep, or if Save wrote over the other program's version
// without asking.
TEST_F(FileChangeTest, AModifiedWindowAsksAndSaveAsksBeforeWritingOverTheChange)
{
    const std::string path = m_home.Dir().Write("B.java", "class B {}\n");
    Start();
    auto* view = OpenView<CTextEditView>(path);
    QTest::keyClicks(view->GetEditor(), "mine ");

    m_ui.ExpectMessage(WithPath(CFileChangeWatcher::kReloadQuestion, path), MsgAnswer::No, MsgButtons::YesNo);
    m_home.Dir().Write("B.java", "theirs\n");
    ASSERT_TRUE(SoonAnswered());
    EXPECT_EQ(view->GetText(), "mine class B {}\n");
    m_app->GetFileWatcher()->CheckAll();

    m_ui.ExpectMessage(WithPath(CDocument::kChangedOnDiskSave, path), MsgAnswer::Yes, MsgButtons::YesNo);
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_FILE_SAVE));
    EXPECT_EQ(CTempDir::Read(path), "mine class B {}\n");

    QTest::keyClicks(view->GetEditor(), "more ");
    m_ui.ExpectMessage(WithPath(CFileChangeWatcher::kReloadQuestion, path), MsgAnswer::Yes, MsgButtons::YesNo);
    m_home.Dir().Write("B.java", "theirs again\n");
    ASSERT_TRUE(SoonAnswered());
    EXPECT_EQ(view->GetText(), "theirs again\n");
    EXPECT_FALSE(view->GetDocument()->IsModified());
}

// Would fail if a removed file went unsaid or were reported again at every look, whether its
// window has changes or not, or if Save then went through Save As instead of writing it again.
TEST_F(FileChangeTest, ARemovedFileIsReportedOnceAndSaveWritesItAgain)
{
    const std::string kept = m_home.Dir().Write("Kept.html", "<p>kept</p>\n");
    const std::string edited = m_home.Dir().Write("Edited.html", "<p>edited</p>\n");
    Start();
    OpenView<CTextEditView>(kept);
    auto* view = OpenView<CTextEditView>(edited);
    QTest::keyClicks(view->GetEditor(), "<!-- mine -->");

    const std::string removed = std::string(CFileChangeWatcher::kRemovedMessage) + CFileChangeWatcher::kRemovedTextAddition;
    m_ui.ExpectMessage(WithPath(removed, kept));
    m_ui.ExpectMessage(WithPath(removed, edited));
    std::filesystem::remove(kept);
    std::filesystem::remove(edited);
    ASSERT_TRUE(SoonAnswered());
    m_app->GetFileWatcher()->CheckAll();

    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_FILE_SAVE));
    EXPECT_EQ(CTempDir::Read(edited), "<!-- mine --><p>edited</p>\n");
    EXPECT_FALSE(view->GetDocument()->IsModified());
}

// Would fail if a project file another program changed were read in behind the user's back, went
// unsaid, or were written over when the project closes without the user saying so.
TEST_F(FileChangeTest, AChangedProjectFileIsReportedNotMerged)
{
    const std::string path = MakeProject("Demo");
    Start();
    ASSERT_NE(m_app->OpenDocumentFile(path), nullptr);
    CJavaProjectDoc* project = m_app->GetOpenProject();

    m_ui.ExpectMessage(WithPath(CFileChangeWatcher::kProjectChangedMessage, path));
    const std::string theirs(14, '\0');
    m_home.Dir().Write("Demo/Demo.jpr", theirs);
    ASSERT_TRUE(SoonAnswered());
    EXPECT_EQ(project->GetJavaFiles().GetCount(), 1) << "not read in";

    project->SetModifiedFlag();
    m_ui.ExpectMessage("Do you want to close the current project?", MsgAnswer::Ok, MsgButtons::OkCancel);
    m_ui.ExpectMessage(WithPath(CDocument::kChangedOnDiskSave, path), MsgAnswer::No, MsgButtons::YesNo);
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_FILE_CLOSEPROJECT));
    EXPECT_EQ(m_app->GetOpenProject(), nullptr);
    EXPECT_EQ(CTempDir::Read(path), theirs);
}

// Would fail if a reload took the window's breakpoints with the old lines, so that the next
// toggle, which reads the window's marks, dropped them from the project too.
TEST_F(FileChangeTest, AReloadKeepsTheBreakpointsOnTheirLines)
{
    const std::string path = MakeProject("Demo");
    const std::string source = m_home.Dir().Write("Demo/Demo.java", "class Demo {\n  int a;\n  int b;\n}\n");
    Start();
    ASSERT_NE(m_app->OpenDocumentFile(path), nullptr);
    CJavaProjectDoc* project = m_app->GetOpenProject();
    auto* view = OpenView<CTextEditView>(source);
    ASSERT_NE(view, nullptr);
    auto* doc = dynamic_cast<CSyntaxWindowDoc*>(view->GetDocument());
    ASSERT_NE(doc, nullptr);
    ASSERT_TRUE(doc->ToggleBreakpoint(2));

    const std::string changed = "class Demo {\n  int a = 1;\n  int b = 2;\n}\n";
    m_home.Dir().Write("Demo/Demo.java", changed);
    EXPECT_SOON_EQ(view->GetText(), changed);
    EXPECT_EQ(view->GetTextModel().GetMarkedLines(ELineMark::Breakpoint), std::vector<int>{2});
    ASSERT_TRUE(doc->ToggleBreakpoint(0));
    EXPECT_EQ(project->GetBreakpoints().LinesOf(source), (std::vector<int>{0, 2}));
}
