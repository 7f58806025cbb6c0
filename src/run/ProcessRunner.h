#pragma once

#include "OutputText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class CCapturedRun;

// One captured run as the window that watches it holds it: whether it still runs, what it has
// written so far, and the way to stop it. The run state makes one for each start. Once a later
// run has started, an earlier run's runner no longer runs and stops nothing.
class ProcessRunner {
public:
    ProcessRunner(CCapturedRun& run, std::uint64_t nRun, std::string commandLine = {})
        : m_run(run), m_nRun(nRun), m_strCommandLine(std::move(commandLine))
    {
    }
    ProcessRunner(const ProcessRunner&) = delete;
    ProcessRunner& operator=(const ProcessRunner&) = delete;

    bool IsRunning() const;
    // The command line the tool was started with.
    const std::string& GetCommandLine() const { return m_strCommandLine; }
    // The run's output, or its part from position nFrom on (at most nMax bytes of it); a copy
    // is always a complete earlier state of the text.
    std::string CopyOutput() const;
    std::string CopyOutputFrom(std::size_t nFrom, std::size_t nMax = std::string::npos) const;
    // The same, with the position the copy really starts at: output the run no longer keeps is
    // skipped.
    COutputText::CPiece CopyPieceFrom(std::size_t nFrom, std::size_t nMax = std::string::npos) const;
    // Ends this run's tool with nExitCode if it is still running.
    bool Terminate(int nExitCode);

    // The tool's standard input, while this run is active and its input open: what is sent
    // (echoed into the output when asked), and its end.
    bool AcceptsInput() const;
    bool SendInput(std::string_view bytes, bool bEcho);
    bool EndInput();

private:
    bool IsCurrent() const;

    CCapturedRun& m_run;
    const std::uint64_t m_nRun;
    const std::string m_strCommandLine;
};
