// What a programmer expects of a source window in the running program: line numbers, a
// compile's marks with their messages, Go to Line, matching braces, Redo, the drop-down
// following the caret, the settings' colours and font on the editor itself, a star on a
// changed window and the Window menu's list of windows.
#include "QuarnelAppFixture.h"

#include "editor/ColourClass.h"
#include "editor/GoToLineDlg.h"
#include "editor/SyntaxWindowDoc.h"
#include "editor/TextModel.h"
#include "editor/qt/ChildFrame.h"
#include "editor/qt/FunctionList.h"
#include "editor/qt/LiveHTMLView.h"
#include "editor/qt/SourceMargins.h"
#include "editor/qt/SyntaxWindowView.h"
#include "framework/CommandIds.h"
#include "prefs/PrefsValues.h"

#include "support/QtWait.h"

#include <Qsci/qsciscintilla.h>

#include <QFontDatabase>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolTip>

namespace {

using Sci = QsciScintillaBase;

long Send(QsciScintilla* editor, unsigned int message, unsigned long wParam = 0, long lParam = 0)
{
    return editor->SendScintilla(message, wParam, lParam);
}

class SourceWindowTest : public QuarnelAppTest {
protected:
    CSyntaxWindowView* Open(const std::string& name, const std::string& text)
    {
        return OpenView<CSyntaxWindowView>(m_home.Dir().Write(name, text));
    }

    static std::string Selected(CLiveEditorView& view)
    {
        const CTextRange selection = view.GetTextModel().GetSelection();
        return std::string(view.GetTextModel().GetBytes(selection.nStart, selection.nEnd));
    }

    // A point at the left of line nLine in the margins, or on its text nColumn bytes in.
    static QPoint MarginPoint(QsciScintilla* editor, int nLine)
    {
        const long nPos = Send(editor, Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(nLine));
        return {2, static_cast<int>(Send(editor, Sci::SCI_POINTYFROMPOSITION, 0, nPos)) + 2};
    }
    static QPoint TextPoint(QsciScintilla* editor, int nLine, int nColumn)
    {
        const long nPos = Send(editor, Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(nLine)) + nColumn;
        return {static_cast<int>(Send(editor, Sci::SCI_POINTXFROMPOSITION, 0, nPos)) + 2,
                static_cast<int>(Send(editor, Sci::SCI_POINTYFROMPOSITION, 0, nPos)) + 2};
    }

    QMenu* MenuOf(const QString& caption) const
    {
        for (QAction* item : m_app->GetMainFrame()->menuBar()->actions()) {
            if (item->menu() != nullptr && item->text() == caption)
                return item->menu();
        }
        return nullptr;
    }
};

std::string NumberedLines(int nCount)
{
    std::string text;
    for (int i = 1; i <= nCount; ++i)
        text += "    int a" + std::to_string(i) + " = " + std::to_string(i) + ";\n";
    return text;
}

}  // namespace

// Catches a number margin too narrow for the largest line number or not in the editor's
// font, one that does not widen as lines come, and the setting that turns it off ignored.
TEST_F(SourceWindowTest, LineNumbersFitTheLargestNumberAndTheSettingTurnsThemOff)
{
    Start();
    CSyntaxWindowView* view = Open("Numbers.java", NumberedLines(120));
    ASSERT_NE(view, nullptr);
    QsciScintilla* editor = view->GetEditor();
    const auto width = [editor](const char* digits) {
        return editor->SendScintilla(Sci::SCI_TEXTWIDTH, Sci::STYLE_LINENUMBER, digits) + 8;
    };
    EXPECT_EQ(Send(editor, Sci::SCI_GETMARGINTYPEN, CSourceMargins::kNumberMargin), Sci::SC_MARGIN_NUMBER);
    EXPECT_EQ(Send(editor, Sci::SCI_GETMARGINWIDTHN, CSourceMargins::kNumberMargin), width("999"));
    std::vector<char> font(128);
    editor->SendScintilla(Sci::SCI_STYLEGETFONT, Sci::STYLE_LINENUMBER, font.data());
    std::vector<char> textFont(128);
    editor->SendScintilla(Sci::SCI_STYLEGETFONT, Sci::STYLE_DEFAULT, textFont.data());
    EXPECT_STREQ(font.data(), textFont.data());

    view->GetTextModel().Replace(0, 0, NumberedLines(900));
    EXPECT_SOON_EQ(Send(editor, Sci::SCI_GETMARGINWIDTHN, CSourceMargins::kNumberMargin), width("9999"));

    m_ui.ExpectMessage("Save changes to Numbers.java?", MsgAnswer::No, MsgButtons::YesNoCancel);
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_FILE_CLOSE));
    CPrefsValues values = m_app->Settings().GetPreferenceValues();
    values.m_nLineNumbers = 0;
    m_app->Settings().ApplyPreferences(values);
    CSyntaxWindowView* plain = Open("Plain.java", NumberedLines(3));
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(Send(plain->GetEditor(), Sci::SCI_GETMARGINWIDTHN, CSourceMargins::kNumberMargin), 0);
    EXPECT_GT(Send(plain->GetEditor(), Sci::SCI_GETMARGINWIDTHN, CSourceMargins::kSymbolMargin), 0)
        << "the marks keep their margin";
}

