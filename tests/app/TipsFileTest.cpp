#include "app/TipsFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> Tips(CTipsFile& file, int count)
{
    std::vector<std::string> tips;
    for (int i = 0; i < count; ++i)
        tips.push_back(file.ReadNextTip().value_or("<none>"));
    return tips;
}

}  // namespace

TEST(TipsFile, SkipsCommentsBlankAndIndentedLinesAndWraps)
{
    CTempDir dir;
    const auto path = dir.Write("tips.dat", "; comment\r\n\r\n  indented\r\nFirst tip\r\n\tindented too\nSecond tip\n;end");
    CTipsFile file;
    ASSERT_TRUE(file.Open(path));
    EXPECT_EQ(Tips(file, 3), (std::vector<std::string>{"First tip", "Second tip", "First tip"}));
}

TEST(TipsFile, PositionIsJustAfterTheLastTipRead)
{
    CTempDir dir;
    const std::string text = "One\r\nTwo\r\nThree\r\n";
    const auto path = dir.Write("tips.dat", text);
    CTipsFile file;
    ASSERT_TRUE(file.Open(path));
    EXPECT_EQ(file.ReadNextTip(), "One");
    EXPECT_EQ(file.Tell(), 5);
    CTipsFile again;
    ASSERT_TRUE(again.Open(path));
    ASSERT_TRUE(again.Seek(file.Tell()));
    EXPECT_EQ(again.ReadNextTip(), "Two");
    EXPECT_FALSE(again.Seek(-1));
    ASSERT_TRUE(again.Seek(1000)) << "past the end reads as the end, then wraps";
    EXPECT_EQ(again.ReadNextTip(), "One");
}

TEST(TipsFile, LinesAreReadInPiecesOf999Characters)
{
    CTempDir dir;
    const std::string exact(999, 'a');
    const std::string longer = std::string(999, 'b') + "rest of it";
    const std::string hidden = std::string(999, 'c') + " starts with a space";
    const auto path = dir.Write("tips.dat", exact + "\r\n" + longer + "\r\n" + hidden + "\nLast\n");
    CTipsFile file;
    ASSERT_TRUE(file.Open(path));
    EXPECT_EQ(file.ReadNextTip(), exact) << "a 999-character line is one tip; its line end reads as an empty line";
    EXPECT_EQ(file.ReadNextTip(), std::string(999, 'b'));
    EXPECT_EQ(file.ReadNextTip(), "rest of it");
    EXPECT_EQ(file.ReadNextTip(), std::string(999, 'c'));
    EXPECT_EQ(file.ReadNextTip(), "Last") << "a rest that starts with a space is skipped";
}

// A file of comments only must not make the reader go round for ever.
TEST(TipsFile, FileWithoutTipsGivesNothing)
{
    CTempDir dir;
    CTipsFile file;
    ASSERT_TRUE(file.Open(dir.Write("tips.dat", "; only\n\n  comments\n")));
    EXPECT_EQ(file.ReadNextTip(), std::nullopt);
    CTipsFile empty;
    ASSERT_TRUE(empty.Open(dir.Write("empty.dat", "")));
    EXPECT_EQ(empty.ReadNextTip(), std::nullopt);
    CTipsFile missing;
    EXPECT_FALSE(missing.Open(dir.File("none.dat")));
}

TEST(TipsFile, CreationTimeReadsLikeTheCLibrary)
{
    CTempDir dir;
    const std::string text = CTipsFile::CreationTimeText(dir.Write("tips.dat", "x"));
    // "Tue Dec  8 14:05:36 2026": 24 characters, no line end.
    ASSERT_EQ(text.size(), 24u) << text;
    EXPECT_EQ(text[3], ' ');
    EXPECT_EQ(text[13], ':');
    EXPECT_EQ(CTipsFile::CreationTimeText(dir.File("none")), "");
}
