#include "RunnerTestSupport.h"
#include "TestRunHost.h"
#include "support/CurrentFolderKeeper.h"
#include "support/RecordingProjectWindows.h"
#include "support/TempDir.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "run/ArgumentsDlg.h"
#include "project/JavaProjectDoc.h"
#include "project/SourceRoot.h"
#include "run/CapturedRun.h"
#include "run/ProcessRunner.h"
#include "run/ProjectRunCommands.h"
#include "run/RunWatcher.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Puts a folder of stand-in programs in place of PATH for one test.
class CPathOverride {
public:
    explicit CPathOverride(const std::string& path)
    {
        if (const char* old = std::getenv("PATH"))
            m_old = old;
        ::setenv("PATH", path.c_str(), 1);
    }
    ~CPathOverride() { ::setenv("PATH", m_old.c_str(), 1); }
    CPathOverride(const CPathOverride&) = delete;
    CPathOverride& operator=(const CPathOverride&) = delete;

private:
    std::string m_old;
};

// Bars that are only flags, and a Process Window that keeps the runners it is handed.
class CRecordingRunWindows : public CRecordingProjectWindows, public CRunWatcher {
public:
    void WatchRun(std::unique_ptr<ProcessRunner> runner) override
    {
        MakeProcessBar();
        m_runners.push_back(std::move(runner));
    }
    std::vector<std::unique_ptr<ProcessRunner>> m_runners;
};

class ProjectRun : public ::testing::Test {
protected:
    ProjectRun()
    {
        m_host.m_makeCommands = [this](CJavaProjectDoc& project) {
            return std::make_unique<CProjectRunCommands>(project, m_run, m_runHost);
        };
        m_doc = std::make_unique<CJavaProjectDoc>(m_host);
        m_pCommands = static_cast<CProjectRunCommands*>(m_doc->GetRunCommands());
    }
    ~ProjectRun() override
    {
        m_run.TerminateCaptured(11);
        m_run.WaitUntilIdle(60s);
    }

    // A stand-in terminal: a copy of the helper under a terminal's name, in a folder of its
    // own (a copy, since the folder's clean-up resets modes through links).
    std::string InstallTerminal(const std::string& name)
    {
        const std::string path = m_dir.Write("bin/" + name, CTempDir::Read(kHelper));
        EXPECT_EQ(::chmod(path.c_str(), 0755), 0);
        return m_dir.File("bin");
    }

    // A JDK of stand-in tools that tell where they ran and what they were given.
    void InstallJdk(std::initializer_list<const char*> tools = {"javac", "java", "jar", "jdb"})
    {
        for (const char* tool : tools) {
            const std::string path = m_dir.Write(std::string("jdk/bin/") + tool, "#!/bin/sh\necho \"$PWD: ${0##*/} $*\"\n");
            EXPECT_EQ(::chmod(path.c_str(), 0755), 0);
        }
        m_runHost.m_strJavaBin = m_dir.File("jdk");
    }

    // A project whose main file is src/Main.java, built.
    void AddMainFile()
    {
        m_dir.Write("src/Main.java", "class Main {}\n");
        m_dir.Write("src/Main.class", "");
        m_doc->AddJavaFile(m_dir.File("src/Main.java"));
        m_doc->SetMainJavaFile("Main.java");
    }

    // What the last run wrote, once it has ended.
    std::string LastOutput()
    {
        if (m_host.m_pWindows->m_runners.empty())
            return "<nothing started>";
        if (!m_run.WaitUntilIdle(60s))
            return "<still running>";
        return m_host.m_pWindows->m_runners.back()->CopyOutput();
    }

    std::string ReadTerminalRecord(const std::string& folder)
    {
        const std::string record = folder + "/terminal-args.txt";
        if (!WaitFor([&] { return ::access(record.c_str(), F_OK) == 0; }))
            return "<terminal never started>";
        return CTempDir::Read(record);
    }

    CCurrentFolderKeeper m_folder;
    CTempDir m_dir;
    CCapturedRun m_run;
    CWindowedHost<CRecordingRunWindows> m_host;
    CTestRunHost m_runHost {m_host.m_ui};
    std::unique_ptr<CJavaProjectDoc> m_doc;
    CProjectRunCommands* m_pCommands = nullptr;
};

}  // namespace

