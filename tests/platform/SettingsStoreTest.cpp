#include "platform/SettingsStore.h"

#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kHead = "Windows Registry Editor Version 5.00\n\n";
const std::string kOptionsKey = "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS]\n";

// Sets (or with nullptr unsets) an environment variable for one test.
class CEnvVar {
public:
    CEnvVar(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~CEnvVar()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    CEnvVar(const CEnvVar&) = delete;
    CEnvVar& operator=(const CEnvVar&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// Each test has its own configuration folder, so the settings file is its own.
class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() : m_config(m_dir.File("config")), m_xdg("XDG_CONFIG_HOME", m_config.c_str()) {}

    std::string FilePath() const { return CSettingsStore::DefaultFilePath("Kestrune", "Ondrik"); }
    CSettingsStore MakeStore() const { return CSettingsStore(FilePath(), "Kestrune", "Ondrik"); }
    std::string WriteFile(const std::string& bytes) const { return m_dir.Write("config/Kestrune/Ondrik.reg", bytes); }
    std::string ReadFile() const { return CTempDir::Read(FilePath()); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(m_config + "/Kestrune/" + name); }

    CTempDir m_dir;
    std::string m_config;
    CEnvVar m_xdg;
};

}  // namespace

TEST_F(SettingsStoreTest, FileLiesInTheUsersConfigurationFolder)
{
    EXPECT_EQ(FilePath(), m_config + "/Kestrune/Ondrik.reg");
    CEnvVar home("HOME", "/home/someone");
    for (const char* config : {static_cast<const char*>(nullptr), "", "relative/path"}) {
        CEnvVar xdg("XDG_CONFIG_HOME", config);
        EXPECT_EQ(CSettingsStore::DefaultFilePath("Kestrune", "Ondrik"), "/home/someone/.config/Kestrune/Ondrik.reg")
            << (config ? config : "(unset)");
    }
}

TEST_F(SettingsStoreTest, MissingFileGivesDefaultsAndReadingWritesNothing)
{
    CSettingsStore store = MakeStore();
    EXPECT_EQ(store.GetNumber("OPTIONS", "TABWIDTH", 3), 3u);
    EXPECT_EQ(store.GetString("OPTIONS", "FONTNAME", "Courier New"), "Courier New");
    EXPECT_FALSE(std::filesystem::exists(m_config)) << "reading must not create the folder or the file";
}

TEST_F(SettingsStoreTest, EachSetWritesTheFileAndCreatesItsFolder)
{
    CSettingsStore store = MakeStore();
    store.SetNumber("OPTIONS", "TABWIDTH", 4);
    EXPECT_EQ(ReadFile(), kHead + kOptionsKey + "\"TABWIDTH\"=dword:00000004\n\n");
    struct stat st {};
    ASSERT_EQ(::stat((m_config + "/Kestrune").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    store.SetString("PATHS", "JAVABIN", "/opt/jdk");
    EXPECT_EQ(MakeStore().GetString("PATHS", "JAVABIN", ""), "/opt/jdk");
    EXPECT_EQ(store.GetNumber("OPTIONS", "TABWIDTH", 3), 4u);
}

TEST_F(SettingsStoreTest, ValueOfTheOtherTypeReadsAsTheDefault)
{
    WriteFile(kHead + kOptionsKey +
              "\"TABWIDTH\"=\"5\"\n"
              "\"FONTNAME\"=dword:00000007\n"
              "\"FONTSIZE\"=hex(b):64,00,00,00,00,00,00,00\n"
              "\"JAVAC\"=hex(2):41,00,00,00\n"
              "\"SAVECOMP\"=dword:0\n");
    CSettingsStore store = MakeStore();
    EXPECT_EQ(store.GetNumber("OPTIONS", "TABWIDTH", 3), 3u);
    EXPECT_EQ(store.GetString("OPTIONS", "TABWIDTH", "d"), "5");
    EXPECT_EQ(store.GetString("OPTIONS", "FONTNAME", "Courier New"), "Courier New");
    EXPECT_EQ(store.GetNumber("OPTIONS", "FONTNAME", 1), 7u);
    EXPECT_EQ(store.GetNumber("OPTIONS", "FONTSIZE", 100), 100u);
    EXPECT_EQ(store.GetString("OPTIONS", "JAVAC", "none"), "none");
    EXPECT_EQ(store.GetNumber("OPTIONS", "SAVECOMP", 1), 0u) << "a stored zero is not the default";
}

TEST_F(SettingsStoreTest, SectionsAndNamesCompareWithoutCase)
{
    WriteFile(kHead + "[hkey_current_user\\software\\kestrune\\ondrik\\Settings]\n\"previewpages\"=dword:2\n\n");
    CSettingsStore store = MakeStore();
    EXPECT_EQ(store.GetNumber("Settings", "PreviewPages", 0), 2u);
    EXPECT_EQ(store.GetNumber("SETTINGS", "PREVIEWPAGES", 0), 2u);
    store.SetNumber("SETTINGS", "WINDOWSTATE", 1);
    store.SetNumber("Settings", "PreviewPages", 3);
    EXPECT_EQ(ReadFile(), kHead +
                              "[hkey_current_user\\software\\kestrune\\ondrik\\Settings]\n"
                              "\"previewpages\"=dword:00000003\n"
                              "\"WINDOWSTATE\"=dword:00000001\n\n")
        << "one key, with the spellings already on disk";
}

TEST_F(SettingsStoreTest, WriteKeepsUnknownKeysAndValues)
{
    const std::string foreign = "[HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\Tip]\n"
                                "\"StartUp\"=dword:00000001\n"
                                "\"Blob\"=hex:de,ad,\\\n"
                                "  be,ef\n\n";
    WriteFile(kHead + foreign + kOptionsKey + "\"Unknown\"=\"kept\"\n\n");
    MakeStore().SetNumber("OPTIONS", "TABWIDTH", 2);
    EXPECT_EQ(ReadFile(), kHead + foreign + kOptionsKey + "\"Unknown\"=\"kept\"\n\"TABWIDTH\"=dword:00000002\n\n");
}

TEST_F(SettingsStoreTest, BatchWritesOnceWhenItEnds)
{
    CSettingsStore store = MakeStore();
    store.SetNumber("OPTIONS", "A", 1);
    const std::string before = ReadFile();
    {
        CSettingsStore::CBatch batch(store);
        store.SetNumber("OPTIONS", "B", 2);
        {
            CSettingsStore::CBatch inner(store);
            store.SetString("PATHS", "C", "3");
        }
        store.SetNumber("OPTIONS", "B", 4);
        EXPECT_EQ(ReadFile(), before) << "nothing is written while a batch is open";
        EXPECT_EQ(store.GetNumber("OPTIONS", "B", 0), 4u) << "the store reads its own pending changes";
    }
    CSettingsStore fresh = MakeStore();
    EXPECT_EQ(fresh.GetNumber("OPTIONS", "B", 0), 4u);
    EXPECT_EQ(fresh.GetString("PATHS", "C", ""), "3");
}

TEST_F(SettingsStoreTest, TwoInstancesKeepEachOthersWrites)
{
    CSettingsStore first = MakeStore();
    CSettingsStore second = MakeStore();
    EXPECT_EQ(first.GetNumber("OPTIONS", "TABWIDTH", 3), 3u);
    EXPECT_EQ(second.GetNumber("OPTIONS", "TABWIDTH", 3), 3u);
    first.SetNumber("OPTIONS", "TABWIDTH", 8);
    second.SetString("OPTIONS", "FONTNAME", "Mono");
    first.SetNumber("SETTINGS", "WINDOWSTATE", 1);
    CSettingsStore reader = MakeStore();
    EXPECT_EQ(reader.GetNumber("OPTIONS", "TABWIDTH", 3), 8u);
    EXPECT_EQ(reader.GetString("OPTIONS", "FONTNAME", ""), "Mono");
    EXPECT_EQ(reader.GetNumber("SETTINGS", "WINDOWSTATE", 0), 1u);
}

TEST_F(SettingsStoreTest, BadFileGivesDefaultsAndIsKeptAsideNeverOverwritten)
{
    const std::string broken = kHead + kOptionsKey + "\"TABWIDTH\"=dword:0000000Z\n";
    WriteFile(broken);
    {
        CSettingsStore store = MakeStore();
        EXPECT_EQ(store.GetNumber("OPTIONS", "TABWIDTH", 3), 3u);
        EXPECT_FALSE(Exists("Ondrik.reg.bad")) << "reading must not move the file";
        EXPECT_EQ(ReadFile(), broken);
        store.SetNumber("OPTIONS", "TABWIDTH", 6);
    }
    EXPECT_EQ(CTempDir::Read(m_config + "/Kestrune/Ondrik.reg.bad"), broken);
    EXPECT_EQ(ReadFile(), kHead + kOptionsKey + "\"TABWIDTH\"=dword:00000006\n\n");

    // A second bad file takes the next free name.
    WriteFile("not a settings file");
    MakeStore().SetString("PATHS", "JAVABIN", "/jdk");
    EXPECT_EQ(CTempDir::Read(m_config + "/Kestrune/Ondrik.reg.bad"), broken);
    EXPECT_EQ(CTempDir::Read(m_config + "/Kestrune/Ondrik.reg.bad.1"), "not a settings file");
    EXPECT_EQ(MakeStore().GetString("PATHS", "JAVABIN", ""), "/jdk");
}

TEST_F(SettingsStoreTest, BadFileStaysWhenNoNameIsLeftToKeepItUnder)
{
    WriteFile("broken");
    m_dir.Write("config/Kestrune/Ondrik.reg.bad", "older");
    for (int n = 1; n < 1000; ++n)
        m_dir.Write("config/Kestrune/Ondrik.reg.bad." + std::to_string(n), "older");
    MakeStore().SetNumber("OPTIONS", "TABWIDTH", 6);
    EXPECT_EQ(ReadFile(), "broken") << "the write is skipped rather than destroy the file";
    EXPECT_EQ(CTempDir::Read(m_config + "/Kestrune/Ondrik.reg.bad"), "older");
}

TEST_F(SettingsStoreTest, UnreadableFileIsKeptAside)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const std::string path = WriteFile(kHead);
    ::chmod(path.c_str(), 0200);
    CSettingsStore store = MakeStore();
    EXPECT_EQ(store.GetNumber("OPTIONS", "TABWIDTH", 3), 3u);
    store.SetNumber("OPTIONS", "TABWIDTH", 5);
    EXPECT_TRUE(Exists("Ondrik.reg.bad"));
    EXPECT_EQ(MakeStore().GetNumber("OPTIONS", "TABWIDTH", 3), 5u);
}

TEST_F(SettingsStoreTest, FailedWriteIsSilentAndGoesWithTheNextOne)
{
    const std::string path = WriteFile(kHead);
    ::chmod(path.c_str(), 0444);
    // Root writes any file: the read-only file is refused to the user, in a folder of the user's.
    Unprivileged::MakeTraversable(m_dir.Path());
    Unprivileged::GiveToUser(m_config + "/Kestrune");
    Unprivileged::GiveToUser(path);
    Unprivileged::Run([&] {
        CSettingsStore store = MakeStore();
        store.SetNumber("OPTIONS", "TABWIDTH", 5);
        EXPECT_EQ(ReadFile(), kHead) << "a read-only settings file is left alone";
        EXPECT_EQ(store.GetNumber("OPTIONS", "TABWIDTH", 3), 5u);
        ::chmod(path.c_str(), 0644);
        store.SetNumber("OPTIONS", "SPACETABS", 1);
        CSettingsStore reader = MakeStore();
        EXPECT_EQ(reader.GetNumber("OPTIONS", "TABWIDTH", 3), 5u);
        EXPECT_EQ(reader.GetNumber("OPTIONS", "SPACETABS", 0), 1u);
    });
}
