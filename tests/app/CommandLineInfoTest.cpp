#include "app/CommandLineInfo.h"
#include "app/ProjectTemplates.h"

#include <gtest/gtest.h>

TEST(CommandLineInfo, FileOptionsAndErrors)
{
    struct Row {
        std::vector<std::string> args;
        std::vector<std::string> files;
        bool bNoLogo;
        bool bNewInstance;
        bool bHelp;
        bool bError;
    };
    const Row rows[] = {
        {{}, {}, false, false, false, false},
        {{"/p/A.java"}, {"/p/A.java"}, false, false, false, false},
        {{"-nologo", "x.jpr"}, {"x.jpr"}, true, false, false, false},
        {{"b.java", "a b.html", "c.jpr"}, {"b.java", "a b.html", "c.jpr"}, false, false, false, false},
        {{"a.java", "--new-instance", "b.java"}, {"a.java", "b.java"}, false, true, false, false},
        {{"a.java", "--", "-odd-name.java", "--", "--help"}, {"a.java", "-odd-name.java", "--", "--help"},
         false, false, false, false},
        {{"", "a.java"}, {"a.java"}, false, false, false, false},
        {{"--help"}, {}, false, false, true, false},
        {{"--bogus"}, {}, false, false, false, true},
        // Before Qt has taken its options they look unknown; help must still be seen.
        {{"-style", "fusion", "-h"}, {"fusion"}, false, false, true, true},
    };
    for (const auto& row : rows) {
        const auto info = CCommandLineInfo::Parse(row.args);
        std::string what = "(line:";
        for (const std::string& arg : row.args)
            what += " '" + arg + "'";
        what += ")";
        EXPECT_EQ(info.fileNames, row.files) << what;
        EXPECT_EQ(info.bNoLogo, row.bNoLogo) << what;
        EXPECT_EQ(info.bNewInstance, row.bNewInstance) << what;
        EXPECT_EQ(info.bHelp, row.bHelp) << what;
        EXPECT_EQ(!info.strError.empty(), row.bError) << what;
    }
}

TEST(CommandLineInfo, HeadlessActionsNameTheirFilesAndTheProgramsArguments)
{
    using Action = CCommandLineInfo::Action;
    const auto build = CCommandLineInfo::Parse({"--build", "p.jpr"});
    EXPECT_EQ(build.nAction, Action::Build);
    EXPECT_EQ(build.strProject, "p.jpr");
    EXPECT_EQ(build.strError, "");
    const auto run = CCommandLineInfo::Parse({"--run", "p.jpr", "--", "-v", "", "--help"});
    EXPECT_EQ(run.nAction, Action::Run);
    EXPECT_EQ(run.runArguments, (std::vector<std::string>{"-v", "", "--help"})) << "after --, all go to the program";
    EXPECT_FALSE(run.bHelp);
    const auto page = CCommandLineInfo::Parse({"--export-html", "-A.java", "--help"});
    EXPECT_EQ(page.nAction, Action::ExportHtml);
    EXPECT_EQ(page.strExportSource, "-A.java");
    EXPECT_EQ(page.strExportPage, "--help") << "the two names are taken as they stand";
    EXPECT_FALSE(page.bHelp);
    EXPECT_EQ(page.strError, "");
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"--build"}, {"--build", "p.jpr", "A.java"}, {"--build", "p.jpr", "--run", "q.jpr"},
          {"--export-html"}, {"--export-html", "A.java"}, {"--export-html", "A.java", "A.html", "B.java"},
          {"--export-html", "A.java", "A.html", "--build", "p.jpr"},
          {"--run", "p.jpr", "--export-html", "A.java", "A.html"}})
        EXPECT_NE(CCommandLineInfo::Parse(wrong).strError, "") << wrong.back();
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
