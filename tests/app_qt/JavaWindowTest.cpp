#include "QuarnelAppFixture.h"

#include "editor/ColourClass.h"
#include "editor/SyntaxWindowDoc.h"
#include "editor/TextModel.h"
#include "editor/qt/ChildFrame.h"
#include "editor/qt/FunctionList.h"
#include "editor/qt/SyntaxWindowView.h"
#include "app/AppResources.h"
#include "framework/CommandIds.h"
#include "framework/Resources.h"
#include "framework/qt/MDIChildWnd.h"
#include "project/JavaClass.h"
#include "project/JavaFile.h"

#include "support/QtWait.h"

#include <Qsci/qsciscintilla.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {

// The classes as letters, k keyword, c comment, s string, n normal, line breaks as they are.
std::string Letters(std::string_view text, std::string_view classes)
{
    std::string letters;
    for (std::size_t i = 0; i < classes.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            letters += text[i];
            continue;
        }
        switch (classes[i]) {
        case ColourClass::kKeyword: letters += 'k'; break;
        case ColourClass::kComment: letters += 'c'; break;
        case ColourClass::kString: letters += 's'; break;
        default: letters += 'n'; break;
        }
    }
    return letters;
}

class JavaWindowTest : public QuarnelAppTest {
protected:
    CSyntaxWindowView* Open(const std::string& path) { return OpenView<CSyntaxWindowView>(path); }

    static std::vector<std::string> Listed(const CSyntaxWindowView& view)
    {
        std::vector<std::string> entries;
        const CFunctionList* list = static_cast<CChildFrame*>(view.GetParentFrame())->GetFunctionList();
        for (int i = 0; i < list->count(); ++i)
            entries.push_back(list->itemText(i).toStdString());
        return entries;
    }

    static std::string Shown(CSyntaxWindowView& view)
    {
        CTextModel& text = view.GetTextModel();
        return Letters(text.GetAllBytes(), text.GetClasses(0, text.GetLength()));
    }
};

}  // namespace

// What the editor shows must be what the pass found, class by class; a file that ends its lines
// in LF shows what the same file with CR LF shows; and colouring is no change the user made, so
// closing the window asks nothing (the scripted Ui fails on any question).
TEST_F(JavaWindowTest, OpenedSourceShowsItsColoursWhateverItsLineEndsAndClosesWithoutAQuestion)
{
    const std::string lf = "import java.awt.*;\n// A frame\npublic class Hello {\n"
                           "    String s = \"Hi /* there\"; /* note */ int2 x;\n}\n";
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    Start();
    const std::string expected = "kkkkkknnnnnnnnnnnn\n"
                                 "cccccccccc\n"
                                 "kkkkkknkkkkknnnnnnnn\n"
                                 "nnnnnnnnnnnnnnnsssssssssssssnnccccccccccnkkknnnn\n"
                                 "n\n";
    for (const auto& [name, bytes] : {std::pair {"Lf.java", lf}, std::pair {"CrLf.java", crlf}}) {
        CSyntaxWindowView* view = Open(m_home.Dir().Write(name, bytes));
        ASSERT_NE(view, nullptr);
        std::string shown = Shown(*view);
        std::erase(shown, '\r');
        EXPECT_EQ(shown, expected) << name;
        EXPECT_FALSE(view->GetDocument()->IsModified()) << name;
        ASSERT_TRUE(m_app->SendCommand(Cmd::ID_FILE_CLOSE));
        ProcessDeletes();
    }
    EXPECT_EQ(WindowCount(), 0u);
}

// Keys go through the editor widget as a person types them: "/*" colours its own line to the
// end, the line below keeps its colours until F3 recolours the whole text; F3 on a file with no
// changes leaves it unchanged.
TEST_F(JavaWindowTest, TypedCommentColoursItsLineAndF3TheRest)
{
    Start();
    CSyntaxWindowView* view = Open(m_home.Dir().Write("Typed.java", "int a;\nint b;\n"));
    ASSERT_NE(view, nullptr);
    QsciScintilla* editor = view->GetEditor();
    QTest::keyClick(editor, Qt::Key_F3);
    EXPECT_FALSE(view->GetDocument()->IsModified()) << "a full pass marked the file changed";
    EXPECT_EQ(Shown(*view), "kkknnn\nkkknnn\n");

    editor->setCursorPosition(0, 3);
    QTest::keyClicks(editor, "/*");
    QCoreApplication::processEvents();
    EXPECT_EQ(Shown(*view), "kkkccccc\nkkknnn\n") << "the typed line, and only it";
    QTest::keyClick(editor, Qt::Key_F3);
    EXPECT_EQ(Shown(*view), "kkkccccc\ncccccc\n");
    EXPECT_TRUE(view->GetDocument()->IsModified());
}