TEST_F(ProjectRun, CapturedRunHandsItsRunnerToTheProcessWindow)
{
    ASSERT_NE(m_host.m_pWindows, nullptr);
    ASSERT_NE(m_pCommands, nullptr);
    EXPECT_TRUE(m_pCommands->RunCaptured(kHelper, "helper write hello", m_dir.Path()));
    ASSERT_EQ(m_host.m_pWindows->m_runners.size(), 1u);
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    const ProcessRunner& runner = *m_host.m_pWindows->m_runners.front();
    EXPECT_FALSE(runner.IsRunning());
    EXPECT_EQ(runner.CopyOutput(), "helloExit code: 0\r\nNo Errors");
    EXPECT_TRUE(m_host.m_ui.Messages().empty());

    // A runner of an earlier run no longer stops anything once the next run has started.
    ASSERT_TRUE(m_pCommands->RunCaptured(kHelper, "helper hang", m_dir.Path()));
    ASSERT_TRUE(WaitFor([&] { return m_run.CopyOutput() == "ready\r\n"; }));
    EXPECT_FALSE(m_host.m_pWindows->m_runners.front()->Terminate(11));
    EXPECT_TRUE(m_host.m_pWindows->m_runners.back()->IsRunning());
    EXPECT_TRUE(m_host.m_pWindows->m_runners.back()->Terminate(11));
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    EXPECT_EQ(m_host.m_pWindows->m_runners.back()->CopyOutput(), "ready\r\nExit code: 11\r\nProcess terminated by user.");
}

// Would catch a failure that names neither the tool tried nor what to do about it, and a start
// refused while a run is active that sends the person to the JDK folder.
TEST_F(ProjectRun, CapturedStartFailureIsReportedWithTheToolTriedAndNothingIsWatched)
{
    m_host.m_ui.ExpectMessage("Failed to start process\n" + m_dir.File("bin/javac") +
                              ": No such file or directory\nSet the JDK folder in File > Preferences... (IDE).");
    EXPECT_FALSE(m_pCommands->RunCaptured(m_dir.File("bin/javac"), "javac Main.java", m_dir.Path()));
    EXPECT_TRUE(m_host.m_pWindows->m_runners.empty());
    EXPECT_FALSE(m_host.m_pWindows->HasProcessBar());

    ASSERT_TRUE(m_pCommands->RunCaptured(kHelper, "helper hang", m_dir.Path()));
    m_host.m_ui.ExpectMessage("Failed to start process\nAnother tool is still running in the Process Window.");
    EXPECT_FALSE(m_pCommands->RunCaptured(kHelper, "helper silent", m_dir.Path()));
}

TEST_F(ProjectRun, ConsoleRunPassesTheToolAndEachArgumentSeparately)
{
    CPathOverride path(InstallTerminal("x-terminal-emulator"));
    const std::string folder = m_dir.File("work");
    m_dir.Write("work/Main.class", "");
    EXPECT_TRUE(m_pCommands->RunInConsole(kHelper, R"(java -cp . "app.Main" "two words" *.class)", folder));
    EXPECT_EQ(ReadTerminalRecord(folder),
              "x-terminal-emulator\n-e\n" + kHelper + "\n-cp\n.\napp.Main\ntwo words\nMain.class\n");
    EXPECT_TRUE(m_host.m_ui.Messages().empty());

    // With the console launcher beside the program, the terminal runs the tool through it.
    const std::string launcher = m_dir.Write("program/ondrik-console", "");
    ASSERT_EQ(::chmod(launcher.c_str(), 0755), 0);
    m_runHost.m_strProgramFolder = m_dir.File("program");
    ::unlink((folder + "/terminal-args.txt").c_str());
    EXPECT_TRUE(m_pCommands->RunInConsole(kHelper, "java Main", folder));
    EXPECT_EQ(ReadTerminalRecord(folder), "x-terminal-emulator\n-e\n" + launcher + "\n" + kHelper + "\nMain\n");
}

