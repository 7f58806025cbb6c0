#include "app/QuarnelSettings.h"

#include "support/AppTestEnv.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kHead = "Windows Registry Editor Version 5.00\n\n";
const std::string kOptions = "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS]\n";
const std::string kPaths = "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\PATHS]\n";
const std::string kProgramHelp = "/opt/ondrik/bin/ondrik.html";

// The machine-wide JDK entries as given; an empty home leaves JavaHome out.
CJdkRegistryView JdkView(const std::string& version, const std::string& home)
{
    CRegFile machine;
    const std::string key = "HKEY_LOCAL_MACHINE\\" + std::string(CJdkRegistryView::kJdkKey);
    machine.SetString(key, "CurrentVersion", version);
    if (!home.empty())
        machine.SetString(key + "\\" + version, "JavaHome", home);
    return CJdkRegistryView(machine);
}

class QuarnelSettingsTest : public ::testing::Test {
protected:
    CSettingsStore Store() const { return CSettingsStore(m_home.SettingsFile(), "Kestrune", "Ondrik"); }
    CQuarnelSettings Make(CJdkRegistryView jdk = CJdkRegistryView()) const
    {
        return CQuarnelSettings(Store(), std::move(jdk), kProgramHelp);
    }
    CQuarnelSettings Loaded(CJdkRegistryView jdk = CJdkRegistryView()) const
    {
        CQuarnelSettings settings = Make(std::move(jdk));
        settings.LoadSettings();
        return settings;
    }
    void WriteSettings(const std::string& body) const { m_home.Dir().Write("config/Kestrune/Ondrik.reg", kHead + body); }
    std::string ReadSettings() const { return CTempDir::Read(m_home.SettingsFile()); }
    // The value names of a section in file order.
    std::vector<std::string> NamesIn(const std::string& section) const
    {
        std::vector<std::string> names;
        const auto file = CRegFile::Parse(ReadSettings());
        if (const CRegKey* key = file ? file->FindKey(Store().SectionKey(section)) : nullptr) {
            for (const auto& value : key->values)
                names.push_back(value.strName);
        }
        return names;
    }

    CTestConfigHome m_home;
};

}  // namespace

TEST_F(QuarnelSettingsTest, DefaultsWithNoSettingsAndNoJdk)
{
    const CQuarnelSettings s = Loaded();
    EXPECT_EQ(s.m_strJavaBin, "/usr/lib/jvm/default-java");
    EXPECT_EQ(s.m_nTabWidth, 3);
    EXPECT_EQ(s.m_strFontName, "Courier New");
    EXPECT_EQ(s.m_nFontSize, 100);
    EXPECT_EQ(s.m_strDlgFontName, "Courier New");
    EXPECT_EQ(s.GetPreferenceValues().m_nFontSize, 10);
    EXPECT_EQ(s.GetPreferenceValues().m_nDlgFontSize, 9);
    EXPECT_EQ(s.m_crKeyColor, 0x00DD0000u);
    EXPECT_EQ(s.m_crCommentColor, 0x000000DDu);
    EXPECT_EQ(s.m_crStringColor, 0x00006600u);
    EXPECT_EQ(s.m_crTagColor, 0x00001177u);
    EXPECT_EQ(s.m_nSaveComp + s.m_nLoadLast + s.m_nShowDrops, 3);
    EXPECT_EQ(s.m_nShowArgs + s.m_nSpaceTabs, 0);
    EXPECT_EQ(s.m_strHelpPath, kProgramHelp);
    EXPECT_EQ(s.GetHelpFilePath(), kProgramHelp);
    EXPECT_TRUE(s.m_recentProjects.empty());
    EXPECT_FALSE(std::filesystem::exists(m_home.Path())) << "loading writes nothing";
}

TEST_F(QuarnelSettingsTest, JdkFolderDefaultsToTheInstalledJdk)
{
    EXPECT_EQ(Loaded(JdkView("1.3", "/usr/lib/jvm/jdk1.3")).m_strJavaBin, "/usr/lib/jvm/jdk1.3");
    EXPECT_EQ(Loaded(JdkView("1.3", "")).m_strJavaBin, "") << "a version without JavaHome gives an empty folder";

    WriteSettings(kPaths + "\"JAVABIN\"=\"/home/me/jdk\"\n");
    EXPECT_EQ(Loaded(JdkView("1.3", "/usr/lib/jvm/jdk1.3")).m_strJavaBin, "/home/me/jdk");
}

