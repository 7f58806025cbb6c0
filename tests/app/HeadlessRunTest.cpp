// --build and --run: the project's Build and Run Application without a window, from a shell;
// --export-html: a Java file as a coloured page.
#include "app/AboutDlg.h"
#include "app/AppEnvironment.h"
#include "app/CommandLineInfo.h"
#include "app/HeadlessRun.h"
#include "editor/HtmlColouring.h"
#include "editor/HtmlExport.h"
#include "editor/JavaColouring.h"
#include "platform/ChildProcess.h"
#include "project/JavaProjectDoc.h"

#include "support/AppTestEnv.h"
#include "support/CurrentFolderKeeper.h"
#include "support/TestProjectHost.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace {

class HeadlessRunTest : public ::testing::Test {
protected:
    HeadlessRunTest()
    {
        m_home.Dir().Write("config/Kestrune/Ondrik.reg",
                           "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\PATHS]\n"
                           "\"JAVABIN\"=\"" + m_home.Dir().File("jdk") + "\"\n");
        Tool("javac", "echo \"$PWD: javac $*\"");
        Tool("java", "for a in \"$@\"; do printf '[%s]' \"$a\"; done; echo");
    }

    void Tool(const std::string& name, const std::string& body)
    {
        const std::string path = m_home.Dir().Write("jdk/bin/" + name, "#!/bin/sh\n" + body + "\n");
        ::chmod(path.c_str(), 0755);
    }

    // A saved project; mainFile "" leaves it without a main file.
    std::string MakeProject(const std::string& mainFile, const std::string& name = "P")
    {
        CTestProjectHost host;
        CJavaProjectDoc project(host);
        project.SetPathName(m_home.Dir().File("p/" + name + ".jpr"));
        project.AddJavaFile(m_home.Dir().Write("p/Main.java", "class Main {}\n"));
        m_home.Dir().Write("p/Main.class", "");
        if (!mainFile.empty())
            project.SetMainJavaFile(mainFile);
        EXPECT_TRUE(project.OnSaveDocument(project.GetPathName()));
        return project.GetPathName();
    }

    int Run(const std::vector<std::string>& args)
    {
        m_out.str("");
        m_err.str("");
        CAppEnvironment env;
        env.strProgramPath = m_home.Dir().File("install/ondrik");
        env.strSettingsFile = m_home.SettingsFile();
        env.jdkSearch = {m_home.Dir().File("jvm/default-java"), ""};
        return RunHeadless(CCommandLineInfo::Parse(args), env, m_out, m_err);
    }

    CCurrentFolderKeeper m_folder;
    CTestConfigHome m_home;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

}  // namespace

TEST_F(HeadlessRunTest, BuildGivesTheProcessWindowsTextAndTheToolsExitCode)
{
    const std::string project = MakeProject("Main.java");
    EXPECT_EQ(Run({"--build", project}), 0);
    EXPECT_EQ(m_out.str(), m_home.Dir().File("p") + ": javac Main.java\nExit code: 0\nNo Errors\n");
    EXPECT_EQ(m_err.str(), "");

    Tool("javac", "echo 'Main.java:1: error: x'; exit 3");
    EXPECT_EQ(Run({"--build", project}), 3);
    EXPECT_EQ(m_out.str(), "Main.java:1: error: x\nExit code: 3\nThere were errors\n");
    Tool("javac", "kill -9 $$");
    EXPECT_EQ(Run({"--build", project}), 128 + 9) << "a signal N gives 128 + N";
}

TEST_F(HeadlessRunTest, RunPassesTheArgumentsAsTheArgumentsDialogWould)
{
    const std::string project = MakeProject("Main.java");
    EXPECT_EQ(Run({"--run", project, "--", "a", "b c", "*.java", ""}), 0);
    EXPECT_EQ(m_out.str(), "[Main][a][b c][*.java][]\nExit code: 0\nNo Errors\n");
    EXPECT_EQ(Run({"--run", project}), 0);
    EXPECT_EQ(m_out.str(), "[Main]\nExit code: 0\nNo Errors\n");
}

TEST_F(HeadlessRunTest, BadInputGetsTheSystemsTextAndExitCodeOne)
{
    const std::string damaged = m_home.Dir().Write("bad.jpr", "not a project");
    struct Row {
        std::vector<std::string> args;
        std::string message;
    };
    const Row rows[] = {
        {{"--build", m_home.Dir().File("missing.jpr")}, "Cannot find this file."},
        {{"--run", damaged}, "Unexpected file format."},
        {{"--build", MakeProject("", "NoMain")}, "Please specify a main Java file first"},
        {{"--run", MakeProject("Gone.java", "Gone")}, "Unholy Error"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Run(row.args), 1) << row.message;
        EXPECT_NE(m_err.str().find(row.message), std::string::npos) << m_err.str();
        EXPECT_EQ(m_out.str(), "") << row.message;
    }
}

