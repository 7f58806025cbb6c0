#pragma once

#include "project/ProjectWindows.h"
#include "run/ProcessRunner.h"
#include "run/RunWatcher.h"

#include <iosfwd>
#include <memory>


// The Process Window of a build or run without windows: it keeps the run's runner and writes
// the output to a stream as it comes, each CR LF as a line feed.
class CConsoleRunWatcher : public CProjectWindows, public CRunWatcher {
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
    // Writes the output until the run has ended and its closing lines are out.
    void FollowToTheEnd();

private:
    void Write(const std::string& text);

    std::ostream& m_out;
    std::unique_ptr<ProcessRunner> m_pRunner;
    std::size_t m_nShown = 0;
    bool m_bPendingCr = false;
};
