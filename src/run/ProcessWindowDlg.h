#pragma once

#include "InputHistory.h"
#include "OutputLines.h"
#include "ProcessWindowHost.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class CProcessWindowOwner;
class ProcessRunner;

// The Process Window (dialog 143): the output of the project's captured runs as it grows, a
// progress bar that cycles while a run lasts, the process caption in its status line, "stop",
// and under the output an input line for a running program that reads its standard input. It
// holds the runner of the run it watches until the run is over, and every 200 ms adds what the
// run has written since to its output box, never rewriting what is shown; past its bound the
// box lets its oldest lines go.
//
// This is the state of the dialog's controls and what each event does to it; the window on
// screen shows that state after each event.
class CProcessWindowDlg {
public:
    static constexpr int IDD = 143;
    static constexpr int IDC_STOP = 1039;
    static constexpr int IDC_PROGRESS = 1027;
    static constexpr int IDC_STATUS = 1028;
    static constexpr int IDC_OUTPUT = 1000;
    static constexpr int kTickMs = 200;
    static constexpr int kProgressMax = 100;
    static constexpr int kStopExitCode = 11;
    // No event adds more than this much output to the box, so the window answers in between
    // however fast a run writes; what is left follows at once, in further pieces.
    static constexpr std::size_t kPieceBytes = std::size_t(1) << 20;

    static constexpr const char* kInProgressA = "External process in progress --";
    static constexpr const char* kInProgressB = "External process in progress +";
    static constexpr const char* kComplete = "External process complete";
    static constexpr const char* kAbortQuestion = "The process is still running, do you wish to abort it?";

    // What closing the window did.
    enum class CloseResult {
        Stays,     // a run is active: the person was asked, and the run aborted on OK
        Handed,    // the owner keeps the output and lets the window go
        Closes,    // no owner: the window closes as any window does
    };

    CProcessWindowDlg(CProcessWindowHost& host, CProcessWindowOwner* pOwner, std::unique_ptr<ProcessRunner> runner,
                      std::size_t nKeptBytes = COutputLines::kBound);
    ~CProcessWindowDlg();
    CProcessWindowDlg(const CProcessWindowDlg&) = delete;
    CProcessWindowDlg& operator=(const CProcessWindowDlg&) = delete;

    // The window was made: it shows the run it was made for.
    void OnInitDialog();
    // A later run: the window starts again with that run's output.
    void WatchRun(std::unique_ptr<ProcessRunner> runner, CProcessWindowOwner* pOwner);
    // The 200 ms tick while a run is watched.
    void OnTimer();
    // The next piece of output a tick left, when HasMoreToShow().
    void ShowMore();
    void OnStop();
    CloseResult OnClose();
    // The window goes: the runner with it, and the window's place is stored.
    void OnDestroy(const CWindowBox& screenBox);
    // A double-click in the output box, on line nLine (0-based).
    void OnOutputDoubleClick(int nLine);
    // The window shows an output of earlier, with no run: the project's last output.
    void ShowLastOutput(const std::string& output);

    // Enter in the input line: the line and a line feed go to the program, and the line shows
    // in the output where it was typed. False when the program takes no input now.
    bool OnInputLine(const std::string& line);
    // Ctrl+D or the button beside the input line: the program sees the end of its input.
    void OnEndInput();
    // Up and Down in the input line: the text to show, or nothing to leave it as it is.
    std::optional<std::string> OnHistoryUp(const std::string& current) { return m_history.Older(current); }
    std::optional<std::string> OnHistoryDown() { return m_history.Newer(); }
    // Between two ticks, after input was sent: takes what the run has written since, so that
    // its answer shows without waiting for the next tick.
    void LookForOutput();
    bool IsAwaitingReply() const { return m_bAwaitingReply; }

    bool IsStopEnabled() const { return m_bStopEnabled; }
    bool IsInputEnabled() const { return m_bInputEnabled; }
    int GetProgress() const { return m_nProgress; }
    const std::string& GetStatusText() const { return m_strStatusText; }
    // The command line of the run shown, which the caption may not tell (the applet host runs
    // under the applet viewer's caption).
    const std::string& GetCommandLine() const { return m_strCommandLine; }
    bool IsTimerRunning() const { return m_bTimerRunning; }
    bool HasMoreToShow() const { return m_bMoreToShow; }
    bool HoldsRunner() const { return m_pRunner != nullptr; }
    bool GetToggle() const { return m_bToggle; }
    // The output box's text and how much of the run's output it holds.
    const COutputLines& GetOutput() const { return m_output; }
    std::size_t GetShownLength() const { return m_output.Size(); }
    // Counts the times the box's text was replaced rather than added to.
    std::uint64_t GetReplaceCount() const { return m_nReplaced; }

private:
    bool IsRunActive() const;
    void UpdateInput();
    void ShowRun();
    void TakeOutput(bool bRunning);
    // The output that came since, without the tick's progress and pane.
    void TakeBetweenTicks();
    void Finish();
    void Abort();
    bool AskToAbort();

    CProcessWindowHost& m_host;
    CProcessWindowOwner* m_pOwner;
    std::unique_ptr<ProcessRunner> m_pRunner;
    COutputLines m_output;
    std::string m_strStatusText;
    std::string m_strCommandLine;
    bool m_bToggle = false;
    bool m_bStopEnabled = false;
    bool m_bTimerRunning = false;
    bool m_bMoreToShow = false;
    bool m_bInputEnabled = false;
    bool m_bAwaitingReply = false;
    CInputHistory m_history;
    int m_nProgress = 0;
    std::uint64_t m_nReplaced = 0;
};
