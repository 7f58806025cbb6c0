#pragma once

#include "FormatPage.h"
#include "IDEPage.h"
#include "JavaOptionsPage.h"
#include "PrefsValues.h"
#include "ProcessFontPage.h"

#include "framework/ModalDialog.h"

#include <string>

class CUi;

// The Preferences sheet: four pages in tab order, each holding copies of the settings. It never
// touches the settings itself; whoever shows it fills it and, on OK only, takes the values back.
class CPrefsSheet : public CModalDialog {
public:
    static constexpr const char* kCaption = "Velmar Preferences";
    // Pages in tab order.
    enum Page { kIdePage = 0, kFormatPage = 1, kProcessFontPage = 2, kJavaOptionsPage = 3, kPageCount = 4 };

    CPrefsSheet(CUi& ui, int nStartPage);

    std::string DialogName() const override { return kCaption; }
    int GetStartPage() const { return m_nStartPage; }
    static const char* PageTitle(int nPage);

    void Fill(const CPrefsValues& values);
    CPrefsValues GetValues() const;

    CIDEPage m_idePage;
    CFormatPage m_formatPage;
    CProcessFontPage m_processFontPage;
    CJavaOptionsPage m_javaOptionsPage;

private:
    int m_nStartPage;
};