TEST_F(QuarnelSettingsTest, ReadsEveryStoredValue)
{
    // A wrong section or value name in the loader would leave one of these at its default.
    WriteSettings(kPaths +
                  "\"JAVABIN\"=\"/jdk\"\n\"HELPPATH\"=\"/docs/api.html\"\n\n" + kOptions +
                  "\"JAVAC\"=\"-g\"\n\"JAVAOPTIONS\"=\"-Xmx64m\"\n"
                  "\"SAVECOMP\"=dword:0\n\"LOADLAST\"=dword:0\n\"SHOWDROPS\"=dword:0\n\"SHOWARGS\"=dword:1\n"
                  "\"FONTNAME\"=\"Mono\"\n\"FONTSIZE\"=dword:78\n\"TABWIDTH\"=dword:4\n\"SPACETABS\"=dword:1\n"
                  "\"KEYCOLOR\"=dword:1\n\"COMMENTCOLOR\"=dword:2\n\"STRINGCOLOR\"=dword:3\n\"TAGCOLOR\"=dword:4\n"
                  "\"DLGFONTNAME\"=\"Fixed\"\n\"DLGFONTSIZE\"=dword:6e\n"
                  "\"DLG_LEFT\"=dword:ffffff9c\n\"DLG_TOP\"=dword:5\n\"DLG_RIGHT\"=dword:300\n\"DLG_BOTTOM\"=dword:200\n"
                  "\"LASTOPEN\"=\"/p/last.jpr\"\n\"RECENTSIZE\"=dword:2\n\"RECENT0\"=\"/p/a.jpr\"\n\"RECENT1\"=\"/p/b.jpr\"\n");
    const CQuarnelSettings s = Loaded();
    EXPECT_EQ(s.m_strJavaBin, "/jdk");
    EXPECT_EQ(s.m_strHelpPath, "/docs/api.html");
    EXPECT_EQ(s.GetHelpFilePath(), "/docs/api.html");
    EXPECT_EQ(s.m_strJavac, "-g");
    EXPECT_EQ(s.m_strJavaOptions, "-Xmx64m");
    EXPECT_EQ(s.m_nSaveComp + s.m_nLoadLast + s.m_nShowDrops, 0);
    EXPECT_EQ(s.m_nShowArgs, 1);
    EXPECT_EQ(s.m_strFontName, "Mono");
    EXPECT_EQ(s.m_nFontSize, 120);
    EXPECT_EQ(s.m_nTabWidth, 4);
    EXPECT_EQ(s.m_nSpaceTabs, 1);
    EXPECT_EQ(s.m_crKeyColor, 1u);
    EXPECT_EQ(s.m_crCommentColor, 2u);
    EXPECT_EQ(s.m_crStringColor, 3u);
    EXPECT_EQ(s.m_crTagColor, 4u);
    EXPECT_EQ(s.m_strDlgFontName, "Fixed");
    EXPECT_EQ(s.m_nDlgFontSize, 110);
    EXPECT_EQ(s.m_nDlgLeft, -100) << "a window left of the main screen keeps its place";
    EXPECT_EQ(s.m_nDlgTop, 5);
    EXPECT_EQ(s.m_nDlgRight, 0x300);
    EXPECT_EQ(s.m_nDlgBottom, 0x200);
    EXPECT_EQ(s.m_strLastOpen, "/p/last.jpr");
    EXPECT_EQ(s.m_recentProjects, (std::vector<std::string>{"/p/a.jpr", "/p/b.jpr"}));
}

TEST_F(QuarnelSettingsTest, RecentListReadsAtMostTenAndSkipsEmptyOnes)
{
    std::string body = kOptions + "\"RECENTSIZE\"=dword:00000019\n";
    for (int i = 0; i < 12; ++i)
        body += "\"RECENT" + std::to_string(i) + "\"=\"" + (i == 3 ? "" : "/p/" + std::to_string(i) + ".jpr") + "\"\n";
    WriteSettings(body);
    const CQuarnelSettings s = Loaded();
    EXPECT_EQ(s.m_recentProjects, (std::vector<std::string>{"/p/0.jpr", "/p/1.jpr", "/p/2.jpr", "/p/4.jpr", "/p/5.jpr",
                                                            "/p/6.jpr", "/p/7.jpr", "/p/8.jpr", "/p/9.jpr"}));

    WriteSettings(kOptions + "\"RECENTSIZE\"=dword:ffffffff\n\"RECENT0\"=\"/p/0.jpr\"\n");
    EXPECT_TRUE(Loaded().m_recentProjects.empty()) << "a negative count reads nothing";
}

