#include "PrefsSheet.h"

CPrefsSheet::CPrefsSheet(CUi& ui, int nStartPage)
    : m_idePage(ui), m_formatPage(ui), m_processFontPage(ui),
      m_nStartPage(nStartPage >= 0 && nStartPage < kPageCount ? nStartPage : kIdePage)
{
}

const char* CPrefsSheet::PageTitle(int nPage)
{
    switch (nPage) {
    case kIdePage: return CIDEPage::kTitle;
    case kFormatPage: return CFormatPage::kTitle;
    case kProcessFontPage: return CProcessFontPage::kTitle;
    case kJavaOptionsPage: return CJavaOptionsPage::kTitle;
    default: return "";
    }
}

void CPrefsSheet::Fill(const CPrefsValues& values)
{
    m_formatPage.m_nTabWidth = values.m_nTabWidth;
    m_formatPage.m_crCommentColor = values.m_crCommentColor;
    m_formatPage.m_crKeyColor = values.m_crKeyColor;
    m_formatPage.m_crStringColor = values.m_crStringColor;
    m_formatPage.m_crTagColor = values.m_crTagColor;
    m_formatPage.m_strFontName = values.m_strFontName;
    m_formatPage.m_nSpaceTabs = values.m_nSpaceTabs;
    m_formatPage.m_nLineNumbers = values.m_nLineNumbers;
    m_formatPage.m_nFontSize = values.m_nFontSize;

    m_idePage.m_nLoadLast = values.m_nLoadLast;
    m_idePage.m_nSaveComp = values.m_nSaveComp;
    m_idePage.m_nShowDrops = values.m_nShowDrops;
    m_idePage.m_strJavaBin = values.m_strJavaBin;
    m_idePage.m_nShowArgs = values.m_nShowArgs;
    m_idePage.m_strHelpPath = values.m_strHelpPath;

    m_processFontPage.m_strFontName = values.m_strDlgFontName;
    m_processFontPage.m_nFontSize = values.m_nDlgFontSize;

    m_javaOptionsPage.m_strJavaOptions = values.m_strJavaOptions;
    m_javaOptionsPage.m_strJavac = values.m_strJavac;
}

CPrefsValues CPrefsSheet::GetValues() const
{
    CPrefsValues values;
    values.m_nTabWidth = m_formatPage.m_nTabWidth;
    values.m_strFontName = m_formatPage.m_strFontName;
    values.m_nFontSize = m_formatPage.m_nFontSize;
    values.m_crKeyColor = m_formatPage.m_crKeyColor;
    values.m_crCommentColor = m_formatPage.m_crCommentColor;
    values.m_crStringColor = m_formatPage.m_crStringColor;
    values.m_crTagColor = m_formatPage.m_crTagColor;
    values.m_nSpaceTabs = m_formatPage.m_nSpaceTabs;
    values.m_nLineNumbers = m_formatPage.m_nLineNumbers;
    values.m_strJavaBin = m_idePage.m_strJavaBin;
    values.m_nSaveComp = m_idePage.m_nSaveComp;
    values.m_nLoadLast = m_idePage.m_nLoadLast;
    values.m_nShowArgs = m_idePage.m_nShowArgs;
    values.m_nShowDrops = m_idePage.m_nShowDrops;
    values.m_strHelpPath = m_idePage.m_strHelpPath;
    values.m_strDlgFontName = m_processFontPage.m_strFontName;
    values.m_nDlgFontSize = m_processFontPage.m_nFontSize;
    values.m_strJavaOptions = m_javaOptionsPage.m_strJavaOptions;
    values.m_strJavac = m_javaOptionsPage.m_strJavac;
    return values;
}
