#include "editor/FindReplace.h"
#include "editor/TextSearch.h"

#include "support/ScriptedUi.h"
#include "support/StringTextModel.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

CSearchOptions Options(std::string find, bool bMatchCase, bool bWholeWord, bool bDown)
{
    return {std::move(find), bMatchCase, bWholeWord, bDown};
}

// Each search starts at a selection and gives the range it selects, or nothing. A search goes
// past the end of the text round to the other end once, back to where it began.
TEST(TextSearchTest, FindNextFromTheSelection)
{
    const struct {
        const char* text;
        CTextRange selection;
        CSearchOptions options;
        std::optional<CTextRange> expected;
    } cases[] = {
        {"one Two two", {0, 0}, Options("two", false, false, true), CTextRange {4, 7}},
        {"one Two two", {0, 0}, Options("two", true, false, true), CTextRange {8, 11}},
        {"one Two two", {4, 7}, Options("two", false, false, true), CTextRange {8, 11}},   // after the selection
        {"one Two two", {8, 11}, Options("two", false, false, true), CTextRange {4, 7}},   // round from the start
        {"one Two two", {8, 11}, Options("two", false, false, false), CTextRange {4, 7}},  // up: before it
        {"one Two two", {4, 7}, Options("two", false, false, false), CTextRange {8, 11}},  // up, round from the end
        {"one Two two", {0, 0}, Options("TWO", true, false, true), std::nullopt},
        {"one Two two", {0, 0}, Options("three", false, false, true), std::nullopt},
        {"one Two two", {0, 0}, Options("", false, false, true), std::nullopt},
        {"a_x ax x9 x", {0, 0}, Options("x", false, true, true), CTextRange {10, 11}},  // whole word, at the very end
        {"x a_x ax x9", {11, 11}, Options("x", false, true, false), CTextRange {0, 1}},  // whole word, at the start
        {"caf\xc3\xa9x x", {0, 0}, Options("x", false, true, true), CTextRange {7, 8}},  // a UTF-8 letter is in a word
        {"x-y", {0, 0}, Options("y", true, true, true), CTextRange {2, 3}},
        {"aaaa", {0, 0}, Options("aa", true, false, true), CTextRange {0, 2}},
        {"aaaa", {4, 4}, Options("aa", true, false, false), CTextRange {2, 4}},
        // The match runs across where the search began: found when the search comes round.
        {"abcdef", {3, 3}, Options("cde", true, false, true), CTextRange {2, 5}},
        {"abcdef", {3, 3}, Options("cde", true, false, false), CTextRange {2, 5}},
        {"[AbC]", {0, 0}, Options("[abc]", false, false, true), CTextRange {0, 5}},  // no pattern syntax
        {"\xc3\xa9", {0, 0}, Options("\xc3\x89", false, false, true), std::nullopt},  // folding is ASCII only
        {"ab", {0, 0}, Options("abc", false, false, true), std::nullopt},
    };
    for (const auto& c : cases) {
        CStringTextModel text(c.text);
        text.SetSelection(c.selection.nStart, c.selection.nEnd);
        const bool bFound = TextSearch::FindNext(text, c.options);
        const std::string what = std::string(c.text) + " / " + c.options.strFind;
        ASSERT_EQ(bFound, c.expected.has_value()) << what;
        const CTextRange expected = c.expected.value_or(c.selection);
        EXPECT_EQ(text.GetSelection().nStart, expected.nStart) << what;
        EXPECT_EQ(text.GetSelection().nEnd, expected.nEnd) << what;
    }
}

// Replace All changes every match in the whole text as one step for Undo, whatever the
// replacement holds; Replace changes the selection only when it is a match, then moves on.
TEST(TextSearchTest, ReplaceAndReplaceAll)
{
    const struct {
        const char* text;
        CSearchOptions options;
        const char* replace;
        int nCount;
        const char* expected;
    } cases[] = {
        {"a A b a", Options("a", false, false, true), "aa", 3, "aa aa b aa"},
        {"a A b a", Options("a", true, false, false), "", 2, " A b "},
        {"ab abc ab", Options("ab", true, true, true), "x", 2, "x abc x"},
        {"none here", Options("zz", false, false, true), "y", 0, "none here"},
    };
    for (const auto& c : cases) {
        CStringTextModel text(c.text);
        text.SetSelection(4, 4);
        EXPECT_EQ(TextSearch::ReplaceAll(text, c.options, c.replace), c.nCount) << c.text;
        EXPECT_EQ(text.Text(), c.expected) << c.text;
        EXPECT_EQ(text.UndoSteps(), c.nCount > 0 ? 1 : 0) << c.text;
    }

    CStringTextModel text("cat cat Cat");
    const CSearchOptions options = Options("cat", true, false, true);
    text.SetSelection(0, 2);  // not a match: nothing replaced, the next is found
    EXPECT_TRUE(TextSearch::Replace(text, options, "dog"));
    EXPECT_EQ(text.Text(), "cat cat Cat");
    EXPECT_EQ(text.GetSelection().nStart, 4);
    EXPECT_TRUE(TextSearch::Replace(text, options, "dog"));
    EXPECT_EQ(text.Text(), "cat dog Cat");
    EXPECT_EQ(text.GetSelection().nStart, 0);  // round from the start
    EXPECT_FALSE(TextSearch::Replace(text, options, "dog"));
    EXPECT_EQ(text.Text(), "dog dog Cat");
}

// The dialog's buttons tell the person when nothing is found, and only then.
TEST(TextSearchTest, DialogTellsWhenNothingIsFound)
{
    CScriptedUi ui;
    CStringTextModel text("alpha beta");
    CFindReplace dialog;
    EXPECT_FALSE(dialog.HasSearch());
    text.SetSelection(6, 10);
    dialog.TakeSelection(text);
    EXPECT_EQ(dialog.Options().strFind, "beta");
    EXPECT_TRUE(dialog.FindNext(text, ui));
    EXPECT_TRUE(dialog.HasSearch());
    dialog.Options().strFind = "gamma";
    ui.ExpectMessage("Cannot find the string 'gamma'.");
    EXPECT_FALSE(dialog.FindNext(text, ui));
    ui.ExpectMessage("Cannot find the string 'gamma'.");
    EXPECT_EQ(dialog.ReplaceAll(text, ui), 0);
    EXPECT_EQ(ui.Messages().size(), 2u);
}

}  // namespace