TEST_F(QuarnelSettingsTest, LongHelpPathStaysInItsFieldOnly)
{
    const std::string fits = "/" + std::string(258, 'h');
    const std::string tooLong = fits + "x";
    WriteSettings(kPaths + "\"HELPPATH\"=\"" + fits + "\"\n");
    EXPECT_EQ(Loaded().GetHelpFilePath(), fits);
    WriteSettings(kPaths + "\"HELPPATH\"=\"" + tooLong + "\"\n");
    CQuarnelSettings s = Loaded();
    EXPECT_EQ(s.m_strHelpPath, tooLong);
    EXPECT_EQ(s.GetHelpFilePath(), kProgramHelp);

    CPrefsValues values = s.GetPreferenceValues();
    values.m_strHelpPath = "/docs/new.html";
    s.ApplyPreferences(values);
    EXPECT_EQ(s.GetHelpFilePath(), "/docs/new.html");
    values.m_strHelpPath = tooLong + "y";
    s.ApplyPreferences(values);
    EXPECT_EQ(s.GetHelpFilePath(), "/docs/new.html");
    EXPECT_EQ(Loaded().m_strHelpPath, tooLong + "y") << "the typed path is stored as typed";
}

TEST_F(QuarnelSettingsTest, PreferencesShowWholePointsAndStoreTenths)
{
    WriteSettings(kOptions + "\"FONTSIZE\"=dword:69\n\"DLGFONTSIZE\"=dword:5f\n");
    CQuarnelSettings s = Loaded();
    const CPrefsValues values = s.GetPreferenceValues();
    EXPECT_EQ(values.m_nFontSize, 10);
    EXPECT_EQ(values.m_nDlgFontSize, 9);
    s.ApplyPreferences(values);
    EXPECT_EQ(s.m_nFontSize, 100);
    EXPECT_EQ(s.m_nDlgFontSize, 90);
    const CSettingsStore reader = Store();
    EXPECT_EQ(reader.GetNumber("OPTIONS", "FONTSIZE", 0), 100u);
    EXPECT_EQ(reader.GetNumber("OPTIONS", "DLGFONTSIZE", 0), 90u);
}

TEST_F(QuarnelSettingsTest, ConfirmedPreferencesWriteEveryValueInTheFixedOrder)
{
    CQuarnelSettings s = Loaded();
    CPrefsValues values = s.GetPreferenceValues();
    values.m_strJavac = "-g";
    values.m_crTagColor = 0x123456;
    values.m_nShowArgs = 2;  // a page never shown hands back what it was given
    values.m_nLineNumbers = 0;
    s.ApplyPreferences(values);
    EXPECT_EQ(s.GetPreferenceValues(), values);
    EXPECT_EQ(s.m_strJavac, "-g");
    EXPECT_EQ(NamesIn("OPTIONS"),
              (std::vector<std::string>{"TABWIDTH", "FONTNAME", "FONTSIZE", "KEYCOLOR", "COMMENTCOLOR", "STRINGCOLOR",
                                        "TAGCOLOR", "SPACETABS", "JAVAC", "SAVECOMP", "LOADLAST", "SHOWARGS",
                                        "SHOWDROPS", "DLGFONTNAME", "DLGFONTSIZE", "JAVAOPTIONS", "LINENUMBERS"}));
    EXPECT_EQ(NamesIn("PATHS"), (std::vector<std::string>{"JAVABIN", "HELPPATH"}));

    const CQuarnelSettings again = Loaded();
    EXPECT_EQ(again.GetPreferenceValues(), values);
}

