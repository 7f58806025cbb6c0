#include "run/OutputLines.h"

#include "project/MessageJump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

COutputLines Lines(const std::vector<std::string>& pieces)
{
    COutputLines lines;
    for (const std::string& piece : pieces)
        lines.Append(piece);
    return lines;
}

std::vector<std::string> LineTexts(const COutputLines& lines)
{
    std::vector<std::string> texts;
    for (std::size_t n = 0; n < lines.LineCount(); ++n)
        texts.push_back(lines.LineText(n));
    return texts;
}

// Compares the box's lines with the jump rule's, which the double-click's line number must
// match, and every position's line with a count of the line ends before it.
void ExpectSameLinesAsTheJumpRule(const std::string& text, const COutputLines& lines)
{
    ASSERT_EQ(lines.Text(), text);
    const std::size_t nLast = lines.LineCount() - 1;
    for (std::size_t n = 0; n < nLast; ++n)
        ASSERT_EQ(MessageJump::LineAt(text, static_cast<int>(n)), lines.LineText(n)) << "line " << n;
    // The last line has no line end, so the jump rule never picks it.
    ASSERT_FALSE(MessageJump::LineAt(text, static_cast<int>(nLast)).has_value());
    std::size_t nLine = 0;
    std::size_t nLongest = 0;
    std::size_t nLength = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        ASSERT_EQ(lines.LineOf(pos), nLine) << "position " << pos;
        if (text[pos] == '\r') {
            nLongest = std::max(nLongest, nLength);
            nLength = 0;
            if (pos + 1 < text.size() && text[pos + 1] == '\n') {
                ASSERT_EQ(lines.LineOf(++pos), nLine) << "the LF of a CR LF";
            }
            ++nLine;
        } else {
            ++nLength;
        }
    }
    ASSERT_EQ(lines.LineOf(text.size()), nLast);
    ASSERT_EQ(lines.LongestLine(), std::max(nLongest, nLength));
}

}  // namespace

TEST(OutputLines, LinesEndAtCrWithCrLfAsOneEndAlsoWhenSplitBetweenAppends)
{
    struct Row {
        std::vector<std::string> pieces;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {{}, {""}},
        {{"one\r\ntwo\r\n"}, {"one", "two", ""}},
        {{"a\rb\r\nc"}, {"a", "b", "c"}},
        {{"a\r", "\nb"}, {"a", "b"}},
        {{"a\r", "b"}, {"a", "b"}},
        {{"a", "\r", "\n", "\n"}, {"a", "\n"}},
        {{"x\ny\r\n"}, {"x\ny", ""}},
        {{"\r\r\n\r"}, {"", "", "", ""}},
    };
    for (const Row& row : rows) {
        const COutputLines lines = Lines(row.pieces);
        EXPECT_EQ(LineTexts(lines), row.lines) << ::testing::PrintToString(row.pieces);
    }
}

TEST(OutputLines, RandomTextInRandomPiecesHasTheJumpRulesLines)
{
    std::mt19937 random(20240611);
    const char alphabet[] = {'a', 'b', '\r', '\n'};
    for (int round = 0; round < 300; ++round) {
        std::string text(random() % 60, ' ');
        for (char& c : text)
            c = alphabet[random() % 4];
        COutputLines lines;
        for (std::size_t pos = 0; pos < text.size();) {
            const std::size_t n = std::min<std::size_t>(text.size() - pos, random() % 5);
            lines.Append(std::string_view(text).substr(pos, n));
            pos += n;
        }
        ExpectSameLinesAsTheJumpRule(text, lines);
        if (HasFatalFailure())
            FAIL() << "round " << round << ": " << ::testing::PrintToString(text);
    }
}

TEST(OutputLines, TextAcrossBlocksReadsBackWholeAndClearStartsAgain)
{
    // The CR ends one block and its LF starts the next.
    std::string text(COutputLines::kBlockSize - 1, 'x');
    text += "\r\n";
    text += std::string(COutputLines::kBlockSize + 10, 'y');
    text += "\rlast";
    COutputLines lines;
    lines.Append(std::string_view(text).substr(0, 100));
    lines.Append(std::string_view(text).substr(100));
    ExpectSameLinesAsTheJumpRule(text, lines);
    EXPECT_EQ(lines.Copy(COutputLines::kBlockSize - 3, COutputLines::kBlockSize + 3), "xx\r\nyy");

    lines.Clear();
    lines.Append("new\r\n");
    EXPECT_EQ(LineTexts(lines), (std::vector<std::string> {"new", ""}));
    EXPECT_EQ(lines.LongestLine(), 3u);
}

TEST(OutputLines, IncompleteUtf8TailCountsOnlyAnUnfinishedLastCharacter)
{
    struct Row {
        const char* text;
        std::size_t nTail;
    };
    const Row rows[] = {
        {"abc", 0},
        {"a\xC3", 1},
        {"a\xC3\xA9", 0},
        {"a\xE2\x82", 2},
        {"a\xF0\x9F\x98", 3},
        {"a\xF0\x9F\x98\x80", 0},
        {"\x80\x80\x80\x80", 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(IncompleteUtf8Tail(row.text), row.nTail) << ::testing::PrintToString(std::string(row.text));
}
