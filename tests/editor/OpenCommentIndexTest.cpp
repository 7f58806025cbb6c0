#include "JavaColouringOracle.h"

#include "editor/OpenCommentIndex.h"
#include "support/StringTextModel.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

struct CMarkerCase {
    const char* opener;
    const char* closer;
    // Snippets typed and pasted: the markers, pieces of them, markers that overlap, and every kind
    // of line break, including a CR and a LF that a later edit joins into one break.
    std::vector<std::string> snippets;
};

// Edits at random places, each followed by questions about random lines, answered again by
// searching back through all the text above the line. An index that kept answers below a change,
// split lines otherwise than the model, or lost the state carried from the lines above would give a
// different answer; one that stayed registered after its end would be called after being freed.
TEST(OpenCommentIndexTest, AgreesWithSearchingBackAfterEveryEdit)
{
    const CMarkerCase cases[] = {
        {"/*", "*/", {"/*", "*/", "/*/", "*/*", "/", "*", "x", " ", "\r", "\n", "\r\n", "a /* b\n", "*/ c\r\n"}},
        {"<!--", "-->", {"<!--", "-->", "<!-->", "<!", "--", "-", ">", "x", "\r", "\n", "\r\n", "<!-- a\r", "b -->\n"}},
    };
    std::mt19937 random(9001);
    const auto roll = [&random](int nMax) { return std::uniform_int_distribution<int>(0, nMax)(random); };
    for (const CMarkerCase& c : cases) {
        for (int nRound = 0; nRound < 150; ++nRound) {
            CStringTextModel text;
            std::optional<COpenCommentIndex> index;
            index.emplace(text, c.opener, c.closer);
            for (int nStep = 0; nStep < 60; ++nStep) {
                if (roll(15) == 0) {
                    index.reset();
                    index.emplace(text, c.opener, c.closer);
                }
                const int nStart = roll(static_cast<int>(text.GetLength()));
                const int nEnd =
                    nStart + std::min(roll(4) == 0 ? roll(6) : 0, static_cast<int>(text.GetLength()) - nStart);
                std::string snippet;
                for (int n = roll(3); n > 0; --n)
                    snippet += c.snippets[static_cast<std::size_t>(roll(static_cast<int>(c.snippets.size()) - 1))];
                text.Replace(nStart, nEnd, snippet);

                for (int nQuery = roll(4); nQuery >= 0; --nQuery) {
                    // Often the last lines, so that answers are known below where the next edit
                    // falls.
                    const int nLines = text.GetLineCount();
                    const int nLine = roll(2) == 0 ? nLines - roll(1) : roll(nLines);
                    const std::string above(text.GetBytes(0, text.LineStart(nLine)));
                    ASSERT_EQ(index->IsOpenAbove(nLine), oracle::OpenAbove(above, c.opener, c.closer))
                        << "line " << nLine << " of \"" << oracle::Shown(text.Text()) << "\"";
                }
            }
        }
    }
}

}  // namespace
