#pragma once

#include "prefs/PrefsValues.h"

#include "platform/JdkRegistryView.h"
#include "platform/SettingsStore.h"

#include <cstdint>
#include <string>
#include <vector>

// The settings the application holds for the whole run, as plain fields the whole
// program reads directly, with the operations that load and store them. Font sizes are in
// tenths of a point, colours 0x00BBGGRR.
class CQuarnelSettings {
public:
    static constexpr const char* kCompany = "Kestrune";
    static constexpr const char* kApplication = "Ondrik";
    // The JDK folder when neither the settings nor the installed JDK name one.
    static constexpr const char* kDefaultJdkFolder = "/usr/lib/jvm/default-java";
    // The help-file path holds at most this many characters.
    static constexpr size_t kMaxHelpFilePath = 259;
    // At most this many recent projects are stored.
    static constexpr int kMaxStoredRecent = 10;

    // helpFilePath is the program's own help file, the default of HELPPATH.
    CQuarnelSettings(CSettingsStore store, CJdkRegistryView jdk, std::string helpFilePath);

    // Reads every value, once at start-up; the JDK folder defaults to the installed JDK's.
    void LoadSettings();

    void SaveWindowBox(int left, int top, int right, int bottom);
    void SaveProcessFont();
    void AddRecentProject(const std::string& path);
    // LASTOPEN = path and the first ten recent projects, in one write.
    void SaveRecentProjects(const std::string& path);
    // SETTINGS/WINDOWSTATE, written by the main frame as it closes and read at start-up.
    void SaveWindowState(bool bMaximised);
    bool LoadWindowState() const;

    CPrefsValues GetPreferenceValues() const;
    // Copies confirmed Preferences back and writes all eighteen values in one write.
    void ApplyPreferences(const CPrefsValues& values);

    const std::string& GetHelpFilePath() const { return m_strHelpFilePath; }
    CSettingsStore& GetSettingsStore() { return m_store; }
    const CSettingsStore& GetSettingsStore() const { return m_store; }

    // PATHS
    std::string m_strJavaBin;
    std::string m_strHelpPath;
    // OPTIONS
    std::string m_strJavac;
    std::string m_strJavaOptions;
    int m_nSaveComp = 1;
    int m_nLoadLast = 1;
    int m_nShowDrops = 1;
    int m_nLineNumbers = 1;
    int m_nShowArgs = 0;
    std::string m_strFontName = "Courier New";
    int m_nFontSize = 100;
    int m_nTabWidth = 3;
    int m_nSpaceTabs = 0;
    std::uint32_t m_crKeyColor = 0x00DD0000;
    std::uint32_t m_crCommentColor = 0x000000DD;
    std::uint32_t m_crStringColor = 0x00006600;
    std::uint32_t m_crTagColor = 0x00001177;
    std::string m_strDlgFontName = "Courier New";
    int m_nDlgFontSize = 90;
    int m_nDlgLeft = 0;
    int m_nDlgTop = 0;
    int m_nDlgRight = 0;
    int m_nDlgBottom = 0;
    std::string m_strLastOpen;
    int m_nRecentSize = 0;
    // Most recently added first; no bound in memory.
    std::vector<std::string> m_recentProjects;

private:
    std::string DiscoverJdkFolder() const;
    void UseHelpPath();
    int GetInt(const char* section, const char* name, int defaultValue) const;
    void SetInt(const char* section, const char* name, int value);

    CSettingsStore m_store;
    CJdkRegistryView m_jdk;
    std::string m_strHelpFilePath;
};
