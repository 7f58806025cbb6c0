#include "app/qt/QuarnelApp.h"

#include "support/AppTestEnv.h"
#include "support/RecordingShell.h"
#include "support/ScriptedUi.h"

#include "project/JavaProjectDoc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sys/stat.h>

namespace {

class QuarnelAppSettingsTest : public ::testing::Test {
protected:
    CAppEnvironment Environment() const
    {
        CAppEnvironment env;
        env.strProgramPath = m_home.Dir().File("install/bin/ondrik");
        env.strSettingsFile = CSettingsStore::DefaultFilePath("Kestrune", "Ondrik");
        env.jdkSearch = {m_home.Dir().File("jvm/default-java"), ""};
        return env;
    }

    CTestConfigHome m_home;
    CScriptedUi m_ui;
    CRecordingShell m_shell;
};

}  // namespace

TEST_F(QuarnelAppSettingsTest, ProgramFolderGivesTheHelpFile)
{
    CQuarnelApp app(m_ui, m_shell, Environment());
    app.Settings().LoadSettings();
    const std::string folder = m_home.Dir().File("install/bin");
    EXPECT_EQ(app.GetProgramFolder(), folder);
    EXPECT_EQ(app.Settings().GetHelpFilePath(), folder + "/ondrik.html");
    EXPECT_EQ(app.Settings().m_strHelpPath, folder + "/ondrik.html");
    EXPECT_EQ(app.Settings().m_strJavaBin, CQuarnelSettings::kDefaultJdkFolder);
    EXPECT_EQ(app.Settings().GetSettingsStore().GetFilePath(), m_home.SettingsFile());
}

TEST_F(QuarnelAppSettingsTest, InstalledJdkIsDiscovered)
{
    const std::string javac = m_home.Dir().Write("jvm/java-21/bin/javac", "");
    ::chmod(javac.c_str(), 0755);
    m_home.Dir().Write("jvm/java-21/release", "JAVA_VERSION=\"21.0.2\"\n");
    std::filesystem::create_directory_symlink("java-21", m_home.Dir().File("jvm/default-java"));
    CQuarnelApp app(m_ui, m_shell, Environment());
    app.Settings().LoadSettings();
    EXPECT_EQ(app.Settings().m_strJavaBin, std::filesystem::canonical(m_home.Dir().File("jvm/java-21")).string());
}

TEST_F(QuarnelAppSettingsTest, ProjectSeesTheDefaultSwitchesAndRegistersItself)
{
    m_home.Dir().Write("config/Kestrune/Ondrik.reg", "Windows Registry Editor Version 5.00\n\n"
                                                     "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS]\n"
                                                     "\"JAVAC\"=\"-g\"\n\"JAVAOPTIONS\"=\"-ea\"\n");
    CQuarnelApp app(m_ui, m_shell, Environment());
    app.Settings().LoadSettings();
    EXPECT_EQ(app.GetOpenProject(), nullptr);
    {
        auto project = std::make_unique<CJavaProjectDoc>(app.ProjectHost());
        EXPECT_EQ(app.GetOpenProject(), project.get());
        EXPECT_EQ(project->GetJavacSwitches(), "-g");
        EXPECT_EQ(project->GetJavaSwitches(), "-ea");
        project->SetPathName("/p/closing.jpr");
        project->OnCloseDocument();
    }
    EXPECT_EQ(app.GetOpenProject(), nullptr);
    EXPECT_EQ(app.Settings().m_recentProjects, std::vector<std::string>{"/p/closing.jpr"});
    EXPECT_EQ(app.Settings().GetSettingsStore().GetString("OPTIONS", "LASTOPEN", ""), "/p/closing.jpr");
    EXPECT_EQ(CSettingsStore(m_home.SettingsFile(), "Kestrune", "Ondrik").GetString("OPTIONS", "RECENT0", ""),
              "/p/closing.jpr");
}
