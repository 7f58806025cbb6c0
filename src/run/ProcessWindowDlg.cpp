#include "ProcessWindowDlg.h"

#include "ProcessRunner.h"
#include "ProcessWindowOwner.h"

#include "framework/Ui.h"

#include <string_view>

CProcessWindowDlg::CProcessWindowDlg(CProcessWindowHost& host, CProcessWindowOwner* pOwner,
                                     std::unique_ptr<ProcessRunner> runner)
    : m_host(host), m_pOwner(pOwner), m_pRunner(std::move(runner))
{
}

CProcessWindowDlg::~CProcessWindowDlg() = default;

bool CProcessWindowDlg::IsRunActive() const
{
    return m_pRunner != nullptr && m_pRunner->IsRunning();
}

void CProcessWindowDlg::OnInitDialog()
{
    ShowRun();
    if (m_bTimerRunning)
        m_bToggle = true;
    m_strStatusText = m_host.GetProcessCaption();
}

void CProcessWindowDlg::WatchRun(std::unique_ptr<ProcessRunner> runner, CProcessWindowOwner* pOwner)
{
    m_strStatusText = m_host.GetProcessCaption();
    m_pRunner.reset();
    m_nProgress = 0;
    m_pRunner = std::move(runner);
    m_pOwner = pOwner;
    ShowRun();
}

void CProcessWindowDlg::ShowRun()
{
    m_strCommandLine = m_pRunner != nullptr ? m_pRunner->GetCommandLine() : std::string();
    m_output.Clear();
    ++m_nReplaced;
    const bool bRunning = IsRunActive();
    TakeOutput(bRunning);
    if (bRunning) {
        m_bTimerRunning = true;
        m_bStopEnabled = true;
    } else if (!m_bMoreToShow) {
        // The run was over before the window saw it: it shows as any run does once it is over.
        Finish();
    }
}

void CProcessWindowDlg::TakeOutput(bool bRunning)
{
    // bRunning was read before this copy: a run seen over has all its output in the copy,
    // closing lines included.
    m_bMoreToShow = false;
    if (m_pRunner == nullptr)
        return;
    const std::string piece = m_pRunner->CopyOutputFrom(m_output.Size(), kPieceBytes);
    const bool bMore = piece.size() == kPieceBytes;
    std::size_t nShown = piece.size();
    // A character split between two copies is shown whole, with the second.
    if (bRunning || bMore)
        nShown -= IncompleteUtf8Tail(piece);
    m_output.Append(std::string_view(piece).substr(0, nShown));
    m_bMoreToShow = bMore;
}

void CProcessWindowDlg::OnTimer()
{
    m_host.SetMessagePaneText(m_bToggle ? kInProgressA : kInProgressB);
    m_bToggle = !m_bToggle;
    m_nProgress = m_nProgress >= kProgressMax ? 0 : m_nProgress + 1;
    const bool bRunning = IsRunActive();
    TakeOutput(bRunning);
    if (bRunning)
        m_bStopEnabled = true;
    else if (!m_bMoreToShow)
        Finish();
}

void CProcessWindowDlg::ShowMore()
{
    if (!m_bMoreToShow)
        return;
    const bool bRunning = IsRunActive();
    TakeOutput(bRunning);
    if (!bRunning && !m_bMoreToShow)
        Finish();
}

void CProcessWindowDlg::Finish()
{
    m_bStopEnabled = false;
    m_nProgress = kProgressMax;
    m_host.SetMessagePaneText(kComplete);
    m_bTimerRunning = false;
    m_pRunner.reset();
}

bool CProcessWindowDlg::AskToAbort()
{
    return m_host.GetUi().MessageBox(kAbortQuestion, MsgButtons::OkCancel) == MsgAnswer::Ok;
}

void CProcessWindowDlg::Abort()
{
    // The runner is also the window's only way to read the run, so it stays until the tick
    // that shows the closing lines lets it go.
    if (m_pRunner != nullptr)
        m_pRunner->Terminate(kStopExitCode);
}

void CProcessWindowDlg::OnStop()
{
    if (IsRunActive() && AskToAbort())
        Abort();
}

CProcessWindowDlg::CloseResult CProcessWindowDlg::OnClose()
{
    if (IsRunActive()) {
        if (AskToAbort())
            Abort();
        return CloseResult::Stays;
    }
    if (m_pOwner == nullptr)
        return CloseResult::Closes;
    // The project keeps the whole output, also what the run wrote since the last tick.
    while (m_pRunner != nullptr) {
        TakeOutput(false);
        if (!m_bMoreToShow)
            Finish();
    }
    m_pOwner->OnProcessWindowClosed(m_output.Text());
    return CloseResult::Handed;
}

void CProcessWindowDlg::OnDestroy(const CWindowBox& screenBox)
{
    m_pRunner.reset();
    m_bTimerRunning = false;
    m_bMoreToShow = false;
    m_host.SaveWindowBox(screenBox);
}

void CProcessWindowDlg::OnOutputDoubleClick(int nLine)
{
    if (m_pOwner != nullptr)
        m_pOwner->OnOutputLineDoubleClicked(m_output.Text(), nLine);
}
