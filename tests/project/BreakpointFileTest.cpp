#include "project/BreakpointFile.h"
#include "project/JavaProjectDoc.h"

#include "support/TempDir.h"
#include "support/TestProjectHost.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kFolder = "/p/Shop";

struct CFileCase {
    const char* name;
    std::string text;
    CBreakpoints::CFileLines files;
};

// Each row is read as text and written back to the same text: paths under the project's folder
// from there, others whole, lines counted from 1 on disk and from 0 in memory.
const CFileCase kRoundTrips[] = {
    {"no breakpoints", "Ondrik breakpoints 1\n", {}},
    {"under the folder and outside it",
     "Ondrik breakpoints 1\n/elsewhere/Util.java\t3\nsrc/app/Main.java\t1\nsrc/app/Main.java\t12\n",
     {{"/elsewhere/Util.java", {2}}, {kFolder + "/src/app/Main.java", {0, 11}}}},
    {"a name with blanks", "Ondrik breakpoints 1\nmy src/A B.java\t7\n", {{kFolder + "/my src/A B.java", {6}}}},
};

TEST(BreakpointFileTest, TextAndBreakpointsGiveEachOtherBack)
{
    for (const CFileCase& row : kRoundTrips) {
        const BreakpointFile::CParsed parsed = BreakpointFile::Parse(row.text, kFolder);
        EXPECT_EQ(parsed.strError, "") << row.name;
        EXPECT_EQ(parsed.files, row.files) << row.name;
        EXPECT_EQ(BreakpointFile::Format(row.files, kFolder), row.text) << row.name;
    }
    // Line breaks of either kind and blank lines are read; what is written is the plain form.
    EXPECT_EQ(BreakpointFile::Parse("Ondrik breakpoints 1\r\n\r\nA.java\t2\r\n", kFolder).files,
              (CBreakpoints::CFileLines {{kFolder + "/A.java", {1}}}));
    // A folder's name that merely starts the same is no folder of the project's.
    EXPECT_EQ(BreakpointFile::Format({{"/p/ShopOld/A.java", {0}}}, kFolder), "Ondrik breakpoints 1\n/p/ShopOld/A.java\t1\n");
    EXPECT_EQ(BreakpointFile::PathFor("/p/Shop/Shop.jpr"), "/p/Shop/Shop.breakpoints");
    EXPECT_EQ(BreakpointFile::PathFor("/p/Shop/.jpr"), "/p/Shop/.jpr.breakpoints");
}

TEST(BreakpointFileTest, DamagedTextSaysWhereAndWhat)
{
    const std::pair<std::string, std::string> rows[] = {
        {"", "line 1: this is no breakpoints file"},
        {"class Main {}\n", "line 1: this is no breakpoints file"},
        {"Ondrik breakpoints 2\n", "line 1: version \"2\" is not known"},
        {"Ondrik breakpoints 1\nMain.java 12\n", "line 2: no file and line number parted by a tab"},
        {"Ondrik breakpoints 1\n\t12\n", "line 2: no file and line number parted by a tab"},
        {"Ondrik breakpoints 1\nA.java\t1\nMain.java\t0\n", "line 3: \"0\" is no line number"},
        {"Ondrik breakpoints 1\nMain.java\t-4\n", "line 2: \"-4\" is no line number"},
        {"Ondrik breakpoints 1\nMain.java\t12x\n", "line 2: \"12x\" is no line number"},
        {"Ondrik breakpoints 1\nMain.java\t99999999999\n", "line 2: \"99999999999\" is no line number"},
    };
    for (const auto& [text, error] : rows)
        EXPECT_EQ(BreakpointFile::Parse(text, kFolder).strError, error) << text;
}

// Would catch a damaged side file that is overwritten by the next breakpoint (and so lost), one
// that is dropped without a word, and breakpoints that are not written back or not read again.
TEST(BreakpointFileTest, ProjectKeepsItsBreakpointsBesideItAndADamagedFileAside)
{
    CTempDir dir;
    CTestProjectHost host;
    const std::string jpr = dir.File("Shop.jpr");
    const std::string side = dir.File("Shop.breakpoints");
    const std::string source = dir.File("src/Main.java");
    dir.Write("Shop.breakpoints", "Ondrik breakpoints 1\nsrc/Main.java\tseven\n");
    {
        CJavaProjectDoc project(host);
        host.m_ui.ExpectMessage("The project's breakpoints could not be read from\n" + side +
                                "\n(line 2: \"seven\" is no line number).\nThe file was kept as\n" + side +
                                ".bad\nand the project starts without breakpoints.");
        project.SetPathName(jpr);
        EXPECT_TRUE(project.GetBreakpoints().All().empty());
        EXPECT_EQ(CTempDir::Read(side + ".bad"), "Ondrik breakpoints 1\nsrc/Main.java\tseven\n");
        EXPECT_TRUE(project.GetBreakpoints().Toggle(source, 6));
        EXPECT_EQ(CTempDir::Read(side), "Ondrik breakpoints 1\nsrc/Main.java\t7\n");
        project.GetBreakpoints().MoveLines(source, {8});
    }
    CJavaProjectDoc reopened(host);
    reopened.SetPathName(jpr);
    EXPECT_EQ(reopened.GetBreakpoints().LinesOf(source), std::vector<int>{8});
    EXPECT_EQ(CTempDir::Read(side + ".bad"), "Ondrik breakpoints 1\nsrc/Main.java\tseven\n") << "still kept";

    // Save As takes the breakpoints along beside the new file.
    const std::string copy = dir.File("Copy.jpr");
    reopened.SetPathName(copy);
    EXPECT_EQ(CTempDir::Read(dir.File("Copy.breakpoints")), "Ondrik breakpoints 1\nsrc/Main.java\t9\n");
}

}  // namespace
