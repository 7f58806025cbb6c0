#pragma once

// The token of one captured run: the Process Window holds it while it watches that run and
// lets it go when the run has ended or was aborted. The run's state itself is process-wide.
class ProcessRunner {
public:
    virtual ~ProcessRunner();
};
