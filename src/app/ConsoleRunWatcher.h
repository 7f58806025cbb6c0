#pragma once

#include "project/ProjectWindows.h"
#include "run/CapturedRun.h"
#include "run/ProcessRunner.h"
#include "run/RunWatcher.h"

#include <iosfwd>
#include <memory>

// The Process Window of a build or run without windows: it keeps the run's runner and writes
// every byte of the output to a stream as the run adds it, each CR LF as a line feed. It hears
// the output from the run itself, so nothing is lost however long the output is.
class CConsoleRunWatcher : public CProjectWindows, public CRunWatcher, public COutputObserver {
public:
    explicit CConsoleRunWatcher(std::ostream& out) : m_out(out) {}
    ~CConsoleRunWatcher() override;

    bool HasProcessBar() const override { return false; }
    bool IsProcessBarVisible() const override { return false; }
    void ShowProcessBar(bool) override {}
    bool HasProjectBar() const override { return false; }
    bool CreateProjectBar() override { return false; }
    bool IsProjectBarVisible() const override { return false; }
    void ShowProjectBar(bool) override {}

    void WatchRun(std::unique_ptr<ProcessRunner> runner) override;
    bool IsWatching() const { return m_pRunner != nullptr; }
    // On the run's reader thread.
    void OnOutput(std::string_view bytes) override;
    // Waits until the run has ended and its closing lines are out, then ends the last line.
    void FollowToTheEnd(CCapturedRun& run);

private:
    std::ostream& m_out;
    std::unique_ptr<ProcessRunner> m_pRunner;
    bool m_bPendingCr = false;
};
