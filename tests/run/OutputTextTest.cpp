#include "run/OutputText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// The rule as first written: the chunk up to its NUL is appended, then the whole text has
// every CR LF turned into LF and every LF into CR LF. The incremental text must equal it.
std::string LiteralAppend(std::string text, std::string_view chunk)
{
    text += chunk.substr(0, chunk.find('\0'));
    std::string joined;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        joined += text[i];
    }
    std::string normal;
    for (const char c : joined) {
        if (c == '\n')
            normal += '\r';
        normal += c;
    }
    return normal;
}

std::string Incremental(const std::vector<std::string>& chunks)
{
    COutputText text;
    for (const std::string& chunk : chunks)
        text.AppendChunk(chunk);
    return text.Text();
}

std::string Literal(const std::vector<std::string>& chunks)
{
    std::string text;
    for (const std::string& chunk : chunks)
        text = LiteralAppend(text, chunk);
    return text;
}

}  // namespace

TEST(OutputText, ChunksGiveTheSameTextAsRenormalisingEverything)
{
    using namespace std::string_literals;
    const std::vector<std::vector<std::string>> rows = {
        {"a\nb\n"},
        {"a\r\nb\r\n"},
        {"a\r", "\nb"},             // CR LF split between two reads
        {"a\r", "\r\n"},            // CR, then a CR LF
        {"\r", "\r", "\n", "\n"},
        {"lone\rcr"},
        {"x\r"},                    // a CR at the very end stays
        {"\n"},
        {"ab\0cd\n"s, "ef\n"},      // only the bytes before the NUL count
        {"\0\n"s, "\r", "\n"},
        {"", "\n", ""},
        {"\r\r\n\n\r"},
    };
    for (const auto& chunks : rows) {
        std::string shown;
        for (const auto& chunk : chunks)
            shown += "[" + chunk + "]";
        EXPECT_EQ(Incremental(chunks), Literal(chunks)) << shown;
    }
}

TEST(OutputText, RandomChunksGiveTheSameTextAsRenormalisingEverything)
{
    std::mt19937 random(20240611);
    const char alphabet[] = {'a', '\r', '\n', '\0', 'b'};
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::string> chunks(1 + random() % 8);
        for (std::string& chunk : chunks) {
            const std::size_t length = random() % 9;
            for (std::size_t i = 0; i < length; ++i)
                chunk += alphabet[random() % sizeof alphabet];
        }
        ASSERT_EQ(Incremental(chunks), Literal(chunks)) << "round " << round;
    }
}

TEST(OutputText, TailCopyStartsWhereTheWatcherStopped)
{
    COutputText text;
    text.AppendChunk("one\ntwo");
    EXPECT_EQ(text.CopyFrom(5), "two");
    EXPECT_EQ(text.CopyFrom(text.Size()), "");
    EXPECT_EQ(text.CopyFrom(text.Size() + 10), "");
    // A watcher taking a long output in pieces gets no more than it asked for.
    EXPECT_EQ(text.CopyFrom(0, 4), "one\r");
    EXPECT_EQ(text.CopyFrom(5, 100), "two");
}

TEST(OutputText, CopyWithRoomKeepsTheTextAndGivesTheRoomAskedFor)
{
    COutputText text;
    text.AppendChunk("one\ntwo");
    for (std::size_t nRoom : {std::size_t(1), std::size_t(5000)}) {
        COutputText grown = text.CopyWithRoom(nRoom);
        EXPECT_EQ(grown.Text(), "one\r\ntwo");
        EXPECT_GE(grown.Spare(), nRoom);
        text.Swap(grown);
        EXPECT_EQ(text.Text(), "one\r\ntwo");
    }
}