// Every value the sheet edits reaches its own setting and comes back from it: each field gets a
// value no other field has, so two fields swapped or one left out on the way to the file or
// back would show.
TEST_F(QuarnelSettingsTest, EveryPreferenceReachesItsOwnSettingAndComesBack)
{
    CQuarnelSettings s = Loaded();
    CPrefsValues values;
    values.m_nTabWidth = 5;
    values.m_strFontName = "Source Font";
    values.m_nFontSize = 13;
    values.m_crKeyColor = 0x010203;
    values.m_crCommentColor = 0x040506;
    values.m_crStringColor = 0x070809;
    values.m_crTagColor = 0x0A0B0C;
    values.m_nSpaceTabs = 6;
    values.m_strJavaBin = "/jdk/home";
    values.m_nSaveComp = 7;
    values.m_nLoadLast = 8;
    values.m_nShowArgs = 9;
    values.m_nShowDrops = 10;
    values.m_strHelpPath = "/jdk/docs/api/index.html";
    values.m_strDlgFontName = "Output Font";
    values.m_nDlgFontSize = 11;
    values.m_strJavaOptions = "-ea";
    values.m_strJavac = "-Xlint";
    s.ApplyPreferences(values);

    const CSettingsStore file = Store();
    EXPECT_EQ(file.GetNumber("OPTIONS", "FONTSIZE", 0), 130u) << "sizes are stored in tenths";
    EXPECT_EQ(file.GetNumber("OPTIONS", "DLGFONTSIZE", 0), 110u);
    EXPECT_EQ(file.GetString("PATHS", "JAVABIN", ""), "/jdk/home");
    EXPECT_EQ(file.GetString("OPTIONS", "JAVAC", ""), "-Xlint");
    EXPECT_EQ(file.GetString("OPTIONS", "JAVAOPTIONS", ""), "-ea");
    EXPECT_EQ(Loaded().GetPreferenceValues(), values);
}

TEST_F(QuarnelSettingsTest, RecentProjectsAddAtTheFrontOnce)
{
    CQuarnelSettings s = Loaded();
    s.AddRecentProject("/p/a.jpr");
    s.AddRecentProject("");
    s.AddRecentProject("/p/b.jpr");
    s.AddRecentProject("/p/a.jpr");
    s.AddRecentProject("/p/A.jpr");
    EXPECT_EQ(s.m_recentProjects, (std::vector<std::string>{"/p/A.jpr", "/p/b.jpr", "/p/a.jpr"}));
}

TEST_F(QuarnelSettingsTest, SavedRecentProjectsAreTheFirstTenAndLeaveStaleOnes)
{
    WriteSettings(kOptions + "\"RECENT11\"=\"/stale.jpr\"\n");
    CQuarnelSettings s = Loaded();
    for (int i = 11; i >= 0; --i)
        s.AddRecentProject("/p/" + std::to_string(i) + ".jpr");
    s.SaveRecentProjects("/p/0.jpr");
    EXPECT_EQ(s.m_strLastOpen, "/p/0.jpr");
    const CSettingsStore reader = Store();
    EXPECT_EQ(reader.GetString("OPTIONS", "LASTOPEN", ""), "/p/0.jpr");
    EXPECT_EQ(reader.GetNumber("OPTIONS", "RECENTSIZE", 0), 10u);
    EXPECT_EQ(reader.GetString("OPTIONS", "RECENT9", ""), "/p/9.jpr");
    EXPECT_EQ(reader.GetString("OPTIONS", "RECENT10", "none"), "none");
    EXPECT_EQ(reader.GetString("OPTIONS", "RECENT11", ""), "/stale.jpr");

    const CQuarnelSettings again = Loaded();
    ASSERT_EQ(again.m_recentProjects.size(), 10u);
    EXPECT_EQ(again.m_recentProjects.front(), "/p/0.jpr");

    s.SaveRecentProjects("");
    EXPECT_EQ(Store().GetString("OPTIONS", "LASTOPEN", "x"), "");
}

TEST_F(QuarnelSettingsTest, WindowBoxProcessFontAndWindowStateAreStoredAtOnce)
{
    CQuarnelSettings s = Loaded();
    s.SaveWindowBox(-20, 10, 400, 300);
    EXPECT_EQ(s.m_nDlgLeft, -20);
    EXPECT_EQ(s.m_nDlgBottom, 300);
    s.m_strDlgFontName = "Fixed";
    s.m_nDlgFontSize = 110;
    s.SaveProcessFont();
    EXPECT_FALSE(s.LoadWindowState());
    s.SaveWindowState(true);

    const CQuarnelSettings again = Loaded();
    EXPECT_EQ(again.m_nDlgLeft, -20);
    EXPECT_EQ(again.m_nDlgTop, 10);
    EXPECT_EQ(again.m_nDlgRight, 400);
    EXPECT_EQ(again.m_nDlgBottom, 300);
    EXPECT_EQ(again.m_strDlgFontName, "Fixed");
    EXPECT_EQ(again.m_nDlgFontSize, 110);
    EXPECT_TRUE(again.LoadWindowState());
    EXPECT_EQ(Store().GetNumber("Settings", "WindowState", 0), 1u);
    s.SaveWindowState(false);
    EXPECT_FALSE(Loaded().LoadWindowState());
}
