#include "editor/FindReplace.h"
#include "editor/TextDocument.h"
#include "editor/qt/TextEditView.h"

#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <Qsci/qsciscintilla.h>

#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

#include <string>

namespace {

using Sci = QsciScintillaBase;

// What is found far down a long text is selected and scrolled into view; Find Next from there
// comes round to the first match, and a search with no match tells the person.
TEST(TextEditViewFindPrintTest, FoundTextIsSelectedAndScrolledIntoView)
{
    CScriptedUi ui;
    CTextDocument doc(ui);
    CTextEditView view(doc);
    view.resize(400, 300);
    view.show();
    std::string text = "needle at the top\n";
    for (int i = 0; i < 2000; ++i)
        text += "filler line " + std::to_string(i) + "\n";
    text += "the Needle at the end";
    view.SetText(text);
    view.GetTextModel().SetSelection(20, 20);

    CFindReplace search;
    search.Options() = {"needle", false, true, true};
    view.FindNext(search);
    const auto nAt = static_cast<long>(text.rfind("Needle"));
    QsciScintilla& editor = *view.GetEditor();
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETSELECTIONSTART), nAt);
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETSELECTIONEND), nAt + 6);
    const long nFirst = editor.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
    const long nShown = editor.SendScintilla(Sci::SCI_LINESONSCREEN);
    EXPECT_GT(nShown, 0);
    EXPECT_LE(nFirst, 2001);
    EXPECT_GT(nFirst + nShown, 2001) << "the last line is in view";

    view.FindNext(search);
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETSELECTIONSTART), 0);
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE), 0);

    search.Options().strFind = "haystack";
    ui.ExpectMessage("Cannot find the string 'haystack'.");
    view.FindNext(search);
    EXPECT_EQ(editor.SendScintilla(Sci::SCI_GETSELECTIONSTART), 0) << "the selection stays";
}

// Printing to a PDF file needs no printer: the file is written with the document's font, its
// pages carry the file's name, and a long text takes more than one page.
TEST(TextEditViewFindPrintTest, PrintsToPdfWithNoPrinter)
{
    CScriptedUi ui;
    CTempDir dir;
    CTextDocument doc(ui);
    doc.SetPathName(dir.File("Colours.java"));
    CTextEditView view(doc);
    QsciScintilla& editor = *view.GetEditor();
    editor.SendScintilla(Sci::SCI_STYLESETFONT, 1UL, "DejaVu Sans Mono");
    editor.SendScintilla(Sci::SCI_STYLESETFORE, 1UL, 0x0000ffL);
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "class Line" + std::to_string(i) + " {}\n";
    view.SetText(text);
    editor.SendScintilla(Sci::SCI_STARTSTYLING, 0UL);
    editor.SendScintilla(Sci::SCI_SETSTYLING, static_cast<unsigned long>(text.size()), 1L);

    const QString path = QString::fromStdString(dir.File("out.pdf"));
    ASSERT_TRUE(view.PrintToPdf(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    // The text in the document's font; the headings in the program's own, which no page
    // would hold without them.
    QSet<QByteArray> fonts;
    for (qsizetype nAt = pdf.indexOf("/BaseFont /"); nAt >= 0; nAt = pdf.indexOf("/BaseFont /", nAt + 1)) {
        const qsizetype nStart = nAt + 11;
        fonts.insert(pdf.mid(nStart, pdf.indexOf('\n', nStart) - nStart).trimmed());
    }
    EXPECT_TRUE(fonts.contains("DejaVuSansMono"));
    EXPECT_GE(fonts.size(), 2) << "no heading";
    // The document's title is its file name, written in UTF-16.
    QByteArray title;
    for (char c : QByteArray("Colours.java"))
        title.append('\0').append(c);
    EXPECT_TRUE(pdf.contains(title));
    EXPECT_GE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 2);
}

}  // namespace
