#include "project/JavaProjectDoc.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/DocumentObserver.h"
#include "framework/DocumentOwner.h"
#include "support/RecordingProjectWindows.h"

#include <gtest/gtest.h>

namespace {

// Counts the updates the project announces to its observers, as the tree hears them.
class CUpdateCounter : public CDocumentObserver {
public:
    void OnDocumentUpdate(CDocument&) override { ++m_nUpdates; }
    int m_nUpdates = 0;
};

// Stands in for the document manager: hears the close.
class CClosingOwner : public CDocumentOwner {
public:
    void OnDocumentClosed(CDocument&) override { m_bClosed = true; }
    void OnDocumentSavedAs(CDocument&, const std::string&) override {}
    bool m_bClosed = false;
};

class ProjectWindowsCommands : public ::testing::Test {
protected:

    CCmdUI ProcessWindowState(CJavaProjectDoc& doc)
    {
        CCmdUI ui(Cmd::ID_VIEW_PROCESSWINDOW, nullptr);
        doc.UpdateCommand(ui);
        return ui;
    }

    CWindowedProjectHost m_host;
};

}  // namespace

TEST_F(ProjectWindowsCommands, ProjectWindowIsMadeOnceThenHiddenAndShown)
{
    CJavaProjectDoc doc(m_host);
    ASSERT_EQ(doc.GetWindows(), m_host.m_pWindows);
    CUpdateCounter tree;
    doc.AddObserver(&tree);

    EXPECT_TRUE(doc.RunCommand(Cmd::ID_VIEW_PROJECTWINDOW));
    EXPECT_TRUE(m_host.m_pWindows->IsProjectBarVisible());
    EXPECT_TRUE(doc.IsProjectWindowShown());
    EXPECT_EQ(tree.m_nUpdates, 1);  // the new tree is filled at once

    doc.RunCommand(Cmd::ID_VIEW_PROJECTWINDOW);
    EXPECT_FALSE(m_host.m_pWindows->IsProjectBarVisible());
    doc.RunCommand(Cmd::ID_VIEW_PROJECTWINDOW);
    EXPECT_TRUE(m_host.m_pWindows->IsProjectBarVisible());
    EXPECT_TRUE(doc.RunCommand(Cmd::ID_VIEW_PROJECTWINDOWBUTTON)) << "the toolbar button does the same";
    EXPECT_FALSE(m_host.m_pWindows->IsProjectBarVisible());
    EXPECT_EQ(m_host.m_pWindows->m_nProjectCreates, 1);
    EXPECT_EQ(tree.m_nUpdates, 1);
    doc.RemoveObserver(&tree);
}

TEST_F(ProjectWindowsCommands, ProjectWindowThatCannotBeMadeIsTriedAgainNextTime)
{
    CJavaProjectDoc doc(m_host);
    m_host.m_pWindows->m_bCanCreate = false;
    doc.OnProjectWindow();
    EXPECT_FALSE(doc.IsProjectWindowShown());
    m_host.m_pWindows->m_bCanCreate = true;
    doc.OnProjectWindow();
    EXPECT_TRUE(doc.IsProjectWindowShown());
    EXPECT_EQ(m_host.m_pWindows->m_nProjectCreates, 2);
}

TEST_F(ProjectWindowsCommands, ProcessWindowWaitsForTheFirstRunThenToggles)
{
    CJavaProjectDoc doc(m_host);
    CCmdUI before = ProcessWindowState(doc);
    EXPECT_FALSE(before.IsEnabled());
    EXPECT_FALSE(before.IsChecked());
    doc.OnProcessWindow();
    EXPECT_FALSE(m_host.m_pWindows->HasProcessBar());  // the command never makes the bar

    m_host.m_pWindows->MakeProcessBar();
    CCmdUI shown = ProcessWindowState(doc);
    EXPECT_TRUE(shown.IsEnabled());
    EXPECT_TRUE(shown.IsChecked());

    doc.RunCommand(Cmd::ID_VIEW_PROCESSWINDOW);
    CCmdUI hidden = ProcessWindowState(doc);
    EXPECT_TRUE(hidden.IsEnabled());
    EXPECT_FALSE(hidden.IsChecked());
}

TEST_F(ProjectWindowsCommands, ClosingHidesTheProjectWindow)
{
    auto doc = std::make_unique<CJavaProjectDoc>(m_host);
    doc->OnProjectWindow();
    CClosingOwner owner;
    doc->SetOwner(&owner);
    doc->OnCloseDocument();
    EXPECT_TRUE(owner.m_bClosed);
    EXPECT_FALSE(m_host.m_pWindows->IsProjectBarVisible());
    EXPECT_EQ(m_host.m_saved, std::vector<std::string>{""});
}

TEST_F(ProjectWindowsCommands, WithoutWindowsTheCommandsDoNothing)
{
    m_host.m_makeWindows = nullptr;
    CJavaProjectDoc doc(m_host);
    EXPECT_EQ(doc.GetWindows(), nullptr);
    doc.OnProjectWindow();
    doc.OnProcessWindow();
    EXPECT_FALSE(doc.IsProjectWindowShown());
    EXPECT_FALSE(ProcessWindowState(doc).IsEnabled());
}
