#include "QuarnelAppFixture.h"

#include "app/AppResources.h"
#include "editor/ColourClass.h"
#include "editor/HtmlColouring.h"
#include "editor/TextModel.h"
#include "editor/qt/LiveHTMLView.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/Resources.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QTest>

namespace {

class HtmlWindowTest : public QuarnelAppTest {
protected:
    CLiveHTMLView* Open(const std::string& path) { return OpenView<CLiveHTMLView>(path); }

    static std::string Text(CLiveHTMLView& view) { return std::string(view.GetTextModel().GetAllBytes()); }
    static std::string Classes(CLiveHTMLView& view)
    {
        CTextModel& text = view.GetTextModel();
        std::string classes = text.GetClasses(0, text.GetLength());
        for (char& c : classes)
            c = ColourClass::Shown(c);
        return classes;
    }
};

}  // namespace

// A page opens with the whole-text pass's colours, unchanged and unwrapped; typing "<!--" and a
// line below it colours both as comment while the line below the new one keeps its colours.
TEST_F(HtmlWindowTest, PageOpensColouredAndACommentTypedOverTwoLinesIsColouredAsItIsTyped)
{
    const std::string page = "<HTML>\r\n<BODY bgcolor=\"#fff\">\r\ntable <b>x</b>\r\n</BODY>\r\n";
    Start();
    CLiveHTMLView* view = Open(m_home.Dir().Write("Page.html", page));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Classes(*view), HtmlColouring::FullPass(page));
    EXPECT_FALSE(view->GetDocument()->IsModified());
    EXPECT_EQ(view->GetEditor()->wrapMode(), QsciScintilla::WrapNone);

    QsciScintilla* editor = view->GetEditor();
    editor->setCursorPosition(2, 0);
    QTest::keyClicks(editor, "<!-- a");
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, "b");
    QCoreApplication::processEvents();
    const std::string text = Text(*view);
    ASSERT_EQ(text, "<HTML>\r\n<BODY bgcolor=\"#fff\">\r\n<!-- a\r\nbtable <b>x</b>\r\n</BODY>\r\n")
        << "Enter ends the line as the page's lines end";
    const std::string classes = Classes(*view);
    const std::size_t nComment = text.find("<!--");
    const std::size_t nBelow = text.find("</BODY>");
    for (std::size_t i = nComment; i < nBelow - 2; ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            EXPECT_EQ(classes[i], ColourClass::kComment) << "byte " << i;
    }
    EXPECT_EQ(classes.substr(nBelow), HtmlColouring::FullPass(page).substr(page.find("</BODY>")))
        << "the line below keeps its colours until F3";
}

// Every key of the page window's table reaches its command from the editor; TAB with nothing
// selected puts in a TAB even when Java windows indent with spaces, and with lines selected
// indents them with a TAB; Enter indents the new line as the one above.
TEST_F(HtmlWindowTest, KeysReachTheirCommandsAndTabAlwaysPutsInATab)
{
    WriteSettings("[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\Tip]\n\"StartUp\"=dword:00000001\n"
                  "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS]\n\"SPACETABS\"=dword:00000001\n");
    Start();
    CLiveHTMLView* view = Open(m_home.Dir().Write("Keys.html", "<p>a\n<p>b\n"));
    ASSERT_NE(view, nullptr);
    m_ui.ExpectDialog("Go to Line", [](CModalDialog&) { return kIdCancel; });  // Ctrl+L
    ExpectEveryKeyReachesItsCommand(view->GetEditor(), Res::IDR_HTMLTYPE);
    ASSERT_EQ(Text(*view), "<p>a\n<p>b\n") << "no key of the table changed the text";

    // What is typed next goes after the TAB, and after the indentation Enter gives.
    view->GetEditor()->setCursorPosition(0, 3);
    QTest::keyClick(view->GetEditor(), Qt::Key_Tab);
    QTest::keyClicks(view->GetEditor(), "x");
    EXPECT_EQ(Text(*view), "<p>\txa\n<p>b\n");
    view->GetTextModel().SetSelection(0, view->GetTextModel().GetLength());
    QTest::keyClick(view->GetEditor(), Qt::Key_Tab);
    EXPECT_EQ(Text(*view), "\t<p>\txa\n\t<p>b\n");
    view->GetEditor()->setCursorPosition(1, 5);
    QTest::keyClick(view->GetEditor(), Qt::Key_Return);
    QTest::keyClicks(view->GetEditor(), "c");
    EXPECT_EQ(Text(*view), "\t<p>\txa\n\t<p>b\n\tc\n");
}

