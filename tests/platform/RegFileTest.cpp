#include "platform/RegFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kHead = "Windows Registry Editor Version 5.00\n\n";
const std::string kKey = "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS]\n";
const std::string kKeyPath = "HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS";

struct AcceptRow {
    const char* label;
    std::string text;
    bool accepted;
};

struct ValueRow {
    const char* label;
    std::string line;  // one value line (or lines) under kKey
    RegType type;
    const char* name;
    std::string data;
    std::uint32_t number;
};

}  // namespace

TEST(RegFile, AcceptsTheFormatAndRejectsAnythingElse)
{
    const AcceptRow rows[] = {
        {"header only", "Windows Registry Editor Version 5.00", true},
        {"header, blank line, key", kHead + kKey, true},
        {"CR LF and a byte order mark", "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n" + kKey + "\"A\"=dword:1\r\n", true},
        {"comments and blank lines", kHead + "; made by hand\n\n" + kKey + "  ; about A\n\n\"A\"=\"x\"\n; end\n", true},
        {"blanks around the parts", kHead + "  " + kKey + "  \"A\" = dword:1  \n", true},
        {"empty file", "", false},
        {"no header", kKey + "\"A\"=dword:1\n", false},
        {"older header", "REGEDIT4\n\n" + kKey, false},
        {"header not on the first line", "\n" + kHead, false},
        {"value outside a key", kHead + "\"A\"=dword:1\n", false},
        {"a line of anything", kHead + kKey + "TABWIDTH=3\n", false},
        {"empty key name", kHead + "[]\n", false},
        {"unclosed key", kHead + "[HKEY_CURRENT_USER\\Software\n", false},
        {"text after a key", kHead + "[HKEY_CURRENT_USER] x\n", false},
        {"no equals sign", kHead + kKey + "\"A\" dword:1\n", false},
        {"nothing after equals", kHead + kKey + "\"A\"=\n", false},
        {"unknown form", kHead + kKey + "\"A\"=qword:1\n", false},
        {"dword without digits", kHead + kKey + "\"A\"=dword:\n", false},
        {"dword of nine digits", kHead + kKey + "\"A\"=dword:000000001\n", false},
        {"dword with junk", kHead + kKey + "\"A\"=dword:12x\n", false},
        {"unterminated string", kHead + kKey + "\"A\"=\"abc\n", false},
        {"unterminated name", kHead + kKey + "\"A=\"abc\"\n", false},
        {"text after a string", kHead + kKey + "\"A\"=\"abc\" x\n", false},
        {"inline comment", kHead + kKey + "\"A\"=dword:1 ; no\n", false},
        {"hex with a bad byte", kHead + kKey + "\"A\"=hex:00,zz\n", false},
        {"hex continued past the end", kHead + kKey + "\"A\"=hex:00,\\", false},
        {"hex continued into a value", kHead + kKey + "\"A\"=hex:00,\\\n\"B\"=dword:1\n", false},
        {"hex type without digits", kHead + kKey + "\"A\"=hex():00\n", false},
        {"hex forms and a deletion", kHead + kKey + "\"A\"=hex:00,01,\\\n  02\n\"B\"=hex(2):41,00\n\"C\"=-\n", true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CRegFile::Parse(row.text).has_value(), row.accepted) << row.label;
}

TEST(RegFile, ReadsEachValueForm)
{
    const ValueRow rows[] = {
        {"dword", "\"TABWIDTH\"=dword:00000003", RegType::Dword, "TABWIDTH", "", 3},
        {"short upper-case dword", "\"A\"=DWORD:Ff", RegType::Dword, "A", "", 0xFF},
        {"largest dword", "\"A\"=dword:ffffffff", RegType::Dword, "A", "", 0xFFFFFFFF},
        {"string", "\"FONTNAME\"=\"Courier New\"", RegType::String, "FONTNAME", "Courier New", 0},
        {"empty string", "\"A\"=\"\"", RegType::String, "A", "", 0},
        {"escapes", R"("A\"b"="C:\\jdk\\bin \"q\"")", RegType::String, "A\"b", R"(C:\jdk\bin "q")", 0},
        {"other backslashes stand for themselves", R"("A"="a\q\\")", RegType::String, "A", R"(a\q\)", 0},
        {"line breaks in a string", "\"A\"=\"one\ntwo\r\nthree\n\"", RegType::String, "A", "one\ntwo\r\nthree\n", 0},
        {"CR LF line end after a string", "\"A\"=\"x\"\r", RegType::String, "A", "x", 0},
        {"default value", "@=\"def\"", RegType::String, "", "def", 0},
        {"expandable string kept as written", "\"A\"=hex(2):41,00,\\\r\n  00,00", RegType::Other, "A", "hex(2):41,00,\\\n  00,00", 0},
        {"deletion kept as written", "\"A\"=-", RegType::Other, "A", "-", 0},
    };
    for (const auto& row : rows) {
        const auto file = CRegFile::Parse(kHead + kKey + row.line + "\n");
        ASSERT_TRUE(file.has_value()) << row.label;
        ASSERT_EQ(file->Keys().size(), 1u) << row.label;
        ASSERT_EQ(file->Keys()[0].values.size(), 1u) << row.label;
        const CRegValue& value = file->Keys()[0].values[0];
        EXPECT_EQ(value.type, row.type) << row.label;
        EXPECT_EQ(value.strName, row.name) << row.label;
        EXPECT_EQ(value.strData, row.data) << row.label;
        EXPECT_EQ(value.nData, row.number) << row.label;
    }
}

