#include "TipOfTheDayDlg.h"

#include "framework/Profile.h"
#include "framework/Ui.h"

namespace {

constexpr const char* kSection = "Tip";
constexpr const char* kMissing = "The tips file is missing from the Ondrik application folder.";
constexpr const char* kTrouble = "Trouble reading the tips file";
constexpr const char* kNoTips = "The tips file holds no tips.";

}  // namespace

CTipOfTheDayDlg::CTipOfTheDayDlg(CUi& ui, CProfile& profile, const std::string& tipsPath)
    : m_ui(ui), m_profile(profile)
{
    m_bStartup = m_profile.GetProfileInt(kSection, "StartUp", 0) == 0;
    long pos = m_profile.GetProfileInt(kSection, "FilePos", 0);
    if (!m_file.Open(tipsPath)) {
        m_strTip = kMissing;
        return;
    }
    // A new tips file starts again at its first tip.
    const std::string stamp = CTipsFile::CreationTimeText(tipsPath);
    if (stamp != m_profile.GetProfileString(kSection, "TimeStamp", "")) {
        pos = 0;
        m_profile.WriteProfileString(kSection, "TimeStamp", stamp);
    }
    m_bHasTips = true;
    if (!m_file.Seek(pos)) {
        m_ui.MessageBox(kTrouble);
        return;
    }
    OnNextTip();
}

CTipOfTheDayDlg::~CTipOfTheDayDlg()
{
    if (m_file.IsOpen())
        m_profile.WriteProfileInt(kSection, "FilePos", static_cast<int>(m_file.Tell()));
}

void CTipOfTheDayDlg::OnNextTip()
{
    if (!m_file.IsOpen())
        return;
    if (const auto tip = m_file.ReadNextTip()) {
        m_strTip = *tip;
    } else {
        m_strTip = kNoTips;
        m_bHasTips = false;
    }
}

void CTipOfTheDayDlg::OnClose(bool bShowAtStartup)
{
    m_bStartup = bShowAtStartup;
    m_profile.WriteProfileInt(kSection, "StartUp", bShowAtStartup ? 0 : 1);
}
