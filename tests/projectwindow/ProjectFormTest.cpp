// The properties form's rules: its sorted lists, and switches that stay with the project.
#include "projectwindow/ProjectForm.h"

#include "project/JavaProjectDoc.h"

#include "support/TempDir.h"
#include "support/TestProjectHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ProjectFormTest, ListsAreSortedAndAMainFileNoLongerThereIsNotSelected)
{
    CTestProjectHost host;
    CJavaProjectDoc project(host);
    CProjectForm form(project);
    EXPECT_TRUE(form.JavaFileNames().empty());
    EXPECT_EQ(form.MainJavaIndex(), -1);
    for (const char* path : {"/p/zeta.java", "/p/Alpha.java", "/q/beta.java"})
        project.AddJavaFile(path);
    project.AddPlainFile("/p/b.html");
    project.AddPlainFile("/p/A.html");
    EXPECT_EQ(form.JavaFileNames(), (std::vector<std::string>{"Alpha.java", "beta.java", "zeta.java"}));
    EXPECT_EQ(form.HtmlFileNames(), (std::vector<std::string>{"A.html", "b.html"}));
    form.ChooseMainJavaFile("zeta.java");
    form.ChooseMainHtmlFile("b.html");
    EXPECT_EQ(project.GetMainJavaFile(), "zeta.java");
    EXPECT_EQ(form.MainJavaIndex(), 2);
    EXPECT_EQ(form.MainHtmlIndex(), 1);
    project.RemoveFile("/p/zeta.java");
    EXPECT_EQ(form.MainJavaIndex(), -1);
}

TEST(ProjectFormTest, SwitchesSetOrResetAreKeptWithTheProjectAndCancelChangesNothing)
{
    CTempDir dir;
    CTestProjectHost host;
    host.m_strJavaOptions = "-Xmx64m";
    host.m_strJavac = "-g";
    const std::string path = dir.File("app.jpr");
    {
        CJavaProjectDoc project(host);
        CProjectForm form(project);
        form.SetJavaSwitches("-Xmx64m");
        EXPECT_FALSE(project.IsModified()) << "the same switches again are no change";
        form.SetJavaSwitches("-ea");
        form.SetJavacSwitches("-deprecation");
        EXPECT_TRUE(project.IsModified()) << "so closing the project asks to save it";

        host.m_ui.ExpectMessage("Reset switches to application defaults?", MsgAnswer::Cancel, MsgButtons::OkCancel, "Reset to Defaults");
        EXPECT_FALSE(form.ResetToDefaults());
        EXPECT_EQ(project.GetJavaSwitches(), "-ea");
        EXPECT_EQ(project.GetJavacSwitches(), "-deprecation");
        ASSERT_TRUE(project.OnSaveDocument(path));
    }
    CJavaProjectDoc reopened(host);
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_EQ(reopened.GetJavaSwitches(), "-ea");
    EXPECT_EQ(reopened.GetJavacSwitches(), "-deprecation");

    CProjectForm form(reopened);
    host.m_ui.ExpectMessage("Reset switches to application defaults?", MsgAnswer::Ok, MsgButtons::OkCancel, "Reset to Defaults");
    EXPECT_TRUE(form.ResetToDefaults());
    EXPECT_EQ(reopened.GetJavaSwitches(), "-Xmx64m");
    EXPECT_EQ(reopened.GetJavacSwitches(), "-g");
    EXPECT_TRUE(reopened.IsModified());
}
