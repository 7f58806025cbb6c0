#include "JavaColouringOracle.h"

#include "editor/OpenCommentIndex.h"
#include "editor/TextBlockIndex.h"
#include "support/StringTextModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// What an index must answer for a line, found by reading all the text above it.
using SlowAnswer = std::function<bool(const CStringTextModel&, int nLine)>;

// Edits at random places, with snippets typed and pasted, each followed by questions about random
// lines, answered again the slow way. An index that kept answers below a change, split lines
// otherwise than the model, or lost the state carried from the lines above would give a different
// answer; one that stayed registered after its end would be called after being freed. make gives an
// index over the text, again whenever the test starts one afresh.
template <class Index>
void ExpectAgreementAfterEveryEdit(const std::vector<std::string>& snippets,
                                   const std::function<std::unique_ptr<Index>(CStringTextModel&)>& make,
                                   const SlowAnswer& slow)
{
    std::mt19937 random(9001);
    const auto roll = [&random](int nMax) { return std::uniform_int_distribution<int>(0, nMax)(random); };
    for (int nRound = 0; nRound < 150; ++nRound) {
        CStringTextModel text;
        std::unique_ptr<Index> index = make(text);
        for (int nStep = 0; nStep < 60; ++nStep) {
            if (roll(15) == 0) {
                index.reset();
                index = make(text);
            }
            const int nStart = roll(static_cast<int>(text.GetLength()));
            const int nEnd = nStart + std::min(roll(4) == 0 ? roll(6) : 0, static_cast<int>(text.GetLength()) - nStart);
            std::string snippet;
            for (int n = roll(3); n > 0; --n)
                snippet += snippets[static_cast<std::size_t>(roll(static_cast<int>(snippets.size()) - 1))];
            text.Replace(nStart, nEnd, snippet);

            for (int nQuery = roll(4); nQuery >= 0; --nQuery) {
                // Often the last lines, so that answers are known below where the next edit falls.
                const int nLines = text.GetLineCount();
                const int nLine = roll(2) == 0 ? nLines - roll(1) : roll(nLines);
                ASSERT_EQ(index->IsOpenAbove(nLine), slow(text, nLine))
                    << "line " << nLine << " of \"" << oracle::Shown(text.Text()) << "\"";
            }
        }
    }
}

// The markers, pieces of them, markers that overlap, and every kind of line break, including a CR
// and a LF that a later edit joins into one break.
TEST(OpenCommentIndexTest, AgreesWithSearchingBackAfterEveryEdit)
{
    struct CMarkerCase {
        const char* opener;
        const char* closer;
        std::vector<std::string> snippets;
    };
    const CMarkerCase cases[] = {
        {"/*", "*/", {"/*", "*/", "/*/", "*/*", "/", "*", "x", " ", "\r", "\n", "\r\n", "a /* b\n", "*/ c\r\n"}},
        {"<!--", "-->", {"<!--", "-->", "<!-->", "<!", "--", "-", ">", "x", "\r", "\n", "\r\n", "<!-- a\r", "b -->\n"}},
    };
    for (const CMarkerCase& c : cases) {
        ExpectAgreementAfterEveryEdit<COpenCommentIndex>(
            c.snippets,
            [&c](CStringTextModel& text) { return std::make_unique<COpenCommentIndex>(text, c.opener, c.closer); },
            [&c](const CStringTextModel& text, int nLine) {
                return oracle::OpenAbove(std::string(text.GetBytes(0, text.LineStart(nLine))), c.opener, c.closer);
            });
    }
}

// A text block index that lost the comment index's answers, or asked it after reading the text,
// would take a text block in a comment for a real one.
TEST(OpenCommentIndexTest, TextBlockIndexAgreesWithGoingDownTheLinesAfterEveryEdit)
{
    // The comment index the text block index leans on lives exactly as long.
    struct CTextBlockAndComments {
        explicit CTextBlockAndComments(CStringTextModel& text) : comments(text, "/*", "*/"), textBlocks(text, comments) {}
        bool IsOpenAbove(int nLine) { return textBlocks.IsOpenAbove(nLine); }
        COpenCommentIndex comments;
        CTextBlockIndex textBlocks;
    };
    ExpectAgreementAfterEveryEdit<CTextBlockAndComments>(
        {R"(""")", "\"", "\\", "'", "/*", "*/", "//", "x", "\r", "\n", "\r\n", "s = \"\"\"\n", "\"\"\";\r\n"},
        [](CStringTextModel& text) { return std::make_unique<CTextBlockAndComments>(text); },
        [](const CStringTextModel& text, int nLine) { return oracle::TextBlockAbove(text, nLine); });
}

}  // namespace
