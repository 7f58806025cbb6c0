#include "run/OutputText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// The rule as first written: the chunk is appended (every byte of it, NULs too), then the whole
// text has every CR LF turned into LF and every LF into CR LF. The incremental text must equal it.
std::string LiteralAppend(std::string text, std::string_view chunk)
{
    text += chunk;
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
        {"ab\0cd\n"s, "ef\n"},      // a NUL is kept, and what follows it
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
    EXPECT_EQ(text.CopyFrom(text.End()), "");
    EXPECT_EQ(text.CopyFrom(text.End() + 10), "");
    // A watcher taking a long output in pieces gets no more than it asked for.
    EXPECT_EQ(text.CopyFrom(0, 4), "one\r");
    EXPECT_EQ(text.CopyFrom(5, 100), "two");
}

// Would catch a bound that is not kept, a cut inside a line (or between a CR and its LF) where
// a whole line could go, positions that stop counting what went, bytes lost or changed in what
// is kept, and a copy from before the first byte kept that does not say where it starts.
TEST(OutputText, PastTheBoundTheOldestWholeLinesGoAndPositionsKeepCounting)
{
    std::mt19937 random(20240612);
    const char alphabet[] = {'a', '\r', '\n', '\0', 'b', 'c', 'd'};
    for (int round = 0; round < 600; ++round) {
        // Kinds of output: any bytes; lines that each end; one line without end.
        const int nKind = round % 3;
        const std::size_t nBound = 16 + random() % 48;
        COutputText text(nBound, 1 + random() % 8);
        std::string full;
        for (int nChunk = 0; nChunk < 40; ++nChunk) {
            std::string chunk(random() % 12, ' ');
            for (char& c : chunk)
                c = alphabet[random() % (nKind == 0 ? sizeof alphabet : 1)];
            if (nKind == 1)
                chunk += '\n';
            text.AppendChunk(chunk);
            full = LiteralAppend(full, chunk);
            ASSERT_EQ(text.End(), full.size());
            ASSERT_LE(text.KeptSize(), nBound);
            ASSERT_EQ(text.Text(), full.substr(text.Start())) << "round " << round;
            const std::size_t nStart = text.Start();
            if (nStart == 0)
                continue;
            ASSERT_FALSE(full[nStart - 1] == '\r' && nStart < full.size() && full[nStart] == '\n')
                << "a CR LF cut in two, round " << round;
            if (nKind == 1)
                ASSERT_EQ(full[nStart - 1], '\n') << "a line cut though whole lines could go, round " << round;
        }
        const COutputText::CPiece piece = text.PieceFrom(0, 5);
        EXPECT_EQ(piece.nFrom, text.Start());
        EXPECT_EQ(piece.bytes, full.substr(text.Start(), 5));
    }
}
