#pragma once

#include "PrefsPageView.h"

#include "prefs/FormatPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// Page "Source Windows" on screen. The samples take the page's font when the page is made and
// follow each colour as soon as it is chosen.
class CFormatPageView : public CPrefsPageView {
    Q_OBJECT
public:
    CFormatPageView(CFormatPage& model, QWidget* parent);

    bool OnKillActive() override;

    QComboBox* GetFontList() const { return m_pFontList; }
    QLineEdit* GetFontSize() const { return m_pFontSize; }
    QLineEdit* GetTabWidth() const { return m_pTabWidth; }
    QCheckBox* GetLineNumbers() const { return m_pLineNumbers; }
    QLineEdit* GetSample(CFormatPage::Colour which) const { return m_samples[static_cast<int>(which)]; }

private:
    void ShowSamples();
    void OnChooseColour(CFormatPage::Colour which);

    CFormatPage& m_model;
    QComboBox* m_pFontList;
    QLineEdit* m_pFontSize;
    QLineEdit* m_pTabWidth;
    QCheckBox* m_pSpaceTabs;
    QCheckBox* m_pLineNumbers;
    QLineEdit* m_samples[4] = {};
};