// The classes of a project's file come from its window: when it first shows, and from the
// text as it is saved, so the project holds what is on disk.
TEST_F(JavaWindowTest, ShowingAndSavingAProjectFileUpdateTheProjectsClasses)
{
    const std::string project = MakeProject("Scan");
    Start();
    m_app->OpenDocumentFile(project);
    CSyntaxWindowView* view = Open(m_home.Dir().File("Scan/Scan.java"));
    ASSERT_NE(view, nullptr);
    const CJavaFile* file = m_app->GetOpenProject()->GetJavaFiles().FindByPath(m_home.Dir().File("Scan/Scan.java"));
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->GetClasses().GetCount(), 1);
    EXPECT_EQ(file->GetClasses().GetAt(0)->GetName(), "Scan");

    CTextModel& text = view->GetTextModel();
    text.Replace(0, text.GetLength(), "class Scan {\r\n    void run() {}\r\n}\r\nclass Other {}\r\n");
    EXPECT_EQ(file->GetClasses().GetCount(), 1) << "typing alone rescans nothing";
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_FILE_SAVE));
    ASSERT_EQ(file->GetClasses().GetCount(), 2);
    EXPECT_EQ(file->GetClasses().GetAt(1)->GetName(), "Other");
    ASSERT_EQ(file->GetClasses().GetAt(0)->GetMethods().size(), 1u);
    EXPECT_FALSE(view->GetDocument()->IsModified());
}

// Every key of the Java window's table reaches the frame's shortcut for it from inside the
// editor, though the editor binds some of them itself (Ctrl+] and Ctrl+[ move by paragraph
// there); Ctrl+] and Ctrl+[ indent and outdent the caret's line; Tab and Enter follow the
// window's rules.
TEST_F(JavaWindowTest, EveryKeyOfTheJavaTableReachesItsCommandFromTheEditor)
{
    Start();
    CSyntaxWindowView* view = Open(m_home.Dir().Write("Keys.java", "int a;\nint b;\n"));
    ASSERT_NE(view, nullptr);
    // Inside the first line: the commands change it, where at its start they would not.
    view->GetEditor()->setCursorPosition(0, 2);
    m_ui.ExpectDialog("Go to Line", [](CModalDialog&) { return kIdCancel; });  // Ctrl+L
    ExpectEveryKeyReachesItsCommand(view->GetEditor(), Res::IDR_JAVATYPE);
    EXPECT_EQ(view->GetEditor()->text(), "int a;\nint b;\n") << "Ctrl+[ undid Ctrl+]; no other key changed the text";
    QTest::keySequence(view->GetEditor(), QKeySequence(QStringLiteral("Ctrl+]")));
    EXPECT_EQ(view->GetEditor()->text(), "\tint a;\nint b;\n");

    // The editor's own Tab and Enter give way too: Enter indents the new line as the one above,
    // Shift+Tab with nothing selected inserts a TAB.
    view->GetEditor()->setCursorPosition(0, 7);
    QTest::keyClick(view->GetEditor(), Qt::Key_Return);
    QTest::keyClick(view->GetEditor(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(view->GetEditor()->text(), "\tint a;\n\t\t\nint b;\n");
}

// A window never saved has no file to add: it is asked to be saved and marked changed. A saved
// one joins the open project with the classes of its text as it stands.
TEST_F(JavaWindowTest, AddWindowToProjectAddsASavedFileWithItsClasses)
{
    const std::string project = MakeProject("Add");
    Start();
    m_app->OpenDocumentFile(project);
    ASSERT_TRUE(m_app->OpenNewDocumentOfType("JavaDocument"));
    CDocument* unsaved = m_app->GetMainWnd()->GetActiveFrame()->GetActiveView()->GetDocument();
    m_ui.ExpectMessage("Please save the document first");
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_PROJECT_ADDWINDOW));
    EXPECT_TRUE(unsaved->IsModified());
    EXPECT_FALSE(m_app->GetOpenProject()->IsModified());

    CSyntaxWindowView* view = Open(m_home.Dir().Write("Extra.java", "class Extra { void go() {} }\n"));
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_PROJECT_ADDWINDOW));
    const CJavaFile* file = m_app->GetOpenProject()->GetJavaFiles().FindByPath(m_home.Dir().File("Extra.java"));
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->GetClasses().GetCount(), 1);
    EXPECT_EQ(file->GetClasses().GetAt(0)->GetName(), "Extra");
    EXPECT_TRUE(m_app->GetOpenProject()->IsModified());
}