TEST_F(ProjectRun, ConsoleRunWithoutATerminalFails)
{
    m_dir.Write("empty/.keep", "");
    CPathOverride path(m_dir.File("empty"));
    m_host.m_ui.ExpectMessage("Failed to laumch external process.");
    EXPECT_FALSE(m_pCommands->RunInConsole(kHelper, "java Main", m_dir.Path()));
}

TEST_F(ProjectRun, ConsoleRunOfAMissingToolFails)
{
    CPathOverride path(InstallTerminal("xterm"));
    m_host.m_ui.ExpectMessage("Failed to laumch external process.");
    EXPECT_FALSE(m_pCommands->RunInConsole(m_dir.File("jdk/bin/java"), "java Main", m_dir.Path()));
    EXPECT_NE(::access((m_dir.Path() + "/terminal-args.txt").c_str(), F_OK), 0);
}

TEST_F(ProjectRun, ShowArchiveContentsListsTheChosenJarWhereItLies)
{
    // A stand-in jar tool that tells where it ran and what it was given.
    const std::string tool = m_dir.Write("jdk/bin/jar", "#!/bin/sh\necho \"$PWD: $*\"\n");
    ASSERT_EQ(::chmod(tool.c_str(), 0755), 0);
    m_runHost.m_strJavaBin = m_dir.File("jdk");
    const std::string lib = m_dir.File("lib");
    m_dir.Write("lib/classes.jar", "");
    char oldFolder[4096];
    ASSERT_NE(::getcwd(oldFolder, sizeof oldFolder), nullptr);

    m_host.m_ui.ExpectOpenFiles({lib + "/classes.jar"});
    EXPECT_TRUE(m_doc->RunCommand(Cmd::ID_BUILD_SHOWARCHIVE)) << "the project answers for its run commands";
    const CFileDialogSpec& request = m_host.m_ui.FileDialogs().back();
    EXPECT_EQ(request.defaultExtension, "jar");
    EXPECT_EQ(request.filter, "Java Archives (*.jar)|*.jar||");
    EXPECT_EQ(request.initialName, "");
    EXPECT_TRUE(request.hideReadOnly);
    char folder[4096];
    EXPECT_EQ(std::string(::getcwd(folder, sizeof folder)), lib) << "the program moves to the jar's folder";
    ASSERT_EQ(::chdir(oldFolder), 0);

    ASSERT_EQ(m_host.m_pWindows->m_runners.size(), 1u);
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    EXPECT_EQ(m_run.CopyOutput(), lib + ": tvf classes.jar\r\nExit code: 0\r\nNo Errors");

    // Cancel starts nothing.
    m_host.m_ui.ExpectOpenFiles({});
    m_doc->RunCommand(Cmd::ID_BUILD_SHOWARCHIVE);
    EXPECT_EQ(m_host.m_pWindows->m_runners.size(), 1u);
}

// Every command stops at its first failed check, with the system's message, and starts nothing.
TEST_F(ProjectRun, ChecksStopACommandBeforeAnythingStarts)
{
    InstallJdk();
    struct Row {
        const char* what;
        std::function<void(CJavaProjectDoc&)> setUp;
        std::function<bool(CProjectRunCommands&)> command;
        const char* message;
    };
    const auto none = [](CJavaProjectDoc&) {};
    const auto gone = [](CJavaProjectDoc& doc) { doc.SetMainJavaFile("Gone.java"); };
    const Row rows[] = {
        {"build without a main file", none, [](auto& c) { return c.Build(); }, "Please specify a main Java file first"},
        {"run without a main file", none, [](auto& c) { return c.RunMain(CProjectRunCommands::RunMode::Captured); },
         "Please specify a main Java file first"},
        {"debug without a main file", none, [](auto& c) { return c.Debug(); }, "Please specify a main Java file first"},
        {"jar without a main file", none, [](auto& c) { return c.CreateJar(); }, "Please specify a main Java file first"},
        {"build of a main file gone from the project", gone, [](auto& c) { return c.Build(); }, "Unholy Error"},
        {"run of a main file gone from the project", gone,
         [](auto& c) { return c.RunMain(CProjectRunCommands::RunMode::Console); }, "Unholy Error"},
        {"debug of a main file gone from the project", gone, [](auto& c) { return c.Debug(); }, "Unholy Error"},
        // Not the jar of whatever lies in the program's current folder, reported as success.
        {"jar of a main file gone from the project", gone, [](auto& c) { return c.CreateJar(); }, "Unholy Error"},
        {"compile of a window never saved", none, [](auto& c) { return c.CompileSourceWindow(""); }, "Unholy Error"},
        {"applet of a page never saved", none, [](auto& c) { return c.RunApplet("Example1.html"); },
         "Please save the file (path unreadable)."},
        {"applet of a main page not in the project",
         [](CJavaProjectDoc& doc) { doc.SetMainHtmlFile("Example1.html"); }, [](auto& c) { return c.RunMainApplet(); },
         "Unable to open the HTML file."},
    };
    for (const Row& row : rows) {
        CJavaProjectDoc doc(m_host);
        row.setUp(doc);
        m_host.m_ui.ExpectMessage(row.message);
        EXPECT_FALSE(row.command(*CProjectRunCommands::Of(doc))) << row.what;
        EXPECT_TRUE(m_host.m_pWindows->m_runners.empty()) << row.what;
        EXPECT_EQ(m_runHost.m_nSaveAlls, 0) << row.what;
    }
}

