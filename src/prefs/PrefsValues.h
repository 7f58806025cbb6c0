#pragma once

#include <cstdint>
#include <string>

// The settings as the Preferences pages edit them: copies, with the font sizes in whole
// points. The application fills one, the sheet edits it, and only OK hands it back.
struct CPrefsValues {
    // "Source Windows"
    int m_nTabWidth = 0;
    std::string m_strFontName;
    int m_nFontSize = 0;  // points
    std::uint32_t m_crKeyColor = 0;
    std::uint32_t m_crCommentColor = 0;
    std::uint32_t m_crStringColor = 0;
    std::uint32_t m_crTagColor = 0;
    int m_nSpaceTabs = 0;
    int m_nLineNumbers = 0;
    // "IDE"
    std::string m_strJavaBin;
    int m_nSaveComp = 0;
    int m_nLoadLast = 0;
    int m_nShowArgs = 0;
    int m_nShowDrops = 0;
    std::string m_strHelpPath;
    // "Process Window"
    std::string m_strDlgFontName;
    int m_nDlgFontSize = 0;  // points
    // "Java"
    std::string m_strJavaOptions;
    std::string m_strJavac;

    bool operator==(const CPrefsValues&) const = default;
};