TEST(RegFile, NamesCompareWithoutCaseAndRepeatsMerge)
{
    const auto file = CRegFile::Parse(kHead + kKey + "\"TabWidth\"=dword:2\n\"X\"=\"1\"\n\n" +
                                      "[hkey_current_user\\software\\kestrune\\ondrik\\options]\n" +
                                      "\"TABWIDTH\"=dword:4\n\"Y\"=\"2\"\n");
    ASSERT_TRUE(file.has_value());
    ASSERT_EQ(file->Keys().size(), 1u) << "the second key is the same key";
    const CRegKey* key = file->FindKey("HKEY_CURRENT_USER\\SOFTWARE\\KESTRUNE\\ONDRIK\\Options");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->strPath, kKeyPath) << "the first spelling stays";
    ASSERT_EQ(key->values.size(), 3u);
    EXPECT_EQ(key->values[0].strName, "TabWidth") << "the first spelling and place stay";
    EXPECT_EQ(key->values[0].nData, 4u) << "the later data wins";
    ASSERT_NE(key->FindValue("tabwidth"), nullptr);
    EXPECT_EQ(key->FindValue("y")->strData, "2");
    EXPECT_EQ(key->FindValue("Z"), nullptr);
    EXPECT_EQ(file->FindKey(kKeyPath + "\\Sub"), nullptr);
}

TEST(RegFile, WritesTheExportFormat)
{
    CRegFile file;
    file.SetDword(kKeyPath, "TABWIDTH", 3);
    file.SetString(kKeyPath, "JAVABIN", R"(C:\jdk "1.2")");
    file.SetString("HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\Tip", "", "x");
    file.SetDword(kKeyPath, "KEYCOLOR", 0x00DD0000);
    file.SetDword(kKeyPath, "tabwidth", 0xABCDEF12);
    EXPECT_EQ(file.Write(), kHead + kKey +
                                "\"TABWIDTH\"=dword:abcdef12\n"
                                "\"JAVABIN\"=\"C:\\\\jdk \\\"1.2\\\"\"\n"
                                "\"KEYCOLOR\"=dword:00dd0000\n"
                                "\n"
                                "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\Tip]\n"
                                "@=\"x\"\n"
                                "\n");
}

TEST(RegFile, RewriteKeepsWhatItDoesNotKnow)
{
    // A rewrite that dropped comments, foreign keys or other value types would lose the user's data.
    const std::string input = "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
                              "; kept\r\n"
                              "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                              "\"Bin\"=hex:01,02,\\\r\n"
                              "  03\r\n"
                              "\r\n"
                              "\r\n"
                              "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS]\r\n"
                              "; about the size\r\n"
                              "\"FONTSIZE\"=dword:0064\r\n"
                              "\"Gone\"=-\r\n"
                              "; last words\r\n";
    const auto file = CRegFile::Parse(input);
    ASSERT_TRUE(file.has_value());
    const std::string written = file->Write();
    EXPECT_EQ(written, kHead +
                           "; kept\n"
                           "[HKEY_CURRENT_USER\\Software\\Other]\n"
                           "\"Bin\"=hex:01,02,\\\n"
                           "  03\n"
                           "\n" +
                           kKey +
                           "; about the size\n"
                           "\"FONTSIZE\"=dword:00000064\n"
                           "\"Gone\"=-\n"
                           "\n"
                           "; last words\n");
    const auto again = CRegFile::Parse(written);
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(*again, *file);
    EXPECT_EQ(again->Write(), written);
}

TEST(RegFile, StringsWithAwkwardCharactersSurviveARewrite)
{
    const std::string texts[] = {"", "\\", "\"", "\\\"", "a\\", "line\nbreak", "cr\r\nlf\n", "\r", "trailing\r\n",
                                 std::string("nul\0byte", 8), "[HKEY_CURRENT_USER]\n\"x\"=dword:1"};
    for (const auto& text : texts) {
        CRegFile file;
        file.SetString(kKeyPath, text, text);
        const auto again = CRegFile::Parse(file.Write());
        ASSERT_TRUE(again.has_value()) << text;
        ASSERT_EQ(again->Keys().size(), 1u) << text;
        ASSERT_EQ(again->Keys()[0].values.size(), 1u) << text;
        EXPECT_EQ(again->Keys()[0].values[0].strName, text);
        EXPECT_EQ(again->Keys()[0].values[0].strData, text);
    }
}
