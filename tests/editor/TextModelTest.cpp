#include "editor/TextModel.h"

#include "support/StringTextModel.h"

#include <gtest/gtest.h>

namespace {

// Classes written one letter per byte: n normal, k keyword, c comment, s string, t tag, x a
// byte outside the table.
std::string Codes(std::string_view letters)
{
    std::string codes;
    for (char letter : letters) {
        switch (letter) {
        case 'k': codes += ColourClass::kKeyword; break;
        case 'c': codes += ColourClass::kComment; break;
        case 's': codes += ColourClass::kString; break;
        case 't': codes += ColourClass::kTag; break;
        case 'x': codes += '\x07'; break;
        default: codes += ColourClass::kNormal; break;
        }
    }
    return codes;
}

struct CRunCase {
    const char* held;
    TextPos nBase;
    const char* wanted;
    const char* after;
    int nWrites;
    int nBytes;
};

// A pass that rewrote equal runs would make typing repaint the line; one that stopped at the
// first equal byte would leave later runs uncoloured; a stray code must show as normal.
TEST(TextModelTest, WritesOnlyTheSpanThatDiffers)
{
    const CRunCase cases[] = {
        {"nnnnnnnn", 0, "nnnnnnnn", "nnnnnnnn", 0, 0},
        {"nnnnnnnn", 0, "nkknnssn", "nkknnssn", 1, 6},
        {"kkkknnnn", 2, "kkcc", "kkkkccnn", 1, 2},
        {"nnnnnnnn", 6, "xk", "nnnnnnnk", 1, 1},
        {"cccccccc", 0, "xccccccn", "nccccccn", 1, 8},
        {"nnnn", 0, "", "nnnn", 0, 0},
    };
    for (const CRunCase& c : cases) {
        CStringTextModel text(std::string(std::string_view(c.held).size(), 'a'));
        text.SetClasses(0, Codes(c.held));
        const int nWritesBefore = text.ClassWrites();
        const int nBytesBefore = text.ClassBytesWritten();
        text.ApplyClasses(c.nBase, Codes(c.wanted));
        EXPECT_EQ(text.Classes(), Codes(c.after)) << c.held << " <- " << c.wanted;
        EXPECT_EQ(text.ClassWrites() - nWritesBefore, c.nWrites) << c.held << " <- " << c.wanted;
        EXPECT_EQ(text.ClassBytesWritten() - nBytesBefore, c.nBytes) << c.held << " <- " << c.wanted;
    }
}

}  // namespace
