// The project tree's commands on items known only by their text: what each kind of item
// offers, the messages, and what the commands change in the project.
#include "projectwindow/FilePropertiesDlg.h"
#include "projectwindow/ProjectTreeHost.h"
#include "projectwindow/ProjectTreePanel.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "project/JavaProjectDoc.h"
#include "run/CapturedRun.h"
#include "run/ProjectRunCommands.h"

#include "run/TestRunHost.h"
#include "support/CurrentFolderKeeper.h"
#include "support/RecordingShell.h"
#include "support/TempDir.h"
#include "support/TestProjectHost.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// Opens nothing: every attempt is recorded and fails, as for files that are gone.
class CNothingOpensHost : public CProjectTreeHost {
public:
    CDocument* OpenDocumentFile(const std::string& path) override
    {
        m_tried.push_back(path);
        return nullptr;
    }
    bool IsJavaSource(const CDocument&) const override { return false; }
    std::int32_t FindEntryPosition(const CDocument&, const std::string&) const override { return -1; }
    void GoToPosition(CDocument&, std::int32_t) override {}
    CDesktopShell& GetShell() override { return m_shell; }

    std::vector<std::string> m_tried;
    CRecordingShell m_shell;
};

class ProjectTreePanelTest : public ::testing::Test {
protected:
    ProjectTreePanelTest()
    {
        m_project.SetPathName("/p/app.jpr");
        m_project.AddJavaFile("/p/Main.java");
        m_project.AddJavaFile("/p/src/Util.java");
        m_project.AddPlainFile("/p/page.html");
        m_project.BeginFileScan("/p/Main.java");
        m_project.AddClass("/p/Main.java", "Main");
        m_project.AddMethod("/p/Main.java", "Main", "run()");
        // A class named like another file of the project.
        m_project.AddClass("/p/Main.java", "Util.java");
        m_project.EndFileScan();
        m_project.SetMainJavaFile("Main.java");
        m_project.SetModifiedFlag(false);
        m_panel.RefreshTree();
    }

    CProjectTreeItem* Item(const std::vector<std::string>& path)
    {
        const CProjectTreeItem* item = &m_panel.GetTree().GetRoot();
        for (const std::string& text : path)
            item = item != nullptr ? item->FindChild(text) : nullptr;
        return const_cast<CProjectTreeItem*>(item);
    }
    std::vector<std::string> MenuOf(CProjectTreeItem* item)
    {
        std::vector<std::string> texts;
        for (const auto& entry : m_panel.ContextMenu(item))
            texts.push_back((entry.bDefault ? "*" : "") + (entry.IsSeparator() ? "-" : entry.strText));
        return texts;
    }
    bool Enabled(int id)
    {
        CCmdUI ui(id, nullptr);
        m_panel.UpdateCommand(ui);
        return ui.IsEnabled();
    }

    CTestProjectHost m_host;
    CJavaProjectDoc m_project{m_host};
    CNothingOpensHost m_treeHost;
    CProjectTreePanel m_panel{m_project, m_treeHost};
};

}  // namespace

TEST_F(ProjectTreePanelTest, TheContextMenuOffersWhatTheItemsTextNames)
{
    using Menu = std::vector<std::string>;
    const Menu tail = {"-", "Add Java Source Files...", "Add HTML File..."};
    auto with = [&tail](Menu head) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    EXPECT_EQ(MenuOf(Item({"Main.java"})), with({"*Open", "Compile", "Set as Main", "Remove", "Properties..."}));
    EXPECT_FALSE(Enabled(Cmd::ID_HTML_RUNAPPLET));
    EXPECT_FALSE(Enabled(Cmd::ID_HTML_OPENINBROWSER));
    EXPECT_EQ(MenuOf(Item({"page.html"})), with({"*Open", "Run Applet", "Open in Web Browser", "Remove", "Properties..."}));
    EXPECT_EQ(m_panel.GetTree().GetSelected(), Item({"page.html"})) << "the right-clicked item is selected";
    EXPECT_TRUE(Enabled(Cmd::ID_HTML_RUNAPPLET));
    EXPECT_TRUE(Enabled(Cmd::ID_HTML_OPENINBROWSER));
    EXPECT_EQ(MenuOf(Item({"Main.java", "Main"})), with({"*Open"}));
    EXPECT_EQ(MenuOf(Item({"Main.java", "Main", "run()"})), with({"*Open"}));
    EXPECT_EQ(MenuOf(Item({"Main.java", "Util.java"})), with({"*Open", "Compile", "Set as Main", "Remove", "Properties..."}))
        << "a class named like a file counts as that file";
    EXPECT_TRUE(MenuOf(nullptr).empty()) << "no menu on empty space";
}

