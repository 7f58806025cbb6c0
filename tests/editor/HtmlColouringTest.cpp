#include "HtmlColouringOracle.h"

#include "editor/HtmlColouring.h"
#include "editor/SyntaxColourer.h"
#include "support/Golden.h"
#include "support/PieceTexts.h"
#include "support/StringTextModel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// What the caret line's pass gives each line in turn, through the colourer as the window runs it.
std::string LinePassClasses(const std::string& text)
{
    CStringTextModel model(text);
    CSyntaxColourer colourer(model, EColouring::Html);
    for (int nLine = 0; nLine < model.GetLineCount(); ++nLine)
        colourer.ColourLine(nLine);
    return model.Classes();
}

}  // namespace

// Every page of up to five of a few pieces (all ways tags, quotes, escapes, comment markers and
// names in either case meet, in texts of one and two bytes too), then random pages of more.
TEST(HtmlColouringTest, BothPassesAgreeWithTheOracle)
{
    const std::string few[] = {"<", ">", "\"", "\\", "<!--", "-->", "B", "h1", "\r\n"};
    const std::string pieces[] = {"<", ">", "\"", "\"", "\\", "\\\"", "<!--", "-->", "--", "!", " ", "=", "\r\n",
                                  "\n", "\r", "x", "_", "1", "h1", "H6x", "td", "TABLE", "table", "applet", "CODE",
                                  "code", "a", "bodyx", "&", "$p", "-"};
    const std::vector<std::string> texts = PieceTexts(few, 5, pieces, 3000, 70, 1711);
    for (const std::string& text : texts) {
        const std::string found = oracle::HtmlDifference(text);
        ASSERT_EQ(found, "");
    }
}

// Each golden page beside NAME.classes (the whole-text pass) and NAME.lines (the caret line's
// pass over each line, through the colourer and its indexes): one letter per byte, n normal,
// k tag name, c comment, s string, t tag. The pages hold tags in capitals, tag names in running
// text and as attributes, comments over several lines, an unclosed quote, with CR LF and LF.
TEST(HtmlColouringTest, GoldenPagesGiveTheirStoredClasses)
{
    const std::vector<std::filesystem::path> pages = GoldenFiles(ONDRIK_EDITOR_GOLDEN_DIR, ".htm");
    ASSERT_GE(pages.size(), 2u) << "golden pages missing from " << ONDRIK_EDITOR_GOLDEN_DIR;
    for (const std::filesystem::path& page : pages) {
        const std::string text = ReadFile(page);
        std::filesystem::path stem = page;
        stem.replace_extension();
        ExpectGolden(stem.string() + ".page-classes", oracle::Letters(text, HtmlColouring::FullPass(text)));
        ExpectGolden(stem.string() + ".page-lines", oracle::Letters(text, LinePassClasses(text)));
    }
}

// Typing a comment over several lines, and a tag whose attributes go on below: each line is
// coloured by what the lines above it now hold, as the indexes learn of each change.
TEST(HtmlColouringTest, LinesTypedBelowAnOpenCommentOrTagFollowIt)
{
    CStringTextModel model("<p>\r\nx\r\n");
    CSyntaxColourer colourer(model, EColouring::Html);
    for (int nLine = 0; nLine < model.GetLineCount(); ++nLine)
        colourer.ColourLine(nLine);
    model.Replace(5, 5, "<!-- a");  // "<p>\r\n<!-- ax\r\n"
    colourer.ColourLine(1);
    model.Replace(14, 14, "b table\r\n");  // a new line 2 inside the comment
    colourer.ColourLine(2);
    EXPECT_EQ(oracle::Letters(model.Text(), model.Classes()), "tkt\r\nccccccc\r\nccccccc\r\n");
    model.Replace(5, 12, "<applet");  // the comment is now a tag left open
    colourer.ColourLine(1);
    colourer.ColourLine(2);
    EXPECT_EQ(oracle::Letters(model.Text(), model.Classes()), "tkt\r\ntkkkkkk\r\nknkkkkk\r\n");
}
