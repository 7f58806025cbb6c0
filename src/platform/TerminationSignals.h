#pragma once

#include "UniqueFd.h"

#include <csignal>
#include <vector>

// SIGTERM, SIGHUP and SIGINT as bytes on a pipe, for the event loop to read: the handler
// only writes the signal's number, which is safe whatever the program is doing at that
// moment, and everything else happens when the loop gets to it. A second of these signals
// that comes while the first is still unread (the program no longer answers) ends the
// program as that signal does by default.
//
// One object at a time; it puts back the handlers it found when it goes.
class CTerminationSignals {
public:
    static constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

    CTerminationSignals();
    ~CTerminationSignals();
    CTerminationSignals(const CTerminationSignals&) = delete;
    CTerminationSignals& operator=(const CTerminationSignals&) = delete;

    // False when the pipe could not be made or another object holds the signals; the signals
    // then keep their usual effect.
    bool IsInstalled() const { return m_bInstalled; }
    // Readable when a signal has come.
    int ReadFd() const { return m_readEnd.Get(); }
    // The signals that came since the last call, in order.
    std::vector<int> TakeSignals();

private:
    CUniqueFd m_readEnd;
    CUniqueFd m_writeEnd;
    struct sigaction m_previous[3] {};
    bool m_bInstalled = false;
};
