#include "framework/DocTemplate.h"
#include "framework/Profile.h"
#include "framework/RecentFileList.h"

#include "support/MapProfile.h"

#include <gtest/gtest.h>

#include <map>


TEST(RecentFileList, MostRecentFirstAtMostEightNoDuplicates)
{
    CRecentFileList list;
    for (int i = 0; i < 10; ++i)
        list.Add("/p/f" + std::to_string(i) + ".java");
    ASSERT_EQ(list.GetSize(), 8);
    EXPECT_EQ(list[0], "/p/f9.java");
    EXPECT_EQ(list[7], "/p/f2.java");
    list.Add("/p/f5.java");
    EXPECT_EQ(list.GetSize(), 8);
    EXPECT_EQ(list[0], "/p/f5.java");
    EXPECT_EQ(list[5], "/p/f4.java");
    list.Remove(0);
    EXPECT_EQ(list[0], "/p/f9.java");
}

TEST(RecentFileList, StoredAsFile1ToFile8InItsSection)
{
    CMapProfile profile;
    CRecentFileList list;
    list.Add("/a/One.java");
    list.Add("/a/Two.java");
    list.WriteList(profile);
    EXPECT_EQ(profile.m_strings["Recent File List/File1"], "/a/Two.java");
    EXPECT_EQ(profile.m_strings["Recent File List/File2"], "/a/One.java");
    EXPECT_EQ(profile.m_strings["Recent File List/File3"], "");

    profile.m_strings["Recent File List/File2"] = "";
    profile.m_strings["Recent File List/File5"] = "/b/Five.java";
    CRecentFileList back;
    back.ReadList(profile);
    ASSERT_EQ(back.GetSize(), 2);
    EXPECT_EQ(back[1], "/b/Five.java");
}

TEST(RecentFileList, MenuNamesAreShortenedToThirtyCharacters)
{
    struct Row {
        const char* path;
        const char* shown;
    };
    const Row rows[] = {
        {"/home/u/A.java", "/home/u/A.java"},
        {"/home/someone/projects/ondrik/src/Main.java", "/.../ondrik/src/Main.java"},
        {"/a/very/deep/ThisNameAloneIsLongerThanThirty.java", "ThisNameAloneIsLongerThanThirty.java"},
        {"relative/folder/with/many/parts/X.java", ".../with/many/parts/X.java"},
    };
    for (const auto& row : rows) {
        const std::string shown = CRecentFileList::AbbreviatePath(row.path, 30);
        EXPECT_EQ(shown, row.shown) << row.path;
        if (shown.size() > 30) {
            EXPECT_EQ(shown.find('/'), std::string::npos) << "only a bare name may be longer";
        }
    }
    CRecentFileList list;
    list.Add("/p/R&D.java");
    EXPECT_EQ(list.GetDisplayName(0), "&1 /p/R&&D.java");
}

TEST(DocTemplate, DescriptionFieldsAndExtensionMatch)
{
    CDocTemplate t(130, "\nJavaProject\nJava Project\nJava Project Files (*.jpr)\n.jpr\nJavaProjectr.Document\nJava project Document",
                   nullptr, nullptr);
    EXPECT_EQ(t.GetDocString(CDocTemplate::windowTitle), "");
    EXPECT_EQ(t.GetDocString(CDocTemplate::docName), "JavaProject");
    EXPECT_EQ(t.GetDocString(CDocTemplate::filterName), "Java Project Files (*.jpr)");
    EXPECT_EQ(t.GetDocString(CDocTemplate::filterExt), ".jpr");
    EXPECT_EQ(t.GetDocString(CDocTemplate::regFileTypeName), "Java project Document");
    EXPECT_EQ(t.MatchExtension("/p/a.jpr"), CDocTemplate::yesAttemptNative);
    EXPECT_EQ(t.MatchExtension("/p/a.JPR"), CDocTemplate::yesAttemptNative);
    EXPECT_EQ(t.MatchExtension("/p/a.jprx"), CDocTemplate::yesAttemptForeign);
    EXPECT_EQ(t.MatchExtension("/p.jpr/a"), CDocTemplate::yesAttemptForeign);
    EXPECT_EQ(t.NextUntitledTitle(), "JavaProject1");
    EXPECT_EQ(t.NextUntitledTitle(), "JavaProject2");
}
