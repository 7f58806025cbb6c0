#pragma once

#include <QPlainTextEdit>
#include <QTimer>

#include <cstddef>
#include <memory>
#include <string>

class ProcessRunner;

// The output of the project's captured runs, as it comes: while a run is active, every 200 ms
// the part of the run's output text that is not shown yet is appended, so each poll costs
// only as much as the new output.
class CRunOutputPane : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kPollMs = 200;

    explicit CRunOutputPane(QWidget* parent = nullptr);
    ~CRunOutputPane() override;

    // A new run: its runner is held while the run lasts; the text starts again from the run's
    // output as it stands.
    void WatchRun(std::unique_ptr<ProcessRunner> runner);
    bool IsWatching() const { return m_timer.isActive(); }
    // Takes in what the run has written since the last poll; ends watching once it is over.
    void Poll();

private:
    void AppendOutput(const std::string& text, bool bRunning);

    QTimer m_timer;
    std::size_t m_nShown = 0;
    std::string m_strPending;  // the start of a character the run has not finished writing
    std::unique_ptr<ProcessRunner> m_pRunner;
};