// The program itself: no display is needed, and the exit code reaches the shell.
TEST_F(HeadlessRunTest, TheProgramBuildsWithoutADisplay)
{
    Tool("javac", "echo compiled; exit 4");
    const std::string project = MakeProject("Main.java");
    const std::string out = m_home.Dir().File("out.txt");
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME='" +
                                m_home.Path() + "' '" ONDRIK_PROGRAM "' --build '" + project + "' > '" + out + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 4);
    EXPECT_EQ(CTempDir::Read(out), "compiled\nExit code: 4\nThere were errors\n");
}

// Catches a program that wants a display (or a window) before it answers, the two programs
// showing other versions than the About box, and a wrong line reported as success.
TEST_F(HeadlessRunTest, TheProgramsAnswerHelpVersionAndWrongLinesWithoutADisplay)
{
    struct Row {
        std::string program;
        std::string args;
        int exitCode;
        std::string out;  // the start of standard output
        std::string err;  // the start of standard error
    };
    const std::string version = CAboutDlg::ProductLine() + "\n";
    const Row rows[] = {
        {ONDRIK_PROGRAM, "--version", 0, version, ""},
        {ONDRIK_PROGRAM, "-platform xcb --help", 0, "usage: ondrik ", ""},
        {ONDRIK_PROGRAM, "--bogus", 2, "", "ondrik: unknown option '--bogus'\nusage: ondrik "},
        {ONDRIK_JPR_PROGRAM, "--version", 0, version, ""},
        {ONDRIK_JPR_PROGRAM, "--help", 0, "usage: ondrik-jpr ", ""},
    };
    const std::string out = m_home.Dir().File("out.txt");
    const std::string err = m_home.Dir().File("err.txt");
    for (const Row& row : rows) {
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME='" +
                                    m_home.Path() + "' '" + row.program + "' " + row.args + " > '" + out + "' 2> '" +
                                    err + "'";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << row.args;
        EXPECT_EQ(WEXITSTATUS(status), row.exitCode) << row.args;
        EXPECT_TRUE(CTempDir::Read(out).starts_with(row.out)) << row.args << ": " << CTempDir::Read(out);
        EXPECT_TRUE(CTempDir::Read(err).starts_with(row.err)) << row.args << ": " << CTempDir::Read(err);
        EXPECT_EQ(CTempDir::Read(row.out.empty() ? out : err), "") << row.args;
    }
}

// Would catch output cut at a NUL: every byte the program writes reaches standard output.
TEST_F(HeadlessRunTest, NulBytesAndWhatFollowsThemReachStandardOutput)
{
    const std::string project = MakeProject("Main.java");
    Tool("java", "printf 'name=[Bob\\000\\000\\000] len=8\\n'");
    EXPECT_EQ(Run({"--run", project}), 0);
    EXPECT_EQ(m_out.str(), std::string("name=[Bob\0\0\0] len=8\nExit code: 0\nNo Errors\n", 43));
}

// Would catch a run from a shell whose program gets no input, or never sees its end.
TEST_F(HeadlessRunTest, TheProgramReadsWhatTheShellGivesTheRun)
{
    const std::string project = MakeProject("Main.java");
    Tool("java", "while read line; do echo \"got $line\"; done; echo end");
    const std::string data = m_home.Dir().Write("data.txt", "one\ntwo\n");
    const std::string out = m_home.Dir().File("out.txt");
    for (const std::string& input : {std::string("printf 'one\\ntwo\\n' | "), "< '" + data + "' "}) {
        const std::string command = input + "env XDG_CONFIG_HOME='" + m_home.Path() + "' '" ONDRIK_PROGRAM "' --run '" +
                                    project + "' > '" + out + "'";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << input;
        EXPECT_EQ(CTempDir::Read(out), "got one\ngot two\nend\nExit code: 0\nNo Errors\n") << input;
    }
}