// Catches marks that stay on their old line numbers when lines are added above, an error and
// a warning drawn alike, a message lost for the margin or for the text, marks that another
// window on the text does not explain, and marks the next set leaves behind.
TEST_F(SourceWindowTest, MarksShowTheirMessagesAndMoveWithTheText)
{
    Start();
    CSyntaxWindowView* view = Open("Marks.java", "class Marks {\n    int x\n\n    List l = new ArrayList();\n}\n");
    ASSERT_NE(view, nullptr);
    QsciScintilla* editor = view->GetEditor();
    auto* doc = static_cast<CSyntaxWindowDoc*>(view->GetDocument());
    doc->SetLineMarkers({{1, EMarkerKind::Error, "';' expected"},
                         {3, EMarkerKind::Warning, "unchecked call"},
                         {2, EMarkerKind::Warning, "on a blank line"}});
    EXPECT_EQ(Send(editor, Sci::SCI_MARKERGET, 1), 1 << CSourceMargins::kErrorMarker);
    EXPECT_EQ(Send(editor, Sci::SCI_MARKERGET, 3), 1 << CSourceMargins::kWarningMarker);
    const CSourceMargins& margins = view->GetMargins();
    EXPECT_EQ(margins.MessageAt(MarginPoint(editor, 1)), "';' expected");
    EXPECT_EQ(margins.MessageAt(TextPoint(editor, 3, 6)), "unchecked call");
    EXPECT_EQ(margins.MessageAt(MarginPoint(editor, 2)), "on a blank line");
    EXPECT_EQ(margins.MessageAt(TextPoint(editor, 0, 2)), "") << "an unmarked line";
    EXPECT_EQ(margins.MessageAt(TextPoint(editor, 3, 1)), "") << "the blanks before the text are not underlined";
    QHelpEvent hover(QEvent::ToolTip, MarginPoint(editor, 1), editor->viewport()->mapToGlobal(MarginPoint(editor, 1)));
    QApplication::sendEvent(editor->viewport(), &hover);
    EXPECT_EQ(QToolTip::text(), "';' expected") << "the hover shows it";

    view->GetTextModel().Replace(0, 0, "import java.util.*;\n\n");
    const std::vector<CLineMarker> moved = {{3, EMarkerKind::Error, "';' expected"},
                                            {4, EMarkerKind::Warning, "on a blank line"},
                                            {5, EMarkerKind::Warning, "unchecked call"}};
    EXPECT_EQ(view->GetLineMarkers(), moved);

    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_WINDOW_NEW));
    auto* second = dynamic_cast<CSyntaxWindowView*>(m_app->GetMainWnd()->GetActiveFrame()->GetActiveView());
    ASSERT_NE(second, nullptr);
    ASSERT_NE(second, view);
    EXPECT_EQ(second->GetLineMarkers(), moved);
    EXPECT_EQ(second->GetMargins().MessageAt(TextPoint(second->GetEditor(), 5, 8)), "unchecked call");

    doc->SetLineMarkers({{0, EMarkerKind::Warning, "deprecated"}});
    EXPECT_EQ(view->GetLineMarkers(), (std::vector<CLineMarker>{{0, EMarkerKind::Warning, "deprecated"}}));
    EXPECT_EQ(margins.MessageAt(TextPoint(editor, 5, 8)), "") << "the old underline went with its mark";
    doc->ClearLineMarkers();
    EXPECT_TRUE(second->GetLineMarkers().empty());
}

