#include "QuarnelSettings.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr const char* kPaths = "PATHS";
constexpr const char* kOptions = "OPTIONS";
constexpr const char* kSettings = "SETTINGS";

}  // namespace

CQuarnelSettings::CQuarnelSettings(CSettingsStore store, CJdkRegistryView jdk, std::string helpFilePath)
    : m_store(std::move(store)), m_jdk(std::move(jdk)), m_strHelpFilePath(std::move(helpFilePath))
{
}

int CQuarnelSettings::GetInt(const char* section, const char* name, int defaultValue) const
{
    // A REG_DWORD is read as a signed 32-bit number, so negative screen positions survive.
    return static_cast<int>(static_cast<std::int32_t>(
        m_store.GetNumber(section, name, static_cast<std::uint32_t>(defaultValue))));
}

void CQuarnelSettings::SetInt(const char* section, const char* name, int value)
{
    m_store.SetNumber(section, name, static_cast<std::uint32_t>(value));
}

std::string CQuarnelSettings::DiscoverJdkFolder() const
{
    const std::string version = m_jdk.QueryValue(CJdkRegistryView::kJdkKey, "CurrentVersion");
    if (version.empty())
        return kDefaultJdkFolder;
    // With a version, its JavaHome is taken even when it is missing.
    return m_jdk.QueryValue(std::string(CJdkRegistryView::kJdkKey) + "\\" + version, "JavaHome");
}

void CQuarnelSettings::UseHelpPath()
{
    // A path longer than the help-file path holds does not replace it.
    if (m_strHelpPath.size() <= kMaxHelpFilePath)
        m_strHelpFilePath = m_strHelpPath;
}

void CQuarnelSettings::LoadSettings()
{
    const std::string jdkFolder = DiscoverJdkFolder();

    m_strJavaBin = m_store.GetString(kPaths, "JAVABIN", jdkFolder);
    m_strJavac = m_store.GetString(kOptions, "JAVAC", "");
    m_strJavaOptions = m_store.GetString(kOptions, "JAVAOPTIONS", "");

    m_nSaveComp = GetInt(kOptions, "SAVECOMP", 1);
    m_nLoadLast = GetInt(kOptions, "LOADLAST", 1);
    m_nShowDrops = GetInt(kOptions, "SHOWDROPS", 1);
    m_strFontName = m_store.GetString(kOptions, "FONTNAME", "Courier New");
    m_nFontSize = GetInt(kOptions, "FONTSIZE", 100);
    m_nDlgLeft = GetInt(kOptions, "DLG_LEFT", 0);
    m_nDlgTop = GetInt(kOptions, "DLG_TOP", 0);
    m_nDlgRight = GetInt(kOptions, "DLG_RIGHT", 0);
    m_nDlgBottom = GetInt(kOptions, "DLG_BOTTOM", 0);
    m_strLastOpen = m_store.GetString(kOptions, "LASTOPEN", "");
    m_strDlgFontName = m_store.GetString(kOptions, "DLGFONTNAME", "Courier New");
    m_nDlgFontSize = GetInt(kOptions, "DLGFONTSIZE", 90);

    m_strHelpPath = m_store.GetString(kPaths, "HELPPATH", m_strHelpFilePath);
    UseHelpPath();

    m_crKeyColor = m_store.GetNumber(kOptions, "KEYCOLOR", 0x00DD0000);
    m_crCommentColor = m_store.GetNumber(kOptions, "COMMENTCOLOR", 0x000000DD);
    m_crStringColor = m_store.GetNumber(kOptions, "STRINGCOLOR", 0x00006600);
    m_crTagColor = m_store.GetNumber(kOptions, "TAGCOLOR", 0x00001177);
    m_nShowArgs = GetInt(kOptions, "SHOWARGS", 0);
    m_nTabWidth = GetInt(kOptions, "TABWIDTH", 3);
    m_nSpaceTabs = GetInt(kOptions, "SPACETABS", 0);
    m_nLineNumbers = GetInt(kOptions, "LINENUMBERS", 1);

    m_nRecentSize = std::clamp(GetInt(kOptions, "RECENTSIZE", 0), 0, kMaxStoredRecent);
    m_recentProjects.clear();
    for (int i = 0; i < m_nRecentSize; ++i) {
        std::string path = m_store.GetString(kOptions, "RECENT" + std::to_string(i), "");
        if (!path.empty())
            m_recentProjects.push_back(std::move(path));
    }
}

void CQuarnelSettings::SaveWindowBox(int left, int top, int right, int bottom)
{
    m_nDlgLeft = left;
    m_nDlgTop = top;
    m_nDlgRight = right;
    m_nDlgBottom = bottom;
    CSettingsStore::CBatch batch(m_store);
    SetInt(kOptions, "DLG_LEFT", left);
    SetInt(kOptions, "DLG_TOP", top);
    SetInt(kOptions, "DLG_RIGHT", right);
    SetInt(kOptions, "DLG_BOTTOM", bottom);
}

void CQuarnelSettings::SaveProcessFont()
{
    CSettingsStore::CBatch batch(m_store);
    m_store.SetString(kOptions, "DLGFONTNAME", m_strDlgFontName);
    SetInt(kOptions, "DLGFONTSIZE", m_nDlgFontSize);
}

