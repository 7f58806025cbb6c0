#pragma once

#include <memory>

class ProcessRunner;

// What shows a project's captured runs: its Process Window. The first run makes the window;
// every run hands it the runner it then holds while the run lasts.
class CRunWatcher {
public:
    virtual ~CRunWatcher() = default;
    virtual void WatchRun(std::unique_ptr<ProcessRunner> runner) = 0;
};