TEST_F(ProjectRun, BuildSavesFirstAndCompilesTheMainFileWithTheProjectsSwitches)
{
    InstallJdk();
    AddMainFile();
    m_doc->SetJavacSwitches("-g");
    m_runHost.m_strJavac = "-Xlint";  // for single files only
    EXPECT_TRUE(m_doc->RunCommand(Cmd::ID_BUILD_BUILD));
    EXPECT_EQ(m_runHost.m_nSaveAlls, 1);
    EXPECT_EQ(m_runHost.m_strCaption, "Building \"" + m_dir.File("src/Main.java") + "\"");
    EXPECT_EQ(LastOutput(), m_dir.File("src") + ": javac Main.java -g\r\nExit code: 0\r\nNo Errors");
    EXPECT_EQ(std::filesystem::current_path().string(), m_dir.File("src")) << "the program moves to the folder";

    m_runHost.m_bSaveComp = false;
    EXPECT_TRUE(m_pCommands->CompileSourceWindow(m_dir.File("src/Main.java")));
    EXPECT_EQ(m_runHost.m_nSaveAlls, 1) << "SAVECOMP off saves nothing";
    EXPECT_EQ(m_runHost.m_strCaption, "Compiling \"" + m_dir.File("src/Main.java") + "\"");
    EXPECT_EQ(LastOutput(), m_dir.File("src") + ": javac Main.java -Xlint\r\nExit code: 0\r\nNo Errors");
}

TEST_F(ProjectRun, RunAsksForArgumentsWhenSetAndCancelStartsNothing)
{
    InstallJdk();
    AddMainFile();
    m_doc->SetJavaSwitches("-ea");
    m_runHost.m_bShowArgs = true;
    m_host.m_ui.ExpectDialog("Arguments", [](CModalDialog& dlg) {
        static_cast<CArgumentsDlg&>(dlg).m_strArguments = "one \"two three\"";
        return kIdOk;
    });
    EXPECT_TRUE(m_doc->RunCommand(Cmd::ID_BUILD_RUN));
    EXPECT_EQ(m_runHost.m_strCaption, "java -ea Main") << "the caption is the line without the arguments";
    EXPECT_EQ(LastOutput(), m_dir.File("src") + ": java -ea Main one two three\r\nExit code: 0\r\nNo Errors");

    m_host.m_ui.ExpectDialog("Arguments", [](CModalDialog&) { return kIdCancel; });
    EXPECT_FALSE(m_pCommands->RunMain(CProjectRunCommands::RunMode::Captured));
    EXPECT_EQ(m_host.m_pWindows->m_runners.size(), 1u);

    // Arguments given on the way in stand for the dialog's text: an empty text still appends
    // its blank.
    EXPECT_TRUE(m_pCommands->RunMain(CProjectRunCommands::RunMode::Captured, std::string("")));
    EXPECT_EQ(LastOutput(), m_dir.File("src") + ": java -ea Main\r\nExit code: 0\r\nNo Errors");
    EXPECT_EQ(m_host.m_pWindows->m_runners.back()->GetCommandLine(), "java -ea Main ");
    m_doc->SetJavaSwitches("");
    m_host.m_ui.ExpectDialog("Arguments", [](CModalDialog&) { return kIdOk; });
    EXPECT_TRUE(m_pCommands->RunMain(CProjectRunCommands::RunMode::Captured));
    ASSERT_TRUE(m_run.WaitUntilIdle(60s));
    EXPECT_EQ(m_host.m_pWindows->m_runners.back()->GetCommandLine(), "java  Main ") << "two blanks, and one after";
}

