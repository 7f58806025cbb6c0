#include "app/NewDocumentDlg.h"
#include "app/NewProjectDlg.h"
#include "app/RecentProjectsDlg.h"
#include "app/TipOfTheDayDlg.h"

#include "support/MapProfile.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(NewDocumentDlg, OkNeedsASelection)
{
    CNewDocumentDlg dlg;
    EXPECT_FALSE(dlg.OnOK(-1));
    EXPECT_EQ(dlg.m_nSelected, -1);
    EXPECT_TRUE(dlg.OnOK(CNewDocumentDlg::kHtmlPage));
    EXPECT_EQ(dlg.m_nSelected, 2);
}

TEST(NewProjectDlg, EmptyNameIsRefusedExceptForAnEmptyProject)
{
    CScriptedUi ui;
    CNewProjectDlg dlg(ui);
    EXPECT_EQ(dlg.m_nProjectType, -1);
    std::string name;
    EXPECT_TRUE(dlg.OnOK(CNewProjectDlg::kEmpty, name));
    EXPECT_EQ(dlg.m_nProjectType, 0);

    ui.ExpectMessage("Please enter a name for your class");
    EXPECT_FALSE(dlg.OnOK(CNewProjectDlg::kApplet, name));
    EXPECT_EQ(name, "MyApp") << "the field goes back to the default name";
    EXPECT_EQ(dlg.m_nProjectType, 0) << "a refused OK copies nothing";

    std::string odd = "not a Java name!";
    EXPECT_TRUE(dlg.OnOK(CNewProjectDlg::kApplication, odd));
    EXPECT_EQ(dlg.m_strClassName, "not a Java name!");
}

TEST(RecentProjectsDlg, RemoveTakesTheFirstEqualEntryAndSurvivesCancel)
{
    CScriptedUi ui;
    std::vector<std::string> recent{"/a/p.jpr", "/b/q.jpr", "/a/p.jpr"};
    {
        CRecentProjectsDlg dlg(ui, recent);
        ASSERT_EQ(dlg.Lines().size(), 3u);
        dlg.OnRemove(2);
        EXPECT_EQ(recent, (std::vector<std::string>{"/b/q.jpr", "/a/p.jpr"})) << "the first equal entry goes";
        EXPECT_EQ(dlg.Lines(), (std::vector<std::string>{"/a/p.jpr", "/b/q.jpr"}));
        dlg.OnRemove(-1);
        EXPECT_EQ(dlg.Lines().size(), 2u);
        ui.ExpectMessage("Please choose an item from the list");
        EXPECT_FALSE(dlg.OnOK(-1));
        EXPECT_TRUE(dlg.OnOK(1));
        EXPECT_EQ(dlg.m_strSelectedPath, "/b/q.jpr");
    }
    EXPECT_EQ(recent.size(), 2u);

    std::vector<std::string> none;
    CRecentProjectsDlg empty(ui, none);
    ui.ExpectMessage("Please choose an item from the list");
    EXPECT_FALSE(empty.OnOK(0));
    empty.OnRemove(0);
}

class TipOfTheDayTest : public ::testing::Test {
protected:
    std::string WriteTips(const std::string& text) { return m_dir.Write("help/tips.dat", text); }

    CTempDir m_dir;
    CScriptedUi m_ui;
    CMapProfile m_profile;
};

TEST_F(TipOfTheDayTest, EachDialogStartsWithTheTipAfterTheLastOneShown)
{
    const auto path = WriteTips("; tips\nFirst\nSecond\nThird\n");
    {
        CTipOfTheDayDlg dlg(m_ui, m_profile, path);
        EXPECT_EQ(dlg.m_strTip, "First");
        EXPECT_TRUE(dlg.m_bStartup);
        dlg.OnNextTip();
        EXPECT_EQ(dlg.m_strTip, "Second");
    }
    EXPECT_EQ(m_profile.m_ints["Tip/FilePos"], 20) << "just after \"Second\\n\"";
    {
        CTipOfTheDayDlg dlg(m_ui, m_profile, path);
        EXPECT_EQ(dlg.m_strTip, "Third");
        dlg.OnNextTip();
        EXPECT_EQ(dlg.m_strTip, "First") << "after the last tip comes the first again";
    }
}

TEST_F(TipOfTheDayTest, ANewTipsFileStartsAgainAtTheFirstTip)
{
    const auto path = WriteTips("First\nSecond\n");
    m_profile.m_ints["Tip/FilePos"] = 6;
    m_profile.m_strings["Tip/TimeStamp"] = "Mon Jan  1 00:00:00 2001";
    CTipOfTheDayDlg dlg(m_ui, m_profile, path);
    EXPECT_EQ(dlg.m_strTip, "First");
    EXPECT_EQ(m_profile.m_strings["Tip/TimeStamp"], CTipsFile::CreationTimeText(path));
}

TEST_F(TipOfTheDayTest, StartUpIsWrittenOnlyByClose)
{
    const auto path = WriteTips("Only\n");
    m_profile.m_ints["Tip/StartUp"] = 1;
    {
        CTipOfTheDayDlg dlg(m_ui, m_profile, path);
        EXPECT_FALSE(dlg.m_bStartup);
    }
    EXPECT_EQ(m_profile.m_ints["Tip/StartUp"], 1) << "leaving with Esc stores nothing";
    {
        CTipOfTheDayDlg dlg(m_ui, m_profile, path);
        dlg.OnClose(true);
    }
    EXPECT_EQ(m_profile.m_ints["Tip/StartUp"], 0);
}

TEST_F(TipOfTheDayTest, MissingOrEmptyFileAndUnreachablePosition)
{
    {
        CTipOfTheDayDlg dlg(m_ui, m_profile, m_dir.File("help/tips.dat"));
        EXPECT_EQ(dlg.m_strTip, "The tips file is missing from the Ondrik application folder.");
        EXPECT_FALSE(dlg.CanShowNextTip());
    }
    EXPECT_EQ(m_profile.m_ints.count("Tip/FilePos"), 0u) << "nothing is stored without a file";

    {
        CTipOfTheDayDlg dlg(m_ui, m_profile, WriteTips("; nothing but comments\n\n"));
        EXPECT_FALSE(dlg.CanShowNextTip()) << "a file without tips disables Next Tip instead of hanging";
    }

    const auto path = WriteTips("A tip\n");
    m_profile.m_strings["Tip/TimeStamp"] = CTipsFile::CreationTimeText(path);
    m_profile.m_ints["Tip/FilePos"] = -5;
    m_ui.ExpectMessage("Trouble reading the tips file");
    CTipOfTheDayDlg dlg(m_ui, m_profile, path);
    EXPECT_EQ(dlg.m_strTip, "");
}
