#pragma once

#include "run/ProcessWindowDlg.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>

class CProcessOutputBox;
class CProcessWindowHost;
class CProcessWindowOwner;
class ProcessRunner;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The Process Window on screen: the child window of its bar, with "stop", the progress bar and
// the status line in a strip along the top, the input line and its "End input" button along
// the bottom, and the output box filling the rest. Every event goes to the dialog's state, and
// the controls then show that state.
class CProcessWindowDlgQt : public QWidget {
    Q_OBJECT
public:
    // The strip above the output box and the row of the input line below it, in pixels.
    static constexpr int kStripHeight = 22;
    static constexpr int kInputHeight = 24;
    // How often the window looks for a program's answer after input was sent, until the next
    // tick.
    static constexpr int kQuickLookMs = 10;

    CProcessWindowDlgQt(CProcessWindowHost& host, CProcessWindowOwner* pOwner, std::unique_ptr<ProcessRunner> runner,
                        QWidget* parent = nullptr);
    // Stores the window's place through the host.
    ~CProcessWindowDlgQt() override;

    // A later run: the window is shown and watches it.
    void WatchRun(std::unique_ptr<ProcessRunner> runner, CProcessWindowOwner* pOwner);
    // The 200 ms tick; the timer calls it, and so may a test that does not want to wait.
    void OnTimer();
    const CProcessWindowDlg& Model() const { return m_model; }
    bool IsWatching() const { return m_tick.isActive(); }
    CProcessOutputBox* OutputBox() const { return m_pOutput; }
    QPushButton* StopButton() const { return m_pStop; }
    QProgressBar* ProgressBar() const { return m_pProgress; }
    QLineEdit* StatusLine() const { return m_pStatus; }
    QLineEdit* InputLine() const { return m_pInput; }
    QPushButton* EndInputButton() const { return m_pEndInput; }
    // Shows the project's last output again, with no run.
    void ShowLastOutput(const std::string& output);
    // Selects line nLine of the output, scrolled into view.
    void SelectOutputLine(int nLine);
    // The box's font: DLGFONTNAME at DLGFONTSIZE tenths of a point, a fixed-pitch face when the
    // named one is missing.
    static QFont OutputFont(const CProcessWindowHost& host);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Escape closes the window, as in a dialog.
    void keyPressEvent(QKeyEvent* event) override;
    // While a run is active closing asks to abort it and the window stays; while none is,
    // the owner takes the output and lets the window go.
    void closeEvent(QCloseEvent* event) override;
    // Enter, Ctrl+D, Up and Down in the input line.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowModel();
    void ShowMore();
    void LayOut();
    void SendInputLine();

    CProcessWindowDlg m_model;
    QPushButton* m_pStop;
    QProgressBar* m_pProgress;
    QLineEdit* m_pStatus;
    CProcessOutputBox* m_pOutput;
    QLineEdit* m_pInput;
    QPushButton* m_pEndInput;
    QTimer m_tick;
    QTimer m_more;
    QTimer m_quickLook;
    // Where the focus was before a run's input line last took it; it goes back there after the run.
    QPointer<QWidget> m_pFocusBefore;
    bool m_bInputShown = false;
    bool m_bFocusInputWhenShown = false;
    std::uint64_t m_nReplacedShown = 0;
    std::size_t m_nLengthShown = 0;
};
