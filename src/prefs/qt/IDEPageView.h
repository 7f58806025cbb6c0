#pragma once

#include "PrefsPageView.h"

#include "prefs/IDEPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// Page "IDE" on screen. The JDK field offers the JDKs installed on this machine and says what
// the folder typed holds.
class CIDEPageView : public CPrefsPageView {
    Q_OBJECT
public:
    CIDEPageView(CIDEPage& model, QWidget* parent);

    bool OnKillActive() override;

    QComboBox* GetJdkField() const { return m_pJavaBin; }
    QLabel* GetJdkInfo() const { return m_pJdkInfo; }

private:
    CIDEPage::CControls Read() const;
    void Write(const CIDEPage::CControls& controls);
    void OnBrowseJdkFolder();
    void OnBrowseHelpFile();
    void ShowJdkInfo();

    CIDEPage& m_model;
    QCheckBox* m_pSaveComp;
    QCheckBox* m_pLoadLast;
    QCheckBox* m_pShowArgs;
    QCheckBox* m_pShowDrops;
    QLineEdit* m_pHelpPath;
    QComboBox* m_pJavaBin;
    QLabel* m_pJdkInfo;
};