// Catches Go to Line selecting the wrong line or leaving the keys elsewhere, a brace paired
// across a comment or left unshown, and Redo that does not bring back what Undo took, by
// either of its keys.
TEST_F(SourceWindowTest, GoToLineBracesAndRedoWorkFromTheKeys)
{
    Start();
    CSyntaxWindowView* view =
        Open("Go.java", "class Go {\n    void f(int a) {\n        g(a[0]);\n    }\n}\n// stray }\n");
    ASSERT_NE(view, nullptr);
    QsciScintilla* editor = view->GetEditor();
    m_ui.ExpectDialog(CGoToLineDlg::kTitle, [](CModalDialog& dialog) {
        auto& goTo = static_cast<CGoToLineDlg&>(dialog);
        EXPECT_EQ(goTo.m_strLine, "1");
        return goTo.OnOK("3") ? kIdOk : kIdCancel;
    });
    QTest::keySequence(editor, QKeySequence("Ctrl+L"));
    EXPECT_EQ(Selected(*view), "        g(a[0]);");
    EXPECT_EQ(QApplication::focusWidget(), editor);

    CTextModel& text = view->GetTextModel();
    const TextPos nCall = static_cast<TextPos>(text.GetAllBytes().find("g(a"));
    text.SetSelection(nCall + 2, nCall + 2);
    EXPECT_SOON_EQ(view->GetHighlightedBraces(), std::make_pair(nCall + 1, nCall + 6));
    const TextPos nClassBrace = static_cast<TextPos>(text.GetAllBytes().find('{'));
    text.SetSelection(nClassBrace, nClassBrace);
    const TextPos nLastBrace = static_cast<TextPos>(text.GetAllBytes().find("}\n//"));
    EXPECT_SOON_EQ(view->GetHighlightedBraces(), std::make_pair(nClassBrace, nLastBrace));
    const TextPos nStray = text.GetLength() - 1;
    text.SetSelection(nStray, nStray);
    // The brace in the comment has no partner there.
    EXPECT_SOON_EQ(view->GetHighlightedBraces(), std::make_pair(nStray - 1, TextPos{-1}));
    text.SetSelection(2, 2);
    EXPECT_SOON_EQ(view->GetHighlightedBraces(), std::make_pair(TextPos{-1}, TextPos{-1}));

    text.SetSelection(0, 0);
    QTest::keyClicks(editor, "x");
    for (const char* redo : {"Ctrl+Y", "Ctrl+Shift+Z"}) {
        QTest::keySequence(editor, QKeySequence("Ctrl+Z"));
        EXPECT_EQ(text.GetBytes(0, 6), "class ");
        QTest::keySequence(editor, QKeySequence(redo));
        EXPECT_EQ(text.GetBytes(0, 6), "xclass") << redo;
    }
}

// Catches a drop-down that rescans as the caret moves, stays on the chosen entry, or shows an
// entry above the first header.
TEST_F(SourceWindowTest, FunctionDropDownShowsTheEntryTheCaretIsIn)
{
    Start();
    CSyntaxWindowView* view = Open("Shape.java", "// shapes\nclass Shape {\n    void draw() {\n        go();\n    }\n"
                                                 "    int area() {\n        return 0;\n    }\n}\n");
    ASSERT_NE(view, nullptr);
    const CFunctionList* list = static_cast<CChildFrame*>(view->GetParentFrame())->GetFunctionList();
    ASSERT_EQ(list->count(), 3);
    CTextModel& text = view->GetTextModel();
    const auto caretOnLine = [&](int nLine) { text.SetSelection(text.LineStart(nLine) + 4, text.LineStart(nLine) + 4); };
    caretOnLine(3);
    EXPECT_SOON_EQ(list->currentText().toStdString(), std::string("Shape.draw()"));
    caretOnLine(6);
    EXPECT_SOON_EQ(list->currentText().toStdString(), std::string("Shape.area()"));
    caretOnLine(1);
    EXPECT_SOON_EQ(list->currentText().toStdString(), std::string("Shape"));
    caretOnLine(0);
    EXPECT_SOON_EQ(list->currentIndex(), -1);

    text.Replace(text.GetLength(), text.GetLength(), "class Other {\n}\n");
    caretOnLine(10);
    EXPECT_SOON_EQ(list->currentText().toStdString(), std::string("Shape.area()"));
    EXPECT_EQ(list->count(), 3) << "moving the caret rescans nothing";
}

// Catches a Convert Linebreaks after which Enter still ends lines the old way, so the file is
// saved with mixed line ends; and JDK Help that keeps the help path the window was opened with.
TEST_F(SourceWindowTest, ConvertedLineBreaksStayAndJdkHelpTakesTheCurrentHelpPath)
{
    Start();
    CSyntaxWindowView* view = Open("Mac.java", "int a;\nint b;\n");
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_EDIT_CONVERTLINEBREAKS));
    view->GetEditor()->setCursorPosition(0, 6);
    QTest::keyClick(view->GetEditor(), Qt::Key_Return);
    EXPECT_EQ(view->GetTextModel().GetAllBytes(), "int a;\r\n\r\nint b;\r\n");

    const std::string help = m_home.Dir().Write("later/help.html", "<html></html>");
    CPrefsValues values = m_app->Settings().GetPreferenceValues();
    values.m_strHelpPath = help;
    m_app->Settings().ApplyPreferences(values);
    QTest::keyClick(view->GetEditor(), Qt::Key_F1);
    EXPECT_EQ(m_shell.m_opened, std::vector<std::string>{help});
}

