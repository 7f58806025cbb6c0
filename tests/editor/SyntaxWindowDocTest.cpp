#include "editor/HtmlExport.h"
#include "editor/SyntaxWindowDoc.h"

#include "support/StringTextModel.h"
#include "support/TempDir.h"
#include "support/TestProjectHost.h"

#include <gtest/gtest.h>

namespace {

class SyntaxWindowDocTest : public ::testing::Test {
protected:
    SyntaxWindowDocTest() { m_doc.SetTextModel(&m_text); }

    CTestProjectHost m_host;
    CSyntaxWindowDoc m_doc {m_host.m_ui, m_host};
    CStringTextModel m_text {"class A {\r\n    int x;\ny\rlast"};
    CTempDir m_dir;
};

// The line of a compiler message or a tree entry is selected without its break, whatever
// break it has; a line or position past the end gives the last line.
TEST_F(SyntaxWindowDocTest, GoingToALineSelectsItWithoutItsBreak)
{
    const struct {
        bool bByPosition;
        TextPos nWhere;
        CTextRange selected;
    } cases[] = {
        {false, 0, {0, 9}}, {false, 1, {11, 21}}, {false, 2, {22, 23}}, {false, 3, {24, 28}},
        {false, 40, {24, 28}}, {false, -2, {0, 9}}, {true, 15, {11, 21}}, {true, 99, {24, 28}},
    };
    for (const auto& c : cases) {
        if (c.bByPosition)
            m_doc.GoToPosition(c.nWhere);
        else
            m_doc.GoToLine(static_cast<int>(c.nWhere));
        EXPECT_EQ(m_text.GetSelection().nStart, c.selected.nStart) << c.nWhere;
        EXPECT_EQ(m_text.GetSelection().nEnd, c.selected.nEnd) << c.nWhere;
    }
}

// The page holds the colours the window shows, even where they are stale after typing; a
// cancelled dialog writes nothing; a page that cannot be written is reported with the save
// texts and nothing is left at the chosen path.
TEST_F(SyntaxWindowDocTest, ExportWritesTheShownColoursOrSaysWhyNot)
{
    m_text.SetClasses(0, std::string(5, ColourClass::kKeyword) + std::string(3, ColourClass::kComment));
    CEditorSettings colours;
    colours.crKeyword = 0x00123456;
    m_doc.SetTitle("A.java");

    const std::string page = m_dir.File("A.html");
    m_host.m_ui.ExpectSaveFile(page);
    EXPECT_TRUE(m_doc.ExportAsHtml(colours));
    EXPECT_EQ(CTempDir::Read(page), HtmlExport::MakePage(m_text.Text(), m_text.Classes(), colours, "A.java"));

    m_host.m_ui.ExpectSaveFile("");
    EXPECT_FALSE(m_doc.ExportAsHtml(colours));

    const std::string unwritable = m_dir.File("no-such-folder/A.html");
    m_host.m_ui.ExpectSaveFile(unwritable);
    m_host.m_ui.ExpectMessage(
        CDocument::FileErrorText(FileIo::FileStatus::NotFound, FileIo::FileDirection::Writing, unwritable));
    EXPECT_FALSE(m_doc.ExportAsHtml(colours));
    EXPECT_FALSE(FileIo::FileExists(unwritable));
    EXPECT_TRUE(m_host.m_ui.AllAnswered());
}

}  // namespace