// Would catch Debug that never asks for the program's arguments while Run with Console does.
TEST_F(ProjectRun, DebugAsksForArgumentsAsRunWithConsoleDoes)
{
    InstallJdk();
    AddMainFile();
    CPathOverride path(InstallTerminal("xterm"));
    m_runHost.m_bShowArgs = true;
    m_host.m_ui.ExpectDialog("Arguments", [](CModalDialog&) { return kIdCancel; });
    EXPECT_FALSE(m_pCommands->Debug());
    EXPECT_NE(::access(m_dir.File("src/terminal-args.txt").c_str(), F_OK), 0) << "Cancel starts nothing";
    m_host.m_ui.ExpectDialog("Arguments", [](CModalDialog& dlg) {
        static_cast<CArgumentsDlg&>(dlg).m_strArguments = "in.txt \"a b\"";
        return kIdOk;
    });
    EXPECT_TRUE(m_pCommands->Debug());
    EXPECT_EQ(ReadTerminalRecord(m_dir.File("src")),
              "xterm\n-e\n" + m_dir.File("jdk/bin/jdb") + "\nMain\nin.txt\na b\n");
}

// Would catch a run of a class never compiled, which the launcher reports as the program's own
// failure, and a check that refuses a run whose class path the switches give.
TEST_F(ProjectRun, RunOfAMainClassNeverBuiltSaysToBuildFirst)
{
    InstallJdk();
    AddMainFile();
    ::unlink(m_dir.File("src/Main.class").c_str());
    m_host.m_ui.ExpectMessage("Main.class was not found in " + m_dir.File("src") + ".\nBuild the project first (F7).");
    EXPECT_FALSE(m_pCommands->RunMain(CProjectRunCommands::RunMode::Captured));
    m_dir.Write("src/app/Main.java", "package app;\nclass Main {}\n");
    m_doc->RemoveFile(m_dir.File("src/Main.java"));
    m_doc->AddJavaFile(m_dir.File("src/app/Main.java"));
    m_doc->SetMainJavaFile("Main.java");
    m_dir.Write("src/Main.class", "");
    m_dir.Write("src/app/Main.class", "");
    m_host.m_ui.ExpectMessage("app/Main.class was not found in " + m_dir.File("src") + ".\nBuild the project first (F7).");
    ::unlink(m_dir.File("src/app/Main.class").c_str());
    EXPECT_FALSE(m_pCommands->RunMain(CProjectRunCommands::RunMode::Captured)) << "the class is looked for by its package";
    EXPECT_TRUE(m_host.m_pWindows->m_runners.empty());

    m_doc->SetJavaSwitches("-cp ../classes");
    EXPECT_TRUE(m_pCommands->RunMain(CProjectRunCommands::RunMode::Captured));
    EXPECT_EQ(LastOutput(), m_dir.File("src") + ": java -cp ../classes app.Main\r\nExit code: 0\r\nNo Errors");
}

