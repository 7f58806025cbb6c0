#include "editor/GoToLineDlg.h"
#include "editor/SourceNavigation.h"

#include "support/ScriptedUi.h"
#include "support/StringTextModel.h"

#include <gtest/gtest.h>

using namespace SourceNavigation;

// Catches a drop-down that shows the next entry instead of the one above, one that skips an
// entry whose header is on the caret's own line, and one that trusts the list to be in order.
TEST(SourceNavigation, TheEntryShownIsTheNearestHeaderAtOrAboveTheCaretsLine)
{
    const std::vector<std::int32_t> positions = {10, 40, 40, 90, 70};
    const struct {
        TextPos nLineEnd;
        int nExpected;
    } rows[] = {
        {0, -1}, {9, -1},  // above the first header: blank
        {10, 0}, {39, 0}, {40, 2},  // the last of two at one place
        {69, 2}, {75, 4}, {89, 4},  // the list need not be in text order
        {1000, 3},
    };
    for (const auto& row : rows)
        EXPECT_EQ(EntryAbove(positions, row.nLineEnd), row.nExpected) << row.nLineEnd;
    EXPECT_EQ(EntryAbove({}, 100), -1);
}

// Catches a brace after the caret winning over the one before it, angle brackets (generics,
// comparisons) counted as braces, and a read past either end of the text.
TEST(SourceNavigation, TheBraceBesideTheCaretIsTheOneBeforeItElseTheOneAfter)
{
    const CStringTextModel text("f(a[0]){x<y}");
    const struct {
        TextPos nCaret;
        std::optional<TextPos> expected;
    } rows[] = {
        {0, std::nullopt}, {1, 1}, {2, 1},  {3, 3}, {4, 3}, {5, 5},
        {6, 5},            {7, 6}, {8, 7},  {9, std::nullopt}, {10, std::nullopt}, {11, 11},
        {12, 11},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BraceBesideCaret(text, row.nCaret), row.expected) << row.nCaret;
}

// Catches two marks on one line (the window would draw them on top of each other and one
// message would be lost), a warning hiding an error on the same line, marks out of line order,
// and a line past the end marking nothing.
TEST(SourceNavigation, MarkersMakeOneMarkPerLineInLineOrder)
{
    const std::vector<CLineMarker> marked = MarkersByLine(
        {
            {7, EMarkerKind::Warning, "unchecked call"},
            {2, EMarkerKind::Error, "';' expected"},
            {7, EMarkerKind::Error, "cannot find symbol"},
            {40, EMarkerKind::Warning, "past the end"},
            {2, EMarkerKind::Error, "not a statement"},
        },
        10);
    EXPECT_EQ(marked, (std::vector<CLineMarker>{
                          {2, EMarkerKind::Error, "';' expected\nnot a statement"},
                          {7, EMarkerKind::Error, "unchecked call\ncannot find symbol"},
                          {9, EMarkerKind::Warning, "past the end"},
                      }));
}

// Catches a line number taken outside the text, a 1-based number used as a 0-based line, and a
// refusal without the standard words.
TEST(GoToLineDlg, TakesOnlyALineOfTheTextAndSaysWhyItRefuses)
{
    CScriptedUi ui;
    CGoToLineDlg dialog(ui, 120, 4);
    EXPECT_EQ(dialog.m_strLine, "5") << "opens on the caret's line";
    EXPECT_EQ(dialog.Prompt(), "Line number (1 - 120):");
    ui.ExpectMessage("Please enter an integer.");
    EXPECT_FALSE(dialog.OnOK("seven"));
    ui.ExpectMessage("Please enter an integer between 1 and 120.");
    EXPECT_FALSE(dialog.OnOK("0"));
    ui.ExpectMessage("Please enter an integer between 1 and 120.");
    EXPECT_FALSE(dialog.OnOK("121"));
    EXPECT_TRUE(dialog.OnOK(" 120 "));
    EXPECT_EQ(dialog.m_nLine, 119);
    EXPECT_TRUE(dialog.OnOK("1"));
    EXPECT_EQ(dialog.m_nLine, 0);
}
