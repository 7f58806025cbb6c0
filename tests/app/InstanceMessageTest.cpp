#include "app/InstanceMessage.h"

#include <gtest/gtest.h>

namespace {

using State = CInstanceMessage::State;

std::string Number(std::uint32_t value)
{
    return {static_cast<char>(value >> 24), static_cast<char>((value >> 16) & 0xFF),
            static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
}

}  // namespace

// Each list goes through whole, split at every byte, and byte by byte; a reader that loses a
// field split between reads, or trims, decodes or stops at a line feed, gives other paths.
TEST(InstanceMessage, PathsArriveByteForByteHoweverTheBytesAreSplit)
{
    const std::vector<std::vector<std::string>> lists = {
        {},
        {"/home/u/Foo.java"},
        {"/home/u/my project/A b.java", "/tmp/line\nfeed.html", std::string("/srv/caf\xe9\xff.jpr")},
        {"", std::string("/nul\0inside", 11), std::string(CInstanceMessage::kMaxPathBytes, 'x')},
    };
    for (const auto& paths : lists) {
        const auto bytes = CInstanceMessage::Encode(paths);
        ASSERT_TRUE(bytes.has_value());
        const std::string what = "list of " + std::to_string(paths.size());

        for (std::size_t split = 0; split <= bytes->size(); ++split) {
            CInstanceMessage reader;
            const State first = reader.Append(std::string_view(*bytes).substr(0, split));
            EXPECT_EQ(first, split == bytes->size() ? State::Complete : State::Incomplete) << what << " at " << split;
            EXPECT_EQ(reader.Append(std::string_view(*bytes).substr(split)), State::Complete) << what << " at " << split;
            EXPECT_EQ(reader.GetPaths(), paths) << what << " at " << split;
        }
        CInstanceMessage reader;
        for (char c : *bytes)
            reader.Append(std::string_view(&c, 1));
        EXPECT_EQ(reader.GetState(), State::Complete) << what;
        EXPECT_EQ(reader.GetPaths(), paths) << what;
    }
}

TEST(InstanceMessage, WrongOrOversizedInputIsRefusedWithoutWaitingForIt)
{
    struct Row {
        const char* what;
        std::string bytes;
        State state;
    };
    const std::string header = "ODK1";
    const Row rows[] = {
        {"a wrong first byte", "X", State::Malformed},
        {"an older layout", "ODK0" + Number(0), State::Malformed},
        {"a count beyond the bound", header + Number(CInstanceMessage::kMaxPaths + 1), State::Malformed},
        {"a length beyond the bound", header + Number(1) + Number(CInstanceMessage::kMaxPathBytes + 1),
         State::Malformed},
        {"a length of four gigabytes", header + Number(1) + Number(0xFFFFFFFF), State::Malformed},
        {"bytes after the last path", header + Number(1) + Number(1) + "ab", State::Malformed},
        {"a path cut short", header + Number(2) + Number(1) + "a" + Number(3) + "bc", State::Incomplete},
        {"the header alone", header, State::Incomplete},
    };
    for (const Row& row : rows) {
        CInstanceMessage reader;
        EXPECT_EQ(reader.Append(row.bytes), row.state) << row.what;
    }

    CInstanceMessage reader;
    ASSERT_EQ(reader.Append(*CInstanceMessage::Encode({"/a"})), State::Complete);
    EXPECT_EQ(reader.Append("x"), State::Malformed) << "a second message on the same connection";
    EXPECT_EQ(reader.Append(""), State::Malformed) << "malformed stays malformed";

    EXPECT_FALSE(CInstanceMessage::Encode({std::string(CInstanceMessage::kMaxPathBytes + 1, 'x')}));
    EXPECT_FALSE(CInstanceMessage::Encode(std::vector<std::string>(CInstanceMessage::kMaxPaths + 1, "/a")));
}
