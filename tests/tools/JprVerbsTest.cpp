#include "tools/JprVerbs.h"

#include "project/JavaClass.h"
#include "project/JavaProjectDoc.h"

#include "support/TempDir.h"
#include "support/TestProjectHost.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

namespace {

// A project with every kind of content the program writes, saved to path.
void SaveRichProject(const std::string& path)
{
    CTestProjectHost host;
    host.m_strJavac = "-g -deprecation";
    CJavaProjectDoc doc(host);
    doc.SetPathName(path);
    doc.AddJavaFile("/src/app/Main.java");
    doc.AddJavaFile("/src/app/Util.java");
    doc.BeginFileScan("/src/app/Main.java");
    doc.AddClass("/src/app/Main.java", "Main");
    doc.AddMethod("/src/app/Main.java", "Main", "main(String args[])");
    doc.AddInnerClass("/src/app/Main.java", "Main", "Listener");
    doc.AddInnerMethod("/src/app/Main.java", "Main", "Listener", "actionPerformed(ActionEvent e)");
    doc.AddMethod("/src/app/Main.java", "Main", std::string(300, 'm') + "()");
    doc.AddClass("/src/app/Main.java", "Tab\there");
    doc.AddPlainFile("/src/web/page.html");
    doc.SetMainJavaFile("Main.java");
    doc.SetMainHtmlFile("page.html");
    doc.SetJavaSwitches(std::string(70000, 'x'));
    ASSERT_TRUE(doc.OnSaveDocument(path));
}

int RunTool(const std::string& arguments)
{
    const int status = std::system((std::string(ONDRIK_JPR) + " " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(JprVerbs, DumpPrintsEveryItemInItsOrder)
{
    CTempDir dir;
    CTestProjectHost host;
    CJavaProjectDoc doc(host);
    doc.SetPathName("/p/p.jpr");
    doc.AddJavaFile("/p/src/Main.java");
    doc.AddClass("/p/src/Main.java", "Main");
    doc.AddMethod("/p/src/Main.java", "Main", "main(String args[])");
    doc.AddInnerClass("/p/src/Main.java", "Main", "In");
    doc.AddInnerMethod("/p/src/Main.java", "Main", "In", "run()");
    doc.AddPlainFile("/p/a.html");
    doc.SetMainJavaFile("Main.java");
    doc.SetJavacSwitches("-g");
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("p.jpr")));

    std::ostringstream out, err;
    EXPECT_EQ(RunDump({dir.File("p.jpr")}, out, err), 0);
    EXPECT_EQ(out.str(),
              "Main Java file: \"Main.java\"\n"
              "Main HTML file: \"\"\n"
              "Java switches: \"\"\n"
              "Javac switches: \"-g\"\n"
              "Main class package: \"\"\n"
              "Main folder: \"/p/src\"\n"
              "Java files: 1\n"
              "  \"Main.java\"\n"
              "    Path: \"/p/src/Main.java\"\n"
              "    Project path: \"/p/p.jpr\"\n"
              "    Extra: \"\"\n"
              "    Class \"Main\"\n"
              "      Method \"main(String args[])\"\n"
              "      Inner class \"In\"\n"
              "        Method \"run()\"\n"
              "Plain files: 1\n"
              "  \"a.html\"\n"
              "    Path: \"/p/a.html\"\n"
              "    Project path: \"/p/p.jpr\"\n");
    EXPECT_EQ(err.str(), "");
}

TEST(JprVerbs, DumpOfADamagedFileGivesTheLoadMessageAndExitOne)
{
    CTempDir dir;
    const auto path = dir.Write("bad.jpr", std::string("\x01\x00\x00\x00\x09Main", 9));
    std::ostringstream out, err;
    EXPECT_EQ(RunDump({path}, out, err), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "Unexpected file format.\n");

    std::ostringstream out2, err2;
    EXPECT_EQ(RunDump({dir.File("none.jpr")}, out2, err2), 1);
    EXPECT_NE(err2.str().find("Cannot find this file."), std::string::npos);
}

TEST(JprVerbs, RoundtripGivesTheSameBytes)
{
    CTempDir dir;
    SaveRichProject(dir.File("rich.jpr"));
    std::ostringstream out, err;
    ASSERT_EQ(RunRoundtrip({dir.File("rich.jpr"), dir.File("copy.jpr")}, out, err), 0) << err.str();
    EXPECT_EQ(CTempDir::Read(dir.File("copy.jpr")), CTempDir::Read(dir.File("rich.jpr")));
}

TEST(JprVerbs, ToolExitCodes)
{
    CTempDir dir;
    SaveRichProject(dir.File("rich.jpr"));
    EXPECT_EQ(RunTool("dump " + dir.File("rich.jpr")), 0);
    EXPECT_EQ(RunTool("roundtrip " + dir.File("rich.jpr") + " " + dir.File("out.jpr")), 0);
    EXPECT_EQ(CTempDir::Read(dir.File("out.jpr")), CTempDir::Read(dir.File("rich.jpr")));
    EXPECT_EQ(RunTool("dump " + dir.File("missing.jpr")), 1);
    EXPECT_EQ(RunTool(""), 2);
    EXPECT_EQ(RunTool("explode"), 2);
    EXPECT_EQ(RunTool("dump"), 2);
    EXPECT_EQ(RunTool("--help"), 0);
}

// An empty project file gives the user's current default switches, as opening it in the IDE does.
TEST(JprVerbs, EmptyFileDumpsWithTheUsersDefaultSwitches)
{
    CTempDir dir;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old != nullptr ? old : "";
    ::setenv("XDG_CONFIG_HOME", dir.File("config").c_str(), 1);
    dir.Write("config/Kestrune/Ondrik.reg", "Windows Registry Editor Version 5.00\n\n"
                                            "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS]\n"
                                            "\"JAVAC\"=\"-g -nowarn\"\n");
    std::ostringstream out, err;
    const int code = RunDump({dir.Write("empty.jpr", "")}, out, err);
    if (old != nullptr)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(code, 0);
    EXPECT_NE(out.str().find("Javac switches: \"-g -nowarn\"\n"), std::string::npos) << out.str();
}