// Would catch a program killed with SIGKILL (or crashing) that leaves the tool it runs behind,
// an orphan nobody ends.
TEST_F(HeadlessRunTest, ProgramKilledWhileItRunsAToolLeavesNoTool)
{
    const std::string project = MakeProject("Main.java");
    const std::string pidFile = m_home.Dir().File("tool.pid");
    Tool("java", "echo $$ > '" + pidFile + ".tmp'; mv '" + pidFile + ".tmp' '" + pidFile + "'; exec sleep 600");
    CChildProcess program;
    CSpawnRequest request;
    request.strApplication = "/usr/bin/env";
    request.argv = {"env", "XDG_CONFIG_HOME=" + m_home.Path(), ONDRIK_PROGRAM, "--run", project};
    ASSERT_EQ(program.Start(request), 0);
    std::string pid;
    for (int i = 0; i < 60000 && pid.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (std::filesystem::exists(pidFile))
            pid = CTempDir::Read(pidFile);
    }
    ASSERT_FALSE(pid.empty()) << "the tool never started";
    const pid_t tool = std::stoi(pid);
    ASSERT_EQ(::kill(program.Pid(), SIGKILL), 0);
    EXPECT_EQ(program.WaitForExit(), 128 + SIGKILL);
    bool bGone = false;
    for (int i = 0; i < 60000 && !bGone; ++i) {
        std::ifstream stat("/proc/" + std::to_string(tool) + "/stat");
        std::string text;
        bGone = !std::getline(stat, text) || text.substr(text.rfind(')') + 2, 1) == "Z";
        if (!bGone)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(bGone) << "the tool outlived the program";
    if (!bGone)
        ::kill(tool, SIGKILL);
}

namespace {

std::set<std::string> FilesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

}  // namespace

// Catches a page coloured by anything but its window's full pass (a Java file by the Java
// window's, a page named in capitals by the page window's) or in colours other
// than the settings', output on standard output, a failure reported as success, the wrong file
// named in a message, and a page or a temporary file left where the write failed or an old page
// changed. Each row runs as a user whom the locked folder and its page refuse.
TEST_F(HeadlessRunTest, ExportHtmlWritesTheColouredPageOrSaysWhyNot)
{
    m_home.Dir().Write("config/Kestrune/Ondrik.reg",
                       "Windows Registry Editor Version 5.00\n\n"
                       "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS]\n"
                       "\"KEYCOLOR\"=dword:00123456\n\"COMMENTCOLOR\"=dword:00abcdef\n"
                       "\"STRINGCOLOR\"=dword:00fedcba\n\"TAGCOLOR\"=dword:00aabbcc\n");
    const std::string text = "/* a<b & c */\r\nclass A {\n\tString s = \"x>y\"; // \"no\"\n}\n";
    const std::string source = m_home.Dir().Write("src/A.java", text);
    CEditorSettings colours;
    colours.crKeyword = 0x00123456;
    colours.crComment = 0x00ABCDEF;
    colours.crString = 0x00FEDCBA;
    colours.crTag = 0x00AABBCC;
    const std::string page = HtmlExport::MakePage(text, JavaColouring::FullPass(text), colours, "A.java");
    const std::string pageText = "<P>/* class */ <!-- \"x\" -->\r\n";
    const std::string pageSource = m_home.Dir().Write("src/P.HTM", pageText);
    const std::string pagePage = HtmlExport::MakePage(pageText, HtmlColouring::FullPass(pageText), colours, "P.HTM");

    const std::string free = m_home.Dir().File("free");
    const std::string locked = m_home.Dir().File("locked");
    const std::string oldPage = m_home.Dir().Write("locked/old.html", "old page");
    std::filesystem::create_directory(free);
    ::chmod(oldPage.c_str(), 0444);
    ::chmod(locked.c_str(), 0555);
    Unprivileged::MakeTraversable(m_home.Dir().Path());
    Unprivileged::GiveToUser(free);

    struct Row {
        std::string source;
        std::string out;
        int nExit;
        std::string err;
        std::optional<std::string> pageAfter;
    };
    const std::string missing = m_home.Dir().File("src/Gone.java");
    const Row rows[] = {
        {source, free + "/A.html", 0, "", page},
        {pageSource, free + "/P.html", 0, "", pagePage},
        {missing, free + "/Gone.html", 1,
         missing + "\nCannot find this file.\nPlease verify that the correct path and file name are given.\n",
         std::nullopt},
        {source, locked + "/new.html", 1,
         "Unable to write to " + locked + "/new.html, it is read-only or opened by someone else.\n", std::nullopt},
        {source, oldPage, 1, "Unable to write to " + oldPage + ", it is read-only or opened by someone else.\n",
         "old page"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.out);
        const std::optional<int> nExit = Unprivileged::Run([&] {
            const int nCode = Run({"--export-html", row.source, row.out});
            EXPECT_EQ(m_err.str(), row.err);
            EXPECT_EQ(m_out.str(), "");
            return nCode;
        });
        EXPECT_EQ(nExit, row.nExit);
        EXPECT_EQ(FileIo::FileExists(row.out), row.pageAfter.has_value());
        if (row.pageAfter) {
            EXPECT_EQ(CTempDir::Read(row.out), *row.pageAfter);
        }
    }
    EXPECT_EQ(FilesIn(free), (std::set<std::string>{"A.html", "P.html"}));
    EXPECT_EQ(FilesIn(locked), std::set<std::string>{"old.html"});
}
