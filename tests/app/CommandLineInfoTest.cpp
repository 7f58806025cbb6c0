#include "app/CommandLineInfo.h"
#include "app/ProjectTemplates.h"

#include <gtest/gtest.h>

TEST(CommandLineInfo, FileOptionsAndErrors)
{
    struct Row {
        std::vector<std::string> args;
        std::string file;
        bool bNoLogo;
        bool bHelp;
        bool bError;
    };
    const Row rows[] = {
        {{}, "", false, false, false},
        {{"/p/A.java"}, "/p/A.java", false, false, false},
        {{"-nologo", "x.jpr"}, "x.jpr", true, false, false},
        {{"--help"}, "", false, true, false},
        {{"--", "-odd-name.java"}, "-odd-name.java", false, false, false},
        {{"--bogus"}, "", false, false, true},
        {{"a.java", "b.java"}, "a.java", false, false, true},
    };
    for (const auto& row : rows) {
        const auto info = CCommandLineInfo::Parse(row.args);
        const std::string what = row.args.empty() ? "(none)" : row.args.front();
        EXPECT_EQ(info.strFileName, row.file) << what;
        EXPECT_EQ(info.bNoLogo, row.bNoLogo) << what;
        EXPECT_EQ(info.bHelp, row.bHelp) << what;
        EXPECT_EQ(!info.strError.empty(), row.bError) << what;
    }
}

TEST(ProjectTemplates, NamesAreReplacedEverywhereAndLineFeedsBecomeCrLf)
{
    using ProjectTemplates::ReplaceAll;
    using ProjectTemplates::TextModeBytes;
    EXPECT_EQ(ReplaceAll("MainFrame f = new MainFrame();", "MainFrame", "Foo"), "Foo f = new Foo();");
    EXPECT_EQ(ReplaceAll("MyAppletMyApplet", "MyApplet", "MyApplet2"), "MyApplet2MyApplet2") << "no rescanning";
    EXPECT_EQ(TextModeBytes("a\nb\r\n\n"), "a\r\nb\r\r\n\r\n") << "every line feed, as text mode writes it";
    EXPECT_EQ(TextModeBytes("}\t"), "}\t");
}
