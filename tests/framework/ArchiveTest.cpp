#include "framework/Archive.h"

#include <gtest/gtest.h>

namespace {

std::string Stored(std::string_view text)
{
    CArchive ar;
    ar.WriteString(text);
    return ar.Bytes();
}

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

}  // namespace

TEST(Archive, StringLengthPrefixTakesTheFormOfItsSize)
{
    struct Row {
        std::size_t length;
        std::string prefix;
    };
    const Row rows[] = {
        {0, Bytes({0x00})},
        {1, Bytes({0x01})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {256, Bytes({0xFF, 0x00, 0x01})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& row : rows) {
        const std::string text(row.length, 'q');
        const std::string bytes = Stored(text);
        ASSERT_EQ(bytes.size(), row.prefix.size() + row.length) << row.length;
        EXPECT_EQ(bytes.substr(0, row.prefix.size()), row.prefix) << row.length;
        CArchive in(bytes);
        EXPECT_EQ(in.ReadString(), text) << row.length;
        EXPECT_FALSE(in.Failed());
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(Archive, WideStringIsReadAsUtf8)
{
    // 0xFF, 0xFFFE marks wide text; its length (3 units) follows; "Aé€" in UTF-16LE.
    const std::string bytes = Bytes({0xFF, 0xFE, 0xFF, 0x03, 0x41, 0x00, 0xE9, 0x00, 0xAC, 0x20});
    CArchive in(bytes);
    EXPECT_EQ(in.ReadString(), "A\xC3\xA9\xE2\x82\xAC");
    EXPECT_FALSE(in.Failed());
}

TEST(Archive, WideStringWithSurrogatesAndLongLength)
{
    // A surrogate pair (U+1F600), then a lone high surrogate.
    std::string bytes = Bytes({0xFF, 0xFE, 0xFF, 0x03, 0x3D, 0xD8, 0x00, 0xDE, 0x3D, 0xD8});
    CArchive in(bytes);
    EXPECT_EQ(in.ReadString(), "\xF0\x9F\x98\x80\xEF\xBF\xBD");

    // The nested length in its 16-bit form: 300 units.
    std::string wide = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01});
    for (int i = 0; i < 300; ++i)
        wide += Bytes({'x', 0});
    CArchive in2(wide);
    EXPECT_EQ(in2.ReadString(), std::string(300, 'x'));
    EXPECT_FALSE(in2.Failed());
}

// A damaged length must be refused before anything is allocated for it, and must not read past the end.
TEST(Archive, LengthsPastTheEndAreRefused)
{
    const std::string cases[] = {
        Bytes({0x05, 'a', 'b'}),
        Bytes({0xFF, 0x00, 0x01}),
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
        Bytes({0xFF, 0xFE, 0xFF, 0x02, 'a', 0}),
        Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),
        Bytes({0xFF}),
        Bytes({}),
    };
    for (const auto& bytes : cases) {
        CArchive in(bytes);
        EXPECT_EQ(in.ReadString(), "");
        EXPECT_TRUE(in.Failed());
        // Once failed, every later read is empty.
        EXPECT_EQ(in.ReadI32(), 0);
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(Archive, StringArrayCountsAndNumbersAreLittleEndian)
{
    CArchive out;
    out.WriteCount(3);
    out.WriteCount(0xFFFF);
    out.WriteI32(-2);
    out.WriteU32(0x01020304);
    EXPECT_EQ(out.Bytes(), Bytes({0x03, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0x04,
                                  0x03, 0x02, 0x01}));
    CArchive in(out.Bytes());
    EXPECT_EQ(in.ReadCount(), 3u);
    EXPECT_EQ(in.ReadCount(), 0xFFFFu);
    EXPECT_EQ(in.ReadI32(), -2);
    EXPECT_EQ(in.ReadU32(), 0x01020304u);
    EXPECT_FALSE(in.Failed());
}

TEST(Archive, StringArrayRoundTripsAndRefusesImpossibleCounts)
{
    std::vector<std::string> methods{"main(String args[])", "", "paint(Graphics g)"};
    CArchive out;
    out.Exchange(methods);
    CArchive in(out.Bytes());
    std::vector<std::string> back{"stale"};
    in.Exchange(back);
    EXPECT_EQ(back, methods);

    // A count of 0xFFFFFFFF strings in a few bytes cannot be real.
    const std::string impossible = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00});
    CArchive bad(impossible);
    bad.Exchange(back);
    EXPECT_TRUE(bad.Failed());
    EXPECT_TRUE(back.empty());
}
