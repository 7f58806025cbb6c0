// The build and run commands with the JDK's own tools on small projects: what a user's first
// hour with the program does.
#include "RunnerTestSupport.h"
#include "TestRunHost.h"

#include "app/AppResources.h"
#include "app/ProjectTemplates.h"
#include "framework/Resources.h"
#include "platform/Paths.h"
#include "project/JavaProjectDoc.h"
#include "project/ProjectWindows.h"
#include "run/CapturedRun.h"
#include "run/ProcessRunner.h"
#include "run/ProjectRunCommands.h"
#include "run/RunWatcher.h"
#include "support/CurrentFolderKeeper.h"
#include "support/RecordingProjectWindows.h"
#include "support/TempDir.h"
#include "support/TestDisplay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using RunMode = CProjectRunCommands::RunMode;

const char* const kJdk = "/usr/lib/jvm/default-java";

class CKeepingWindows : public CRecordingProjectWindows, public CRunWatcher {
public:
    void WatchRun(std::unique_ptr<ProcessRunner> runner) override { m_pRunner = std::move(runner); }
    std::unique_ptr<ProcessRunner> m_pRunner;
};

class RealJdk : public ::testing::Test {
protected:
    RealJdk()
    {
        m_runHost.m_strJavaBin = kJdk;
        m_runHost.m_bSaveComp = false;
        m_host.m_makeCommands = [this](CJavaProjectDoc& project) {
            return std::make_unique<CProjectRunCommands>(project, m_run, m_runHost);
        };
        m_doc = std::make_unique<CJavaProjectDoc>(m_host);
        m_pCommands = CProjectRunCommands::Of(*m_doc);
    }
    ~RealJdk() override
    {
        m_run.TerminateCaptured(11);
        m_run.WaitUntilIdle(60s);
    }

    void SetUp() override
    {
        ASSERT_EQ(::access((std::string(kJdk) + "/bin/javac").c_str(), X_OK), 0) << "the JDK is installed by scripts/setup";
    }

    // A source in the project; the first one added is the main file.
    std::string AddSource(const std::string& relative, const std::string& text)
    {
        const std::string path = m_dir.Write(relative, text);
        m_doc->AddJavaFile(path);
        if (m_doc->GetMainJavaFile().empty())
            m_doc->SetMainJavaFile(m_doc->GetJavaFiles().GetAt(0)->GetName());
        return path;
    }

    // Runs a command and gives the run's whole text once it has ended.
    std::string Output(bool bStarted)
    {
        if (!bStarted || m_host.m_pWindows->m_pRunner == nullptr)
            return "<nothing started>";
        if (!m_run.WaitUntilIdle(120s))
            return "<still running>";
        return m_host.m_pWindows->m_pRunner->CopyOutput();
    }

    CCurrentFolderKeeper m_folder;
    CTempDir m_dir;
    CCapturedRun m_run;
    CWindowedHost<CKeepingWindows> m_host;
    CTestRunHost m_runHost {m_host.m_ui};
    std::unique_ptr<CJavaProjectDoc> m_doc;
    CProjectRunCommands* m_pCommands = nullptr;
};

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

TEST_F(RealJdk, TwoClassesBuildRunAndGoIntoAJar)
{
    AddSource("p/Main.java", "public class Main {\n    public static void main(String[] a) {\n"
                             "        System.out.println(new Helper().greeting() + \" \" + a.length);\n    }\n}\n");
    AddSource("p/Helper.java", "class Helper {\n    String greeting() { return \"Hello from Helper\"; }\n}\n");
    EXPECT_TRUE(EndsWith(Output(m_pCommands->Build()), "Exit code: 0\r\nNo Errors"));
    EXPECT_TRUE(std::filesystem::exists(m_dir.File("p/Main.class")));
    EXPECT_TRUE(std::filesystem::exists(m_dir.File("p/Helper.class"))) << "javac compiles what the main file needs";

    EXPECT_EQ(Output(m_pCommands->RunMain(RunMode::Captured, std::string("x \"y z\""))),
              "Hello from Helper 2\r\nExit code: 0\r\nNo Errors");

    std::filesystem::create_directories(m_dir.File("out"));
    m_host.m_ui.ExpectSaveFile(m_dir.File("out/Main.jar"));
    EXPECT_TRUE(EndsWith(Output(m_pCommands->CreateJar()), "Exit code: 0\r\nNo Errors"));
    m_host.m_ui.ExpectOpenFiles({m_dir.File("out/Main.jar")});
    const std::string listing = Output(m_pCommands->ShowArchiveContents());
    for (const char* entry : {"META-INF/MANIFEST.MF", " Main.class", " Helper.class"})
        EXPECT_NE(listing.find(entry), std::string::npos) << entry << " in\n" << listing;
    EXPECT_TRUE(EndsWith(listing, "Exit code: 0\r\nNo Errors"));
}