void CQuarnelSettings::AddRecentProject(const std::string& path)
{
    if (path.empty())
        return;
    if (std::find(m_recentProjects.begin(), m_recentProjects.end(), path) != m_recentProjects.end())
        return;
    m_recentProjects.insert(m_recentProjects.begin(), path);
}

void CQuarnelSettings::SaveRecentProjects(const std::string& path)
{
    m_strLastOpen = path;
    m_nRecentSize = static_cast<int>(std::min<size_t>(m_recentProjects.size(), kMaxStoredRecent));
    // RECENT values past the new size stay behind; reading stops at RECENTSIZE.
    CSettingsStore::CBatch batch(m_store);
    m_store.SetString(kOptions, "LASTOPEN", m_strLastOpen);
    SetInt(kOptions, "RECENTSIZE", m_nRecentSize);
    for (int i = 0; i < m_nRecentSize; ++i)
        m_store.SetString(kOptions, "RECENT" + std::to_string(i), m_recentProjects[static_cast<size_t>(i)]);
}

void CQuarnelSettings::SaveWindowState(bool bMaximised)
{
    SetInt(kSettings, "WINDOWSTATE", bMaximised ? 1 : 0);
}

bool CQuarnelSettings::LoadWindowState() const
{
    return GetInt(kSettings, "WINDOWSTATE", 0) != 0;
}

CPrefsValues CQuarnelSettings::GetPreferenceValues() const
{
    CPrefsValues values;
    values.m_nTabWidth = m_nTabWidth;
    values.m_strFontName = m_strFontName;
    values.m_nFontSize = m_nFontSize / 10;
    values.m_crKeyColor = m_crKeyColor;
    values.m_crCommentColor = m_crCommentColor;
    values.m_crStringColor = m_crStringColor;
    values.m_crTagColor = m_crTagColor;
    values.m_nSpaceTabs = m_nSpaceTabs;
    values.m_nLineNumbers = m_nLineNumbers;
    values.m_strJavaBin = m_strJavaBin;
    values.m_nSaveComp = m_nSaveComp;
    values.m_nLoadLast = m_nLoadLast;
    values.m_nShowArgs = m_nShowArgs;
    values.m_nShowDrops = m_nShowDrops;
    values.m_strHelpPath = m_strHelpPath;
    values.m_strDlgFontName = m_strDlgFontName;
    values.m_nDlgFontSize = m_nDlgFontSize / 10;
    values.m_strJavaOptions = m_strJavaOptions;
    values.m_strJavac = m_strJavac;
    return values;
}

void CQuarnelSettings::ApplyPreferences(const CPrefsValues& values)
{
    // Points back to tenths; out-of-range sizes wrap instead of overflowing.
    auto tenths = [](int points) { return static_cast<int>(static_cast<std::int64_t>(points) * 10); };
    m_nTabWidth = values.m_nTabWidth;
    m_strFontName = values.m_strFontName;
    m_nFontSize = tenths(values.m_nFontSize);
    m_crKeyColor = values.m_crKeyColor;
    m_crCommentColor = values.m_crCommentColor;
    m_crStringColor = values.m_crStringColor;
    m_crTagColor = values.m_crTagColor;
    m_nSpaceTabs = values.m_nSpaceTabs;
    m_nLineNumbers = values.m_nLineNumbers;
    m_strJavaBin = values.m_strJavaBin;
    m_nSaveComp = values.m_nSaveComp;
    m_nLoadLast = values.m_nLoadLast;
    m_nShowArgs = values.m_nShowArgs;
    m_nShowDrops = values.m_nShowDrops;
    m_strHelpPath = values.m_strHelpPath;
    UseHelpPath();
    m_strDlgFontName = values.m_strDlgFontName;
    m_nDlgFontSize = tenths(values.m_nDlgFontSize);
    m_strJavaOptions = values.m_strJavaOptions;
    m_strJavac = values.m_strJavac;

    // Every value is written, changed or not.
    CSettingsStore::CBatch batch(m_store);
    SetInt(kOptions, "TABWIDTH", m_nTabWidth);
    m_store.SetString(kOptions, "FONTNAME", m_strFontName);
    SetInt(kOptions, "FONTSIZE", m_nFontSize);
    m_store.SetNumber(kOptions, "KEYCOLOR", m_crKeyColor);
    m_store.SetNumber(kOptions, "COMMENTCOLOR", m_crCommentColor);
    m_store.SetNumber(kOptions, "STRINGCOLOR", m_crStringColor);
    m_store.SetNumber(kOptions, "TAGCOLOR", m_crTagColor);
    SetInt(kOptions, "SPACETABS", m_nSpaceTabs);
    m_store.SetString(kPaths, "JAVABIN", m_strJavaBin);
    m_store.SetString(kOptions, "JAVAC", m_strJavac);
    SetInt(kOptions, "SAVECOMP", m_nSaveComp);
    SetInt(kOptions, "LOADLAST", m_nLoadLast);
    SetInt(kOptions, "SHOWARGS", m_nShowArgs);
    SetInt(kOptions, "SHOWDROPS", m_nShowDrops);
    m_store.SetString(kPaths, "HELPPATH", m_strHelpPath);
    m_store.SetString(kOptions, "DLGFONTNAME", m_strDlgFontName);
    SetInt(kOptions, "DLGFONTSIZE", m_nDlgFontSize);
    m_store.SetString(kOptions, "JAVAOPTIONS", m_strJavaOptions);
    SetInt(kOptions, "LINENUMBERS", m_nLineNumbers);
}
