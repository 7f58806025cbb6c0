#include "editor/SourceEditing.h"

#include "editor/ColourClass.h"

#include "support/StringTextModel.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace SourceEditing;

struct CEditCase {
    const char* name;
    std::string text;
    CTextRange selection;
    std::function<void(CTextModel&)> edit;
    std::string expected;
    CTextRange expectedSelection;
};

std::string Repeated(std::string_view piece, std::size_t nTimes)
{
    std::string text;
    for (std::size_t i = 0; i < nTimes; ++i)
        text += piece;
    return text;
}

}  // namespace

// Each command on a text and selection: the text after it, the selection it leaves, and one
// Undo step for whatever it changed.
TEST(SourceEditingTest, CommandsGiveTheirTextAndSelectionAsOneUndoStep)
{
    const std::string tab = TabUnit(3, false);
    const std::string spaces = TabUnit(3, true);
    const CEditCase cases[] = {
        {"Tab over three whole lines", "a\r\nb\r\nc\r\nd", {0, 9}, [&](CTextModel& t) { TypeTab(t, false, tab); },
         "\ta\r\n\tb\r\n\tc\r\nd", {0, 12}},
        {"Shift+Tab over the same lines", "\ta\r\n b\r\n  c\r\nd", {0, 13}, [&](CTextModel& t) { TypeTab(t, true, tab); },
         "a\r\nb\r\n c\r\nd", {0, 8}},
        {"Tab over LF lines with space tabs", "a\nb\nc", {2, 5}, [&](CTextModel& t) { TypeTab(t, false, spaces); },
         "a\n   b\n   c", {2, 11}},
        {"Shift+Tab over CR lines ends before the break", "\ta\r\tb\rc", {0, 4},
         [&](CTextModel& t) { TypeTab(t, true, tab); }, "a\rb\rc", {0, 3}},
        {"Shift+Tab with no selection inserts a unit", "ab", {1, 1}, [&](CTextModel& t) { TypeTab(t, true, spaces); },
         "a   b", {4, 4}},
        {"indent with an empty selection inside a line", "x\r\nab\r\n", {4, 4},
         [&](CTextModel& t) { IncreaseIndent(t, tab); }, "x\r\n\tab\r\n", {3, 8}},
        {"indent with an empty selection at a line start", "x\r\nab", {3, 3},
         [&](CTextModel& t) { IncreaseIndent(t, tab); }, "x\r\nab", {3, 3}},
        {"outdent with an empty selection at a line start", "x\r\n\tab", {3, 3},
         [&](CTextModel& t) { DecreaseIndent(t); }, "x\r\n\tab", {3, 3}},
        {"outdent at the text's start", "\tab", {0, 0}, [&](CTextModel& t) { DecreaseIndent(t); }, "\tab", {0, 0}},
        {"indent of the last line without a break", "ab", {0, 2}, [&](CTextModel& t) { IncreaseIndent(t, tab); },
         "\tab", {0, 3}},
        {"Enter after TAB space", "\t x\r\n", {5, 5}, [&](CTextModel& t) { AutoIndent(t); }, "\t x\r\n\t ", {7, 7}},
        {"Enter puts the TABs first", "\t  \tx\n", {6, 6}, [&](CTextModel& t) { AutoIndent(t); },
         "\t  \tx\n\t\t  ", {10, 10}},
        {"Enter after an unindented line", "x\r\n", {3, 3}, [&](CTextModel& t) { AutoIndent(t); }, "x\r\n", {3, 3}},
        {"Convert Linebreaks on CR and LF", "a\rb\nc\r\n\r\rd", {2, 2}, [&](CTextModel& t) { ConvertLinebreaks(t); },
         "a\r\nb\r\nc\r\n\r\n\r\nd", {0, 0}},
        {"Convert Linebreaks on CR LF", "a\r\nb\r\n", {0, 0}, [&](CTextModel& t) { ConvertLinebreaks(t); },
         "a\r\nb\r\n", {0, 0}},
        {"Convert Tabs with width 3 inside a word", "ab\tcd\r\n\t", {0, 0},
         [&](CTextModel& t) { ConvertTabsToSpaces(t, 3); }, "ab   cd\r\n   ", {0, 0}},
        // Large texts are converted a megabyte at a time.
        {"Convert Linebreaks with a CR LF across the first megabyte", std::string((1 << 20) - 1, 'a') + "\r\nb\rc\n",
         {0, 0}, [&](CTextModel& t) { ConvertLinebreaks(t); },
         std::string((1 << 20) - 1, 'a') + "\r\nb\r\nc\r\n", {0, 0}},
        {"Convert Tabs over three megabytes", Repeated("x\ty", 1 << 20), {0, 0},
         [&](CTextModel& t) { ConvertTabsToSpaces(t, 2); }, Repeated("x  y", 1 << 20), {0, 0}},
    };
    for (const CEditCase& c : cases) {
        CStringTextModel text(c.text);
        text.SetSelection(c.selection.nStart, c.selection.nEnd);
        c.edit(text);
        EXPECT_EQ(text.Text(), c.expected) << c.name;
        EXPECT_EQ(text.GetSelection().nStart, c.expectedSelection.nStart) << c.name;
        EXPECT_EQ(text.GetSelection().nEnd, c.expectedSelection.nEnd) << c.name;
        EXPECT_EQ(text.UndoSteps(), c.expected == c.text ? 0 : 1) << c.name;
    }
}

// Indenting moves lines without recolouring them: each byte keeps its class, and the inserted
// unit takes that of the byte before it.
TEST(SourceEditingTest, IndentKeepsTheLinesColours)
{
    const auto n = [](std::size_t count) { return std::string(count, ColourClass::kNormal); };
    const auto c = [](std::size_t count) { return std::string(count, ColourClass::kComment); };
    const auto k = [](std::size_t count) { return std::string(count, ColourClass::kKeyword); };
    CStringTextModel text("/* a\r\nb */\r\nint");
    text.SetClasses(0, c(10) + n(2) + k(3));
    text.SetSelection(0, text.GetLength());
    IncreaseIndent(text, "\t");
    ASSERT_EQ(text.Text(), "\t/* a\r\n\tb */\r\n\tint");
    EXPECT_EQ(text.Classes(), n(1) + c(11) + n(3) + k(3));
    DecreaseIndent(text);
    ASSERT_EQ(text.Text(), "/* a\r\nb */\r\nint");
    EXPECT_EQ(text.Classes(), c(10) + n(2) + k(3));
}