TEST_F(ProjectRun, CreateJarWritesTheManifestAndJarsTheMainFoldersClasses)
{
    InstallJdk();
    AddMainFile();
    m_dir.Write("src/Main.class", "");
    m_dir.Write("src/Helper.class", "");
    const std::string jar = m_dir.File("out/Main.jar");
    m_host.m_ui.ExpectSaveFile(jar);
    EXPECT_TRUE(m_doc->RunCommand(Cmd::ID_BUILD_CREATEJAR));
    const CFileDialogSpec& request = m_host.m_ui.FileDialogs().back();
    EXPECT_EQ(request.initialName, "Main.jar");
    EXPECT_EQ(request.initialFolder, m_dir.File("src"));
    EXPECT_EQ(request.defaultExtension, "jar");
    EXPECT_EQ(request.filter, "Java Archives (*.jar)|*.jar||");
    EXPECT_TRUE(request.promptOverwrite);
    // The folder of the jar did not exist: no manifest, and the jar tool is asked all the same.
    EXPECT_EQ(LastOutput(), m_dir.File("src") + ": jar cmfv " + m_dir.File("out/manifest.txt") + " " + jar +
                                " Helper.class Main.class\r\nExit code: 0\r\nNo Errors");
    EXPECT_EQ(m_runHost.m_strCaption, "Creating jar " + jar);

    m_dir.Write("out/.keep", "");
    m_host.m_ui.ExpectSaveFile(jar);
    EXPECT_TRUE(m_pCommands->CreateJar());
    EXPECT_EQ(CTempDir::Read(m_dir.File("out/manifest.txt")), "Main-Class: Main\r\n");
    m_host.m_ui.ExpectSaveFile("");
    EXPECT_FALSE(m_pCommands->CreateJar()) << "Cancel ends the command";
}

TEST_F(ProjectRun, RunAppletUsesAppletviewerWhereTheJdkHasOneAndTheProgramsHostElsewhere)
{
    InstallJdk();
    m_runHost.m_strProgramFolder = "/opt/ondrik";
    const std::string page = m_dir.Write("web/Example1.html", "<applet code=A.class>");
    m_doc->AddPlainFile(page);
    m_doc->SetMainHtmlFile("Example1.html");
    EXPECT_TRUE(m_doc->RunCommand(Cmd::ID_BUILD_RUNAPPLET));
    EXPECT_EQ(LastOutput(), m_dir.File("web") +
                                ": java -cp /opt/ondrik/applethost.jar OndrikAppletHost Example1.html\r\nExit code: 0\r\nNo Errors");
    EXPECT_EQ(m_runHost.m_strCaption, "AppletViewer: \"" + page + "\"");

    InstallJdk({"appletviewer"});
    EXPECT_TRUE(m_pCommands->RunApplet(page));
    EXPECT_EQ(LastOutput(), m_dir.File("web") + ": appletviewer Example1.html\r\nExit code: 0\r\nNo Errors");
}

TEST_F(ProjectRun, ConsoleStartsThatFailSayJavaWasNotFound)
{
    InstallJdk();
    AddMainFile();
    m_dir.Write("empty/.keep", "");
    CPathOverride path(m_dir.File("empty"));
    for (int i = 0; i < 2; ++i) {
        m_host.m_ui.ExpectMessage("Failed to laumch external process.");
        m_host.m_ui.ExpectMessage("Couldn't locate Java.");
    }
    EXPECT_FALSE(m_pCommands->RunMain(CProjectRunCommands::RunMode::Console));
    EXPECT_FALSE(m_pCommands->Debug());
    EXPECT_EQ(m_runHost.m_strCaption, "jdb  Main");
}

TEST_F(ProjectRun, RunWithConsoleWantsAMainFileAndRunAppletAMainPage)
{
    const auto enabled = [this](int id) {
        CCmdUI ui(id, nullptr);
        m_doc->UpdateCommand(ui);
        return ui.IsEnabled();
    };
    EXPECT_FALSE(enabled(Cmd::ID_BUILD_RUNWITHCONSOLE));
    EXPECT_FALSE(enabled(Cmd::ID_BUILD_RUNAPPLET));
    m_doc->SetMainJavaFile("Main.java");
    m_doc->SetMainHtmlFile("Example1.html");
    EXPECT_TRUE(enabled(Cmd::ID_BUILD_RUNWITHCONSOLE));
    EXPECT_TRUE(enabled(Cmd::ID_BUILD_RUNAPPLET));
}

