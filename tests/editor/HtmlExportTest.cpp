#include "editor/ColourClass.h"
#include "editor/HtmlExport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// A text with its classes, built from pieces of one class each: k keyword, c comment, s string,
// t tag, x a byte outside the table, anything else normal.
struct CClassedText {
    std::string text;
    std::string classes;
};

CClassedText Classed(const std::vector<std::pair<std::string, char>>& pieces)
{
    CClassedText out;
    for (const auto& [piece, letter] : pieces) {
        char code = ColourClass::kNormal;
        switch (letter) {
        case 'k': code = ColourClass::kKeyword; break;
        case 'c': code = ColourClass::kComment; break;
        case 's': code = ColourClass::kString; break;
        case 't': code = ColourClass::kTag; break;
        case 'x': code = '\x07'; break;
        default: break;
        }
        out.text += piece;
        out.classes.append(piece.size(), code);
    }
    return out;
}

// What stands between <pre> and </pre>.
std::string PreOf(const std::string& page)
{
    const std::size_t start = page.find("<pre>") + 5;
    return page.substr(start, page.rfind("</pre>") - start);
}

}  // namespace

// Catches a span split inside a run or run across two classes, a run at either end lost, a
// byte escaped that must stand (CR LF, NUL, not UTF-8, quotes) or one of &, < and > not
// escaped, a tag outside its span, a colour's bytes swapped, and the title left unescaped.
// On a difference the page is written beside the stored one as export.html.new.
TEST(HtmlExportTest, PageHoldsTheTextInMaximalRunsOfItsClasses)
{
    using namespace std::string_literals;
    const CClassedText source = Classed({
        {"public", 'k'},
        {" ", 'n'},
        {"class", 'k'},
        {" A<T> & ", 'n'},
        {"<b>", 't'},
        {"\"a&b\"", 's'},
        {"/* x > y */", 'c'},
        {"\r\n", 'n'},
        {"'\0\xff\xc3'"s, 's'},
        {"\x01", 'x'},
        {"return", 'k'},
        {"// <end>\r\n", 'c'},
    });
    CEditorSettings colours;
    colours.crNormal = 0x00302010;
    colours.crKeyword = 0x00ABCDEF;
    colours.crComment = 0xFF000001;  // the top byte is no part of the colour
    colours.crString = 0x00006600;
    const std::string page = HtmlExport::MakePage(source.text, source.classes, colours, "A<&>.java");

    const std::string path = ONDRIK_EDITOR_GOLDEN_DIR "/export.html"s;
    std::ifstream in(path, std::ios::binary);
    std::stringstream stored;
    stored << in.rdbuf();
    if (!in || stored.str() != page) {
        std::ofstream(path + ".new", std::ios::binary) << page;
        ADD_FAILURE() << "the page differs from " << path << ", the built one is in " << path << ".new";
    }
}

// Catches the line break a reader drops after <pre> taken from the text, a byte without a
// class read past the end of the classes, and an empty text given a stray span.
TEST(HtmlExportTest, TheTextReadsBackAsItWasWritten)
{
    struct Row {
        std::string text;
        std::string classes;
        std::string pre;
    };
    const std::string k(1, ColourClass::kKeyword);
    const std::string n(1, ColourClass::kNormal);
    const Row rows[] = {
        {"", "", ""},
        {"\nint", n + k + k + k, "\n\n<span class=\"keyword\">int</span>"},
        {"\r\nx", n + n + n, "\n\r\nx"},
        {"\rx", n + n, "\n\rx"},
        {"x\n", n + n, "x\n"},
        {"int x", k + k + k, "<span class=\"keyword\">int</span> x"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PreOf(HtmlExport::MakePage(row.text, row.classes, CEditorSettings(), "t")), row.pre) << row.text;
}