// Insert Applet puts the project's main class in an APPLET tag, with the page's own line
// break, as one Undo, and colours it; without a main file it says what to do; without a project
// it is disabled.
TEST_F(HtmlWindowTest, InsertAppletWritesTheMainClassesTagInThePagesLineBreaks)
{
    Start();
    CLiveHTMLView* lonely = Open(m_home.Dir().Write("Lonely.html", "<p>\n"));
    ASSERT_NE(lonely, nullptr);
    EXPECT_FALSE(m_app->GetRouter().Update(Cmd::ID_HTML_INSERTAPPLET).IsEnabled());

    m_app->OpenDocumentFile(MakeProject("Hello"));
    for (const auto& [name, lineBreak] : {std::pair {"Lf.html", "\n"}, std::pair {"CrLf.html", "\r\n"}}) {
        const std::string br = lineBreak;
        CLiveHTMLView* view = Open(m_home.Dir().Write(name, "<body>" + br + "</body>" + br));
        ASSERT_NE(view, nullptr);
        view->GetTextModel().SetSelection(6, 6);
        ASSERT_TRUE(m_app->SendCommand(Cmd::ID_HTML_INSERTAPPLET));
        QCoreApplication::processEvents();  // nothing queued may recolour the tag's lines
        const std::string tag = br + "<APPLET CODE=\"Hello.class\" " + br + "\tWIDTH=300" + br + "\tHEIGHT=300>" + br +
                                "Applet Hello.class" + br + "</APPLET>" + br;
        EXPECT_EQ(Text(*view), "<body>" + tag + br + "</body>" + br) << name;
        EXPECT_EQ(Classes(*view), HtmlColouring::FullPass(Text(*view))) << name;
        ASSERT_TRUE(m_app->SendCommand(Cmd::ID_EDIT_UNDO));
        EXPECT_EQ(Text(*view), "<body>" + br + "</body>" + br) << name;
    }

    m_app->GetOpenProject()->SetMainJavaFile("");
    m_ui.ExpectMessage("Please set the applet class as main.");
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_HTML_INSERTAPPLET));
}

// Open In Web Browser hands the desktop the saved page's path, and for a page never saved says
// so instead of handing it nothing.
TEST_F(HtmlWindowTest, OpenInWebBrowserOpensTheSavedPageOnly)
{
    Start();
    const std::string path = m_home.Dir().Write("Saved.html", "<p>\n");
    ASSERT_NE(Open(path), nullptr);
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_HTML_OPENINBROWSER));
    EXPECT_EQ(m_shell.m_opened, std::vector<std::string>{path});

    ASSERT_TRUE(m_app->OpenNewDocumentOfType("HTMLDocument"));
    m_ui.ExpectMessage("Please save the file (path unreadable).");
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_HTML_OPENINBROWSER));
    EXPECT_EQ(m_shell.m_opened.size(), 1u);
}

// Export as HTML from a page writes its tags in their own span, and offers a name other than the
// page's own, which would write over the page.
TEST_F(HtmlWindowTest, ExportOfAPageOffersANameBesideThePage)
{
    Start();
    ASSERT_NE(Open(m_home.Dir().Write("Shown.html", "<b>x</b>\n")), nullptr);
    const std::string out = m_home.Dir().File("out.html");
    m_ui.ExpectSaveFile(out);
    ASSERT_TRUE(m_app->SendCommand(Cmd::ID_FILE_EXPORTHTML));
    ASSERT_FALSE(m_ui.FileDialogs().empty());
    EXPECT_EQ(m_ui.FileDialogs().back().initialName, "Shown-coloured.html");
    EXPECT_NE(CTempDir::Read(out).find("<span class=\"tag\">&lt;</span><span class=\"keyword\">b</span>"),
              std::string::npos);
}
