#include "JavaColouringOracle.h"

#include "editor/JavaColouring.h"
#include "editor/OpenCommentIndex.h"
#include "editor/TextBlockIndex.h"
#include "support/Golden.h"
#include "support/PieceTexts.h"
#include "support/StringTextModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// What the caret line's pass gives each line in turn, asking the indexes what is open above it as
// the window does.
std::string LinePassClasses(const std::string& text)
{
    CStringTextModel model(text);
    COpenCommentIndex index(model, "/*", "*/");
    CTextBlockIndex textBlocks(model, index);
    std::string classes(text.size(), ColourClass::kNormal);
    for (int nLine = 0; nLine < model.GetLineCount(); ++nLine) {
        const TextPos nStart = model.LineStart(nLine);
        const bool bOpenAbove = index.IsOpenAbove(nLine);
        const bool bTextBlockAbove = textBlocks.IsOpenAbove(nLine);
        const std::string line =
            JavaColouring::LinePass(model.GetBytes(nStart, model.LineEnd(nLine)), bOpenAbove, bTextBlockAbove);
        std::copy(line.begin(), line.end(), classes.begin() + nStart);
    }
    return classes;
}

// Each golden source beside NAME.classes (the whole-text pass) and NAME.lines (the caret line's
// pass over each line): one letter per byte, n normal, k keyword, c comment, s string, line breaks
// as in the source. The sources hold the cases where the window's rules surprise (keywords beside
// digits, escapes, markers inside strings, "/*/", an empty string opening the text, a comment left
// open) with CR LF, LF and CR line breaks; any change to what the window shows on them changes a
// letter.
TEST(JavaColouringTest, GoldenSourcesGiveTheirStoredClasses)
{
    const std::vector<std::filesystem::path> sources = GoldenFiles(ONDRIK_EDITOR_GOLDEN_DIR, ".java");
    ASSERT_GE(sources.size(), 3u) << "golden sources missing from " << ONDRIK_EDITOR_GOLDEN_DIR;
    for (const std::filesystem::path& source : sources) {
        const std::string text = ReadFile(source);
        std::filesystem::path stem = source;
        stem.replace_extension();
        ExpectGolden(stem.string() + ".classes", oracle::Letters(text, JavaColouring::FullPass(text)));
        ExpectGolden(stem.string() + ".lines", oracle::Letters(text, LinePassClasses(text)));
    }
}

// Pieces that reach every rule of both passes when strung together: keywords of the table, Java
// words that are not in it, words a keyword only starts or ends, digits and underscores beside
// keywords, the bytes comments and strings are made of, and character literals and text blocks
// holding quotes, escapes and comment markers.
const std::vector<std::string>& Pieces()
{
    static const std::vector<std::string> pieces = [] {
        std::vector<std::string> all = {"\"", "\"",   "\"",     "\\",  "\\",      "/",      "/",    "*",
                                        "*",  " ",    " ",      "\t",  "'",       "\r\n",   "\r\n", "\n",
                                        "\r", "//",   "/*",     "*/",  "\\\"",    "\\\\",   "x",    "2",
                                        "_",  "enum", "assert", "Int", "integer", "whiles", "ab",   "ä",
                                        "'",  "'\"'",  "'\\''",  "'\\\\'", "'{'",  "'/'",  "'*'",  R"(""")",
                                        R"(""")", R"(\""")", R"(""")" "\r\n    a \"quoted\" // not a comment\r\n    " R"(""")",
                                        R"(""")" "\n /* \\\"\"\" */ '\n" R"(""")", "enumerate", "strictfpx"};
        for (int n = 0; n < 2; ++n) {
            for (const std::string& keyword : oracle::KeywordTable())
                all.push_back(keyword);
        }
        return all;
    }();
    return pieces;
}

// The first difference on every text of up to five of a few pieces (all ways the first bytes,
// quotes, escapes and markers can meet, without literals and with them), then on random texts of
// the full set.
std::string FirstDifference(const std::function<std::string(std::string_view)>& difference)
{
    static const std::string few[] = {"\"", "\\", "/", "*", "int", "x", "2", "\r\n"};
    static const std::string fewWithLiterals[] = {"'", "\"", "\\", "/", "*", "x", "\r\n"};
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> all = PieceTexts(few, 5, Pieces(), 4000, 90, 4242);
        for (std::string& text : PieceTexts(fewWithLiterals, 5, Pieces(), 0, 0, 0))
            all.push_back(std::move(text));
        return all;
    }();
    for (const std::string& text : texts) {
        if (std::string found = difference(text); !found.empty())
            return found;
    }
    return {};
}

TEST(JavaColouringTest, FullPassAgreesWithTheOracle)
{
    EXPECT_EQ(FirstDifference(oracle::FullPassDifference), "");
}

TEST(JavaColouringTest, LinePassAgreesWithTheOracleOnEveryLine)
{
    EXPECT_EQ(FirstDifference(oracle::LinePassDifference), "");
}

// Most files here end their lines in LF alone; a line comment that waited for CR LF would run to
// the end of such a file.
TEST(JavaColouringTest, LineBreaksDoNotChangeClasses)
{
    EXPECT_EQ(FirstDifference(oracle::LineBreakDifference), "");
}

}  // namespace