// The colours and the font of the settings on the editor itself, for the bytes of each class:
// catches a class shown in another class's colour (comment and string swapped), a colour whose
// red and blue are exchanged, and the font or its size not reaching the editor.
TEST_F(SourceWindowTest, EachClassShowsInItsColourAndTheTextInTheSettingsFont)
{
    const QString family = QFontDatabase::families().value(0);
    ASSERT_FALSE(family.isEmpty());
    WriteSettings("[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\Tip]\n\"StartUp\"=dword:00000001\n"
                  "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS]\n"
                  "\"KEYCOLOR\"=dword:00112233\n\"COMMENTCOLOR\"=dword:00445566\n"
                  "\"STRINGCOLOR\"=dword:00778899\n\"TAGCOLOR\"=dword:00AABBCC\n"
                  "\"FONTNAME\"=\"" + family.toStdString() + "\"\n\"FONTSIZE\"=dword:00000082\n");
    Start();
    CSyntaxWindowView* java = Open("Colours.java", "int a = \"s\"; // c\n");
    ASSERT_NE(java, nullptr);
    const auto colourAt = [](QsciScintilla* editor, const std::string& text, const char* what) {
        const long nPos = static_cast<long>(text.find(what));
        // The style byte comes back sign-extended.
        const long nStyle = Send(editor, Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(nPos)) & 0xFF;
        return Send(editor, Sci::SCI_STYLEGETFORE, static_cast<unsigned long>(nStyle));
    };
    const std::string javaText(java->GetTextModel().GetAllBytes());
    EXPECT_EQ(colourAt(java->GetEditor(), javaText, "int"), 0x112233);
    EXPECT_EQ(colourAt(java->GetEditor(), javaText, "// c"), 0x445566);
    EXPECT_EQ(colourAt(java->GetEditor(), javaText, "\"s\""), 0x778899);
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    EXPECT_EQ(colourAt(java->GetEditor(), javaText, "a ="), text.red() | text.green() << 8 | text.blue() << 16);

    auto* page = OpenView<CLiveHTMLView>(m_home.Dir().Write("Colours.html", "<p>x</p>\n"));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(colourAt(page->GetEditor(), "<p>x</p>\n", "<"), 0xAABBCC);
    for (QsciScintilla* editor : {java->GetEditor(), page->GetEditor()}) {
        std::vector<char> font(128);
        editor->SendScintilla(Sci::SCI_STYLEGETFONT, static_cast<unsigned char>(ColourClass::kComment), font.data());
        EXPECT_EQ(QString::fromUtf8(font.data()), family);
        EXPECT_EQ(Send(editor, Sci::SCI_STYLEGETSIZEFRACTIONAL, Sci::STYLE_DEFAULT), 1300) << "13 points";
    }
}

// Catches a changed window without its star, a star that stays after saving, a main window
// title that does not follow the active window, and a Window menu that does not list the
// windows, check the active one or bring the chosen one to the front.
TEST_F(SourceWindowTest, ChangedWindowsShowAStarAndTheWindowMenuListsEveryWindow)
{
    Start();
    CSyntaxWindowView* first = Open("First.java", "class First {}\n");
    CSyntaxWindowView* second = Open("Second.java", "class Second {}\n");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    CMDIFrameWnd* frame = m_app->GetMainWnd();
    QTest::keyClicks(second->GetEditor(), "x");
    EXPECT_EQ(second->GetParentFrame()->windowTitle(), "Second.java *");
    EXPECT_EQ(frame->windowTitle(), "Ondrik - Second.java *");
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_FILE_SAVE));
    EXPECT_EQ(second->GetParentFrame()->windowTitle(), "Second.java");
    EXPECT_EQ(frame->windowTitle(), "Ondrik - Second.java");

    QMenu* windowMenu = MenuOf("&Window");
    ASSERT_NE(windowMenu, nullptr);
    emit windowMenu->aboutToShow();
    std::vector<std::pair<std::string, bool>> listed;
    for (QAction* item : windowMenu->actions()) {
        if (item->property("ondrikCommand").toInt() >= Cmd::ID_WINDOW_FIRST_MDICHILD)
            listed.emplace_back(item->text().toStdString(), item->isChecked());
    }
    EXPECT_EQ(listed, (std::vector<std::pair<std::string, bool>>{{"&1 First.java", false}, {"&2 Second.java", true}}));
    emit windowMenu->aboutToShow();
    EXPECT_EQ(windowMenu->actions().size(), 4 + 1 + 2) << "listed once however often the menu opens";
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_WINDOW_FIRST_MDICHILD));
    EXPECT_EQ(frame->GetActiveFrame(), first->GetParentFrame());
    EXPECT_EQ(frame->windowTitle(), "Ondrik - First.java");
}