TEST_F(ProjectTreePanelTest, CommandsThatCannotApplySayWhy)
{
    CScriptedUi& ui = m_host.m_ui;
    m_panel.GetTree().Select(nullptr);
    ui.ExpectMessage("Item is NULL");
    m_panel.RunCommand(Cmd::ID_PROJECT_OPENFILE);
    ui.ExpectMessage("Item is NULL");
    m_panel.RunCommand(Cmd::ID_BUILD_COMPILE);
    ui.ExpectMessage("No files to remove.");
    m_panel.RunCommand(Cmd::ID_PROJECT_REMOVEFILE);

    m_panel.GetTree().Select(Item({"page.html"}));
    ui.ExpectMessage("Can't compile HTML File!");
    m_panel.RunCommand(Cmd::ID_BUILD_COMPILE);
    ui.ExpectMessage("Only Java files can be set as main");
    m_panel.RunCommand(Cmd::ID_PROJECT_SETMAIN);
    EXPECT_EQ(m_project.GetMainJavaFile(), "Main.java") << "a page never becomes the main Java file";

    m_panel.GetTree().Select(Item({"Main.java", "Main", "run()"}));
    ui.ExpectMessage("Only Java files can be set as main");
    m_panel.RunCommand(Cmd::ID_PROJECT_SETMAIN);
    ui.ExpectMessage("No files to remove.");
    m_panel.RunCommand(Cmd::ID_PROJECT_REMOVEFILE);
    EXPECT_FALSE(m_project.IsModified());
    EXPECT_TRUE(ui.AllAnswered());
}

TEST_F(ProjectTreePanelTest, AFileThatDoesNotOpenIsTriedByNameThenTheUserIsAskedToAddItAgain)
{
    m_panel.GetTree().Select(Item({"Util.java"}));
    m_host.m_ui.ExpectMessage("Unable to locate this item - try adding the file to the project again.");
    m_host.m_ui.ExpectOpenFiles({});
    m_panel.OpenSelected();
    EXPECT_EQ(m_treeHost.m_tried, (std::vector<std::string>{"/p/src/Util.java", "Util.java"}));
    ASSERT_EQ(m_host.m_ui.FileDialogs().size(), 1U) << "the Add Java Source Files dialog follows";
    EXPECT_EQ(m_host.m_ui.FileDialogs()[0].filter, "Java Source Files (*.jav;*.java)|*.jav;*.java|All Files (*.*)|*.*||");

    // A method is looked for in its root file.
    m_treeHost.m_tried.clear();
    m_panel.GetTree().Select(Item({"Main.java", "Main", "run()"}));
    m_host.m_ui.ExpectMessage("Unable to locate this item - try adding the file to the project again.");
    m_host.m_ui.ExpectOpenFiles({});
    m_panel.OpenSelected();
    EXPECT_EQ(m_treeHost.m_tried, (std::vector<std::string>{"/p/Main.java"}));
}

TEST_F(ProjectTreePanelTest, SetAsMainAndRemoveChangeTheProjectAndTheTreeFollows)
{
    m_panel.GetTree().Select(Item({"Util.java"}));
    m_panel.RunCommand(Cmd::ID_PROJECT_SETMAIN);
    EXPECT_EQ(m_project.GetMainJavaFile(), "Util.java");
    EXPECT_TRUE(m_project.IsModified());
    m_panel.RefreshTree();
    EXPECT_EQ(Item({"Util.java"})->GetImage(), CProjectTreeItem::kMainJavaFile);
    EXPECT_EQ(Item({"Main.java"})->GetImage(), CProjectTreeItem::kJavaFile);

    // Remove on the class named like a file removes that file; the class stays.
    m_panel.GetTree().Select(Item({"Main.java", "Util.java"}));
    m_panel.RunCommand(Cmd::ID_PROJECT_REMOVEFILE);
    m_panel.RefreshTree();
    EXPECT_FALSE(m_project.GetJavaFiles().HasName("Util.java"));
    EXPECT_EQ(Item({"Util.java"}), nullptr);
    EXPECT_NE(Item({"Main.java", "Util.java"}), nullptr);

    m_panel.GetTree().Select(Item({"page.html"}));
    m_panel.RunCommand(Cmd::ID_PROJECT_REMOVEFILE);
    EXPECT_EQ(m_project.GetPlainFiles().GetCount(), 0);
    EXPECT_EQ(Item({"page.html"}), nullptr);
}