// A main class in a package: javac is given its path from the source root, java and jdb its full
// name, jar the classes of every package, each in the root, so the other packages are found.
TEST_F(ProjectRun, PackagedMainClassWorksFromItsSourceRoot)
{
    InstallJdk();
    const std::string root = m_dir.File("src");
    const std::string main = m_dir.Write("src/org/example/app/Main.java", "// Main\npackage org.example.app;\n");
    const std::string util = m_dir.Write("src/org/example/util/Text.java", "package org.example.util;\n");
    m_doc->AddJavaFile(main);
    m_doc->AddJavaFile(util);
    m_doc->SetMainJavaFile("Main.java");
    EXPECT_EQ(m_doc->GetMainPackage(), "org.example.app");

    EXPECT_TRUE(m_pCommands->Build());
    EXPECT_EQ(LastOutput(), root + ": javac org/example/app/Main.java\r\nExit code: 0\r\nNo Errors");
    EXPECT_EQ(m_doc->GetLastRunFolder(), root) << "the folder the messages' paths are written from";
    m_dir.Write("src/org/example/app/Main.class", "");
    EXPECT_TRUE(m_pCommands->RunMain(CProjectRunCommands::RunMode::Captured, std::string("x")));
    EXPECT_EQ(LastOutput(), root + ": java org.example.app.Main x\r\nExit code: 0\r\nNo Errors");
    EXPECT_TRUE(m_pCommands->CompileFile(util));
    EXPECT_EQ(LastOutput(), root + ": javac org/example/util/Text.java\r\nExit code: 0\r\nNo Errors");

    m_dir.Write("src/org/example/app/Main.class", "");
    m_dir.Write("src/org/example/util/Text.class", "");
    m_dir.Write("out/.keep", "");
    m_host.m_ui.ExpectSaveFile(m_dir.File("out/Main.jar"));
    EXPECT_TRUE(m_pCommands->CreateJar());
    EXPECT_EQ(m_host.m_ui.FileDialogs().back().initialName, "Main.jar");
    EXPECT_EQ(CTempDir::Read(m_dir.File("out/manifest.txt")), "Main-Class: org.example.app.Main\r\n");
    EXPECT_EQ(LastOutput(), root + ": jar cmfv " + m_dir.File("out/manifest.txt") + " " + m_dir.File("out/Main.jar") +
                                " org/example/app/Main.class org/example/util/Text.class\r\nExit code: 0\r\nNo Errors");

    // The package is read again when a command starts: the file may have changed since.
    m_dir.Write("src/org/example/app/Main.java", "package org.example;\n");
    m_host.m_ui.ExpectMessage(SourceRoot::MismatchMessage(main, "org.example"));
    EXPECT_FALSE(m_pCommands->RunMain(CProjectRunCommands::RunMode::Captured, std::string()));
}

// A main file whose folder does not end with its package's folders: every command names both and
// starts nothing, rather than a javac that cannot find the other packages or a JVM that answers
// "wrong name".
TEST_F(ProjectRun, FolderThatDoesNotMatchThePackageStopsEveryCommand)
{
    InstallJdk();
    m_dir.Write("src/Main.java", "package app;\nclass Main {}\n");
    m_doc->AddJavaFile(m_dir.File("src/Main.java"));
    m_doc->SetMainJavaFile("Main.java");
    const std::string message = SourceRoot::MismatchMessage(m_dir.File("src/Main.java"), "app");
    const std::function<bool()> commands[] = {
        [this] { return m_pCommands->Build(); },
        [this] { return m_pCommands->RunMain(CProjectRunCommands::RunMode::Captured); },
        [this] { return m_pCommands->RunMain(CProjectRunCommands::RunMode::Console); },
        [this] { return m_pCommands->Debug(); },
        [this] { return m_pCommands->CreateJar(); },
        [this] { return m_pCommands->CompileFile(m_dir.File("src/Main.java")); },
        [this] { return m_pCommands->CompileSourceWindow(m_dir.File("src/Main.java")); },
    };
    for (const auto& command : commands) {
        m_host.m_ui.ExpectMessage(message);
        EXPECT_FALSE(command());
    }
    EXPECT_TRUE(m_host.m_pWindows->m_runners.empty());
    EXPECT_TRUE(m_host.m_ui.FileDialogs().empty()) << "Create Jar asks for no jar it cannot make";
}
