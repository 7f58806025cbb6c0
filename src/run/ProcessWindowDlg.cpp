#include "ProcessWindowDlg.h"

#include "ProcessRunner.h"
#include "ProcessWindowOwner.h"

#include "framework/Ui.h"

#include <algorithm>
#include <string_view>

CProcessWindowDlg::CProcessWindowDlg(CProcessWindowHost& host, CProcessWindowOwner* pOwner,
                                     std::unique_ptr<ProcessRunner> runner, std::size_t nKeptBytes)
    : m_host(host), m_pOwner(pOwner), m_pRunner(std::move(runner)),
      m_output(nKeptBytes, std::min(nKeptBytes, COutputLines::kBlockSize))
{
}

CProcessWindowDlg::~CProcessWindowDlg() = default;

bool CProcessWindowDlg::IsRunActive() const
{
    return m_pRunner != nullptr && m_pRunner->IsRunning();
}

void CProcessWindowDlg::UpdateInput()
{
    m_bInputEnabled = IsRunActive() && m_pRunner->AcceptsInput();
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
    m_bAwaitingReply = false;
    const bool bRunning = IsRunActive();
    TakeOutput(bRunning);
    UpdateInput();
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
    const COutputText::CPiece piece = m_pRunner->CopyPieceFrom(m_output.Size(), kPieceBytes);
    // The run let go of output before the window took it: the window goes on from what the
    // run still keeps, and its first line says what was let go.
    if (piece.nFrom > m_output.Size())
        m_output.Clear(piece.nFrom);
    const bool bMore = piece.bytes.size() == kPieceBytes;
    std::size_t nShown = piece.bytes.size();
    // A character split between two copies is shown whole, with the second.
    if (bRunning || bMore)
        nShown -= IncompleteUtf8Tail(piece.bytes);
    m_output.Append(std::string_view(piece.bytes).substr(0, nShown));
    m_bMoreToShow = bMore;
}

void CProcessWindowDlg::OnTimer()
{
    m_host.SetMessagePaneText(m_bToggle ? kInProgressA : kInProgressB);
    m_bToggle = !m_bToggle;
    m_nProgress = m_nProgress >= kProgressMax ? 0 : m_nProgress + 1;
    m_bAwaitingReply = false;
    const bool bRunning = IsRunActive();
    TakeOutput(bRunning);
    UpdateInput();
    if (bRunning)
        m_bStopEnabled = true;
    else if (!m_bMoreToShow)
        Finish();
}

void CProcessWindowDlg::TakeBetweenTicks()
{
    const bool bRunning = IsRunActive();
    TakeOutput(bRunning);
    UpdateInput();
    if (!bRunning && !m_bMoreToShow)
        Finish();
}

void CProcessWindowDlg::LookForOutput()
{
    if (m_bTimerRunning && !m_bMoreToShow)
        TakeBetweenTicks();
}

void CProcessWindowDlg::ShowMore()
{
    if (m_bMoreToShow)
        TakeBetweenTicks();
}

void CProcessWindowDlg::Finish()
{
    m_bStopEnabled = false;
    m_nProgress = kProgressMax;
    m_host.SetMessagePaneText(kComplete);
    m_bTimerRunning = false;
    m_bInputEnabled = false;
    m_bAwaitingReply = false;
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
    m_bInputEnabled = false;
    m_bAwaitingReply = false;
    m_host.SaveWindowBox(screenBox);
}

void CProcessWindowDlg::OnOutputDoubleClick(int nLine)
{
    if (m_pOwner != nullptr)
        m_pOwner->OnOutputLineDoubleClicked(m_output.Text(), nLine);
}

void CProcessWindowDlg::ShowLastOutput(const std::string& output)
{
    m_pRunner.reset();
    m_strCommandLine.clear();
    m_output.Clear();
    m_output.Append(output);
    ++m_nReplaced;
    m_bTimerRunning = false;
    m_bMoreToShow = false;
    m_bStopEnabled = false;
    m_bInputEnabled = false;
    m_bAwaitingReply = false;
    m_nProgress = kProgressMax;
    m_strStatusText = m_host.GetProcessCaption();
}

bool CProcessWindowDlg::OnInputLine(const std::string& line)
{
    UpdateInput();
    if (!m_bInputEnabled)
        return false;
    m_history.Add(line);
    if (!m_pRunner->SendInput(line + "\n", true)) {
        UpdateInput();
        return false;
    }
    m_bAwaitingReply = true;
    return true;
}

void CProcessWindowDlg::OnEndInput()
{
    if (m_pRunner != nullptr)
        m_pRunner->EndInput();
    UpdateInput();
}
