#pragma once

#include "app/TipsFile.h"

#include "framework/ModalDialog.h"

#include <string>

class CProfile;
class CUi;

// Dialog 113: one tip at a time from the tips file beside the program, remembering where it
// stopped (Tip/FilePos), whether to show at start-up (Tip/StartUp) and which file it read
// (Tip/TimeStamp, the file's creation time).
class CTipOfTheDayDlg : public CModalDialog {
public:
    CTipOfTheDayDlg(CUi& ui, CProfile& profile, const std::string& tipsPath);
    // Stores the read position, shown or not.
    ~CTipOfTheDayDlg() override;

    std::string DialogName() const override { return "Tip of the Day"; }

    void OnNextTip();
    // "&Close": stores the show-at-start-up choice. Esc or the close box store nothing.
    void OnClose(bool bShowAtStartup);
    bool CanShowNextTip() const { return m_bHasTips; }

    bool m_bStartup = false;
    std::string m_strTip;

private:
    CUi& m_ui;
    CProfile& m_profile;
    CTipsFile m_file;
    bool m_bHasTips = false;
};
