#include "tools/JprScanVerbs.h"

#include "project/JavaClass.h"
#include "project/JavaProjectDoc.h"

#include "support/TempDir.h"
#include "support/TestProjectHost.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

TEST(JprScanVerbs, ClassesListsEntriesWithPositionsAndEscapes)
{
    CTempDir dir;
    const auto path = dir.Write("A.java", "class A {\r\n  void f() {\r\n  }\r\n  void g(int a,\r\n int b) {\r\n  }\r\n}\r\n");
    std::ostringstream out, err;
    ASSERT_EQ(RunClasses({path}, out, err), 0) << err.str();
    std::istringstream lines(out.str());
    std::string first, second, third;
    std::getline(lines, first);
    std::getline(lines, second);
    std::getline(lines, third);
    EXPECT_EQ(first.substr(first.find('\t')), "\tA");
    EXPECT_EQ(second.substr(second.find('\t')), "\tA.f()");
    EXPECT_EQ(third.substr(third.find('\t')), "\tA.g(int a, int b)") << "a header over two lines is one entry";
    EXPECT_LT(std::stoi(first), std::stoi(second));
    EXPECT_LT(std::stoi(second), std::stoi(third));

    std::ostringstream out2, err2;
    EXPECT_EQ(RunClasses({dir.File("none.java")}, out2, err2), 1);
    EXPECT_EQ(RunClasses({}, out2, err2), 2);
}

TEST(JprScanVerbs, RescanBringsTheClassesUpToDateAndKeepsUnreadableOnes)
{
    CTempDir dir;
    const auto main = dir.Write("p/Main.java", "public class Main {\n  public static void main(String args[]) {\n  }\n}\n");
    {
        CTestProjectHost host;
        CJavaProjectDoc doc(host);
        doc.SetPathName(dir.File("p/p.jpr"));
        doc.AddJavaFile(main);
        doc.AddJavaFile(dir.File("p/Gone.java"));
        doc.AddClass(dir.File("p/Gone.java"), "Gone");
        ASSERT_TRUE(doc.OnSaveDocument(doc.GetPathName()));
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunRescan({dir.File("p/p.jpr")}, out, err), 1) << "one file could not be read";
    EXPECT_NE(err.str().find("Gone.java"), std::string::npos);

    CTestProjectHost host;
    CJavaProjectDoc doc(host);
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("p/p.jpr")));
    const CJavaClass* mainClass = doc.GetJavaFiles().GetAt(0)->GetClasses().FindClass("Main");
    ASSERT_NE(mainClass, nullptr);
    EXPECT_TRUE(mainClass->HasMethod("main(String args[])"));
    EXPECT_TRUE(doc.GetJavaFiles().GetAt(1)->GetClasses().HasClass("Gone")) << "an unreadable file keeps its classes";
}

// Given as a relative name, the project still finds its files where they are and keeps their paths.
TEST(JprScanVerbs, RescanWithARelativeProjectPathKeepsThePaths)
{
    CTempDir dir;
    const auto source = dir.Write("p/src/A.java", "class A {\n}\n");
    {
        CTestProjectHost host;
        CJavaProjectDoc doc(host);
        doc.SetPathName(dir.File("p/p.jpr"));
        doc.AddJavaFile(source);
        ASSERT_TRUE(doc.OnSaveDocument(doc.GetPathName()));
    }
    const std::string command = "cd " + dir.File("p") + " && " + ONDRIK_JPR + " rescan p.jpr >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    CTestProjectHost host;
    CJavaProjectDoc doc(host);
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("p/p.jpr")));
    EXPECT_EQ(doc.GetJavaFiles().GetAt(0)->GetPath(), source);
    EXPECT_TRUE(doc.GetJavaFiles().GetAt(0)->GetClasses().HasClass("A"));
}