TEST_F(ProjectTreePanelTest, PropertiesShowsTheItemAndOpensItsFolderAsAFileAddress)
{
    m_project.AddJavaFile("/p/my code/50% done/Odd#.java");
    m_panel.RefreshTree();
    struct CCase {
        std::vector<std::string> item;
        std::string strPath;
        std::string strFolderUrl;
    };
    const std::vector<CCase> cases = {
        {{"Util.java"}, "/p/src/Util.java", "file:///p/src"},
        {{"Odd#.java"}, "/p/my code/50% done/Odd#.java", "file:///p/my%20code/50%25%20done"},
        {{"Main.java", "Main"}, "NOFILE", ""},
    };
    for (const CCase& c : cases) {
        m_panel.GetTree().Select(Item(c.item));
        m_host.m_ui.ExpectDialog("Properties", [&](CModalDialog& dialog) {
            auto& properties = dynamic_cast<CFilePropertiesDlg&>(dialog);
            EXPECT_EQ(properties.GetFileName(), c.item.back());
            EXPECT_EQ(properties.GetFullPath(), c.strPath);
            EXPECT_EQ(properties.FolderUrl(), c.strFolderUrl);
            EXPECT_EQ(properties.OnOpenFolder(), !c.strFolderUrl.empty());
            return kIdOk;
        });
        m_panel.RunCommand(Cmd::ID_PROJECT_SETPACKAGE);
    }
    EXPECT_EQ(m_treeHost.m_shell.m_opened,
              (std::vector<std::string>{"file:///p/src", "file:///p/my%20code/50%25%20done"}));

    m_panel.GetTree().Select(Item({"page.html"}));
    m_panel.RunCommand(Cmd::ID_HTML_OPENINBROWSER);
    EXPECT_EQ(m_treeHost.m_shell.m_opened.back(), "/p/page.html");
}

// Would catch the tree's Compile offered while a captured run is active, where it could only
// fail with "Failed to start process", and a Compile that does not reach the runner with the
// selected file, the application's switches and its caption.
TEST(ProjectTreeCompile, CompilesTheSelectedFileAndWaitsWhileARunIsActive)
{
    using namespace std::chrono_literals;
    CCurrentFolderKeeper folder;
    CTempDir dir;
    const std::string javac = dir.Write("jdk/bin/javac", "#!/bin/sh\necho \"$PWD: javac $*\"\n");
    ASSERT_EQ(::chmod(javac.c_str(), 0755), 0);
    CCapturedRun run;
    CTestProjectHost host;
    CTestRunHost runHost(host.m_ui);
    runHost.m_strJavaBin = dir.File("jdk");
    runHost.m_strJavac = "-g";
    host.m_makeCommands = [&](CJavaProjectDoc& project) {
        return std::make_unique<CProjectRunCommands>(project, run, runHost);
    };
    CJavaProjectDoc project(host);
    const std::string source = dir.Write("src/Util.java", "class Util {}\n");
    project.AddJavaFile(source);
    CNothingOpensHost treeHost;
    CProjectTreePanel panel(project, treeHost);
    panel.RefreshTree();
    panel.GetTree().Select(const_cast<CProjectTreeItem*>(panel.GetTree().GetRoot().FindChild("Util.java")));
    const auto compileEnabled = [&] {
        CCmdUI ui(Cmd::ID_BUILD_COMPILE, nullptr);
        panel.UpdateCommand(ui);
        return ui.IsEnabled();
    };

    ASSERT_TRUE(run.StartCaptured("/bin/sleep", "sleep 600", ""));
    EXPECT_FALSE(compileEnabled());
    run.TerminateCaptured(11);
    ASSERT_TRUE(run.WaitUntilIdle(60s));
    EXPECT_TRUE(compileEnabled());

    panel.RunCommand(Cmd::ID_BUILD_COMPILE);
    ASSERT_TRUE(run.WaitUntilIdle(60s));
    EXPECT_EQ(run.CopyOutput(), dir.File("src") + ": javac Util.java -g\r\nExit code: 0\r\nNo Errors");
    EXPECT_EQ(runHost.m_strCaption, "Compiling \"" + source + "\"");
    EXPECT_EQ(runHost.m_nSaveAlls, 1);
}