// Undo brings text back without its colours; every line it touched must be coloured again,
// not only the caret's.
TEST_F(JavaWindowTest, UndoOfAnIndentGivesEveryLineItsColoursBack)
{
    Start();
    CSyntaxWindowView* view = Open(m_home.Dir().Write("Undo.java", "int a;\n// b\nint c;\n"));
    ASSERT_NE(view, nullptr);
    const std::string before = Shown(*view);
    view->GetTextModel().SetSelection(0, view->GetTextModel().GetLength());
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_EDIT_INDENT));
    QCoreApplication::processEvents();
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_EDIT_UNDO));
    QCoreApplication::processEvents();
    EXPECT_EQ(std::string(view->GetTextModel().GetAllBytes()), "int a;\n// b\nint c;\n");
    EXPECT_EQ(Shown(*view), before);
}

// The drop-down lists what the scanner finds: on opening, after F2, as it opens and as the file
// is saved, never merely because the text changed. Choosing an entry selects its line and the
// keys still go to the text.
TEST_F(JavaWindowTest, FunctionDropDownFollowsTheTextAndGoesToTheChosenLine)
{
    Start();
    CSyntaxWindowView* view = Open(m_home.Dir().Write(
        "Shape.java", "class Shape {\r\n    void draw() {\r\n        if (x) { }\r\n    }\r\n"
                      "    int area(int w,\r\n             int h) {\r\n    }\r\n}\r\n"));
    ASSERT_NE(view, nullptr);
    auto* frame = static_cast<CChildFrame*>(view->GetParentFrame());
    CFunctionList* list = frame->GetFunctionList();
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(Listed(*view), (std::vector<std::string> {"Shape", "Shape.draw()", "Shape.area(int w, int h)"}));

    CTextModel& text = view->GetTextModel();
    text.Replace(text.GetLength(), text.GetLength(), "class Other {\r\n}\r\n");
    EXPECT_EQ(Listed(*view).size(), 3u) << "typing alone rescans nothing";
    QTest::keyClick(view->GetEditor(), Qt::Key_F2);
    EXPECT_EQ(Listed(*view).back(), "Other");

    text.Replace(0, 0, "class First {\r\n}\r\n");
    list->showPopup();
    const std::vector<std::string> opened = Listed(*view);
    ASSERT_EQ(opened.size(), 5u);
    EXPECT_EQ(opened.front(), "First") << "opening the list rescans first";
    list->view()->setCurrentIndex(list->model()->index(3, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    const int nLine = 6;  // "    int area(int w,"
    EXPECT_EQ(text.GetSelection().nStart, text.LineStart(nLine));
    EXPECT_EQ(text.GetSelection().nEnd, text.LineEnd(nLine));
    EXPECT_SOON_EQ(QApplication::focusWidget(), static_cast<QWidget*>(view->GetEditor()));
    EXPECT_SOON_EQ(m_app->GetMainFrame()->GetPane(1)->text().toStdString(), std::string("Line: 7"));

    text.Replace(0, text.LineStart(2), "");
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_FILE_SAVE));
    EXPECT_EQ(Listed(*view).front(), "Shape") << "saving rescans";
}

// Without the drop-down shown the list is still kept, so F2 still rebuilds it. F1 hands the
// help file of the settings to the desktop.
TEST_F(JavaWindowTest, HiddenFunctionDropDownStillRefreshesAndF1OpensTheHelpFile)
{
    const std::string help = m_home.Dir().Write("jdkhelp.html", "<html></html>");
    WriteSettings("[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\Tip]\n\"StartUp\"=dword:00000001\n"
                  "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS]\n\"SHOWDROPS\"=dword:00000000\n"
                  "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\PATHS]\n\"HELPPATH\"=\"" + help + "\"\n");
    Start();
    CSyntaxWindowView* view = Open(m_home.Dir().Write("A.java", "class A {\r\n}\r\n"));
    ASSERT_NE(view, nullptr);
    const CFunctionList* list = static_cast<CChildFrame*>(view->GetParentFrame())->GetFunctionList();
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(view->GetEditor()->isVisible());
    view->GetTextModel().Replace(0, 0, "class B {}\r\n");
    QTest::keyClick(view->GetEditor(), Qt::Key_F2);
    EXPECT_EQ(Listed(*view), (std::vector<std::string> {"B", "A"}));

    view->GetTextModel().SetSelection(6, 7);
    QTest::keyClick(view->GetEditor(), Qt::Key_F1);
    EXPECT_EQ(m_shell.m_opened, std::vector {help});
}
