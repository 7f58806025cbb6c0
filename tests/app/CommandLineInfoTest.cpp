#include "app/AboutDlg.h"
#include "app/CommandLineInfo.h"
#include "app/ProjectTemplates.h"

#include <gtest/gtest.h>

#include <sstream>

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
        {{"--bogus", "-h"}, {}, false, false, true, true},
        // Qt's own options, with their values, are passed over before Qt has taken them.
        {{"-style", "fusion", "-h"}, {}, false, false, true, false},
        {{"--platform", "offscreen", "-reverse", "--stylesheet=a.qss", "a.java", "-geometry"}, {"a.java"},
         false, false, false, false},
        {{"-sync", "a.java"}, {"a.java"}, false, false, false, true},
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

// Catches a wrong line that needs a display before it is refused, the version or the help on
// the wrong stream, and a help text naming an option the program does not take.
TEST(CommandLineInfo, HelpVersionAndWrongLinesAreAnsweredAtOnce)
{
    const std::string usage = CCommandLineInfo::Usage();
    const std::string synopsis = usage.substr(0, usage.find('\n'));
    struct Row {
        std::vector<std::string> args;
        std::optional<int> exitCode;
        std::string out;
        std::string err;
    };
    const Row rows[] = {
        {{"--help", "--version"}, 0, usage + "\n", ""},
        {{"-platform", "xcb", "--version"}, 0, CAboutDlg::ProductLine() + "\n", ""},
        {{"a.java", "--bogus", "--build"}, 2, "", "ondrik: unknown option '--bogus'\n" + synopsis + "\n"},
        {{"--build", "p.jpr"}, std::nullopt, "", ""},
        {{"-style", "fusion", "a.java"}, std::nullopt, "", ""},
    };
    for (const Row& row : rows) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(CCommandLineInfo::Parse(row.args).AnswerAtOnce(out, err), row.exitCode) << row.args.back();
        EXPECT_EQ(out.str(), row.out) << row.args.back();
        EXPECT_EQ(err.str(), row.err) << row.args.back();
    }

    // Every option the help lists (first on an indented line, or after "ondrik") is taken.
    std::istringstream lines(usage);
    std::vector<std::string> listed;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "ondrik")
            words >> word;
        while (word.starts_with('-')) {
            const bool bMore = word.ends_with(',');
            if (bMore)
                word.pop_back();
            listed.push_back(word);
            if (!bMore || !(words >> word))
                break;
        }
    }
    for (const std::string& option : listed)
        EXPECT_EQ(CCommandLineInfo::Parse({option, "x", "y"}).strError.find("unknown"), std::string::npos) << option;
    EXPECT_EQ(listed, (std::vector<std::string>{"--build", "--run", "--export-html", "-nologo", "--new-instance",
                                                "--help", "-h", "--version"}));
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