TEST_F(RealJdk, CompilerErrorLineOpensTheSourceAtThatLine)
{
    const std::string main = AddSource("p/Main.java", "public class Main {\n    int x\n}\n");
    const std::string output = Output(m_pCommands->Build());
    EXPECT_TRUE(EndsWith(output, "Exit code: 1\r\nThere were errors")) << output;
    ASSERT_EQ(output.rfind("Main.java:2: error:", 0), 0u) << output;
    m_doc->JumpToMessage(output, 0);
    EXPECT_EQ(m_host.m_openedAt, (std::vector<std::pair<std::string, int>>{{main, 1}}));
}

TEST_F(RealJdk, PackagedMainClassRunsWithTheProjectsSwitches)
{
    AddSource("p/app/Main.java", "package app;\npublic class Main {\n    public static void main(String[] a) {\n"
                                 "        System.out.println(Main.class.getName());\n    }\n}\n");
    m_doc->SetJavacSwitches("-d .");
    m_doc->SetJavaSwitches("-cp .");
    m_doc->SetMainPackage("app");
    EXPECT_TRUE(EndsWith(Output(m_pCommands->Build()), "No Errors"));
    // Built in the main file's folder, the class lands in app/ below it, where the run looks.
    EXPECT_EQ(Output(m_pCommands->RunMain(RunMode::Captured)), "app.Main\r\nExit code: 0\r\nNo Errors");
}

// A beginner's exercise: a program that asks for a name and a number with a Scanner gets what
// is typed, sees the end of its input when it is ended, and one that runs for ever is stopped.
TEST_F(RealJdk, ProgramReadsWhatIsTypedAndSeesTheEndOfItsInput)
{
    AddSource("p/Main.java", "import java.util.Scanner;\npublic class Main {\n"
                             "    public static void main(String[] a) throws Exception {\n"
                             "        Scanner in = new Scanner(System.in);\n"
                             "        System.out.print(\"Name? \");\n        String name = in.nextLine();\n"
                             "        System.out.print(\"Number? \");\n        int n = in.nextInt();\n"
                             "        System.out.println(name + (n % 2 == 0 ? \" wins\" : \" loses\"));\n"
                             "        System.out.println(in.hasNext() ? \"more\" : \"end of input\");\n"
                             "        if (a.length > 0) { System.out.println(\"looping\"); while (true) Thread.sleep(50); }\n"
                             "    }\n}\n");
    ASSERT_TRUE(EndsWith(Output(m_pCommands->Build()), "No Errors"));
    ASSERT_TRUE(m_pCommands->RunMain(RunMode::Captured));
    ASSERT_TRUE(WaitFor([&] { return m_run.CopyOutput() == "Name? "; }, 120s));
    ProcessRunner& runner = *m_host.m_pWindows->m_pRunner;
    EXPECT_TRUE(runner.SendInput("Bob\n", true));
    ASSERT_TRUE(WaitFor([&] { return EndsWith(m_run.CopyOutput(), "Number? "); }, 120s));
    EXPECT_TRUE(runner.SendInput("42\n", true));
    EXPECT_TRUE(runner.EndInput());
    EXPECT_EQ(Output(true), "Name? Bob\r\nNumber? 42\r\nBob wins\r\nend of input\r\nExit code: 0\r\nNo Errors");

    ASSERT_TRUE(m_pCommands->RunMain(RunMode::Captured, std::string("forever")));
    m_host.m_pWindows->m_pRunner->SendInput("Ann\n3\n", false);
    m_host.m_pWindows->m_pRunner->EndInput();
    ASSERT_TRUE(WaitFor([&] { return m_run.CopyOutput().find("looping") != std::string::npos; }, 120s));
    EXPECT_TRUE(m_host.m_pWindows->m_pRunner->Terminate(11));
    EXPECT_EQ(Output(true), "Name? Number? Ann loses\r\nend of input\r\nlooping\r\nExit code: 11\r\nProcess terminated by user.");
}

// The new-project templates with a display: the application's Frame comes up and is stopped,
// the applet shows in the program's own host and ends when its window is closed.
TEST_F(RealJdk, TemplateApplicationAndAppletShowTheirWindows)
{
    CTestDisplay display;
    ASSERT_FALSE(display.Get().empty()) << display.Error();
    // The tools inherit this test program's environment.
    ::setenv("DISPLAY", display.Get().c_str(), 1);
    CResources res;
    LoadAppResources(res);
    const auto write = [&](int id, const char* placeholder, const std::string& relative) {
        const std::string text = ProjectTemplates::ReplaceAll(res.GetString(id), placeholder, "Hello");
        return m_dir.Write(relative, ProjectTemplates::TextModeBytes(text));
    };

    AddSource("app/Hello.java", CTempDir::Read(write(Res::IDS_APPLICATION_TEMPLATE, "MainFrame", "app/Hello.java")));
    ASSERT_TRUE(EndsWith(Output(m_pCommands->Build()), "No Errors"));
    ASSERT_TRUE(m_pCommands->RunMain(RunMode::Captured));
    ASSERT_TRUE(WaitFor([&] { return m_run.CopyOutput().find("Starting App") != std::string::npos; }, 120s));
    // A Frame that cannot show fails at once, before anything else.
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_EQ(m_run.CopyOutput(), "Starting App\r\n") << "the Frame is up and nothing went wrong";
    EXPECT_TRUE(m_host.m_pWindows->m_pRunner->Terminate(11));
    EXPECT_TRUE(EndsWith(Output(true), "Process terminated by user."));

    CJavaProjectDoc applet(m_host);
    const std::string source = write(Res::IDS_APPLET_TEMPLATE, "MyApplet", "web/Hello.java");
    applet.AddJavaFile(source);
    applet.SetMainJavaFile("Hello.java");
    applet.AddPlainFile(write(Res::IDS_APPLET_PAGE_TEMPLATE, "MyApplet", "web/Example1.html"));
    applet.SetMainHtmlFile("Example1.html");
    CProjectRunCommands& commands = *CProjectRunCommands::Of(applet);
    ASSERT_TRUE(EndsWith(Output(commands.Build()), "No Errors"));
    m_runHost.m_strProgramFolder = Paths::FolderOf(ONDRIK_APPLET_HOST_JAR);
    ASSERT_TRUE(commands.RunMainApplet());
    const auto size = display.CloseWindow("Applet: Hello", std::chrono::seconds(120));
    ASSERT_TRUE(size.has_value()) << "the applet's window never showed";
    EXPECT_EQ(size->nWidth, 300);
    EXPECT_EQ(Output(true), "Exit code: 0\r\nNo Errors");
    ::unsetenv("DISPLAY");
}

// Java as it is written today, in packages, with no switches: the main class in org.example.app
// uses a class and an enum of org.example.util; it builds, runs, goes into a jar that java -jar
// starts, and an error in the util package's Document.java opens that file, not the app's.
TEST_F(RealJdk, PackagedProjectBuildsRunsJarsAndJumpsToTheRightFile)
{
    AddSource("src/org/example/app/Main.java",
              "package org.example.app;\n\nimport org.example.util.Document;\nimport org.example.util.Shape;\n\n"
              "public class Main {\n    record Point(int x, int y) {\n        int sum() { return x + y; }\n    }\n\n"
              "    public static void main(String[] args) {\n        char quote = '\"';\n"
              "        String help = \"\"\"\n            Hello \"%s\" { } // not a comment\n            \"\"\";\n"
              "        System.out.print(help.formatted(Document.title()));\n"
              "        System.out.println(quote + Shape.SQUARE.name() + new Point(2, 3).sum() + \" \" + args.length);\n"
              "    }\n}\n");
    AddSource("src/org/example/app/Document.java", "package org.example.app;\n\nclass Document {\n}\n");
    m_dir.Write("src/org/example/util/Document.java",
                "package org.example.util;\n\npublic class Document {\n    public static String title() { return \"util\"; }\n}\n");
    m_dir.Write("src/org/example/util/Shape.java", "package org.example.util;\n\npublic enum Shape { SQUARE, CIRCLE }\n");
    m_doc->SetJavacSwitches("");
    m_doc->SetJavaSwitches("");
    ASSERT_EQ(m_doc->GetMainPackage(), "org.example.app");

    const std::string built = Output(m_pCommands->Build());
    EXPECT_TRUE(EndsWith(built, "Exit code: 0\r\nNo Errors")) << built;
    EXPECT_EQ(Output(m_pCommands->RunMain(RunMode::Captured, std::string("a b"))),
              "Hello \"util\" { } // not a comment\r\n\"SQUARE5 2\r\nExit code: 0\r\nNo Errors");

    std::filesystem::create_directories(m_dir.File("out"));
    m_host.m_ui.ExpectSaveFile(m_dir.File("out/Main.jar"));
    EXPECT_TRUE(EndsWith(Output(m_pCommands->CreateJar()), "Exit code: 0\r\nNo Errors"));
    EXPECT_EQ(Output(m_pCommands->RunCaptured(std::string(kJdk) + "/bin/java", "java -jar out/Main.jar", m_dir.Path())),
              "Hello \"util\" { } // not a comment\r\n\"SQUARE5 0\r\nExit code: 0\r\nNo Errors");

    const std::string broken = m_dir.Write("src/org/example/util/Document.java",
                                           "package org.example.util;\n\npublic class Document {\n    int x\n}\n");
    const std::string output = Output(m_pCommands->Build());
    // javac names the file it found by its source path from the folder it ran in.
    ASSERT_EQ(output.rfind("./org/example/util/Document.java:4: error:", 0), 0u) << output;
    m_doc->JumpToMessage(output, 0);
    EXPECT_EQ(m_host.m_openedAt, (std::vector<std::pair<std::string, int>>{{broken, 3}}));
}
