#pragma once

#include "platform/UniqueFd.h"

#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>

// What is sent to a running program's standard input, on its way into the pipe. Any thread
// adds to it or asks for the end of input and never waits for the program; the run's reader
// thread writes it out as far as the pipe takes it and closes the pipe once the end was asked
// for and everything before it is out. A program that no longer reads (it closed its input
// or ended) drops what is still queued.
class CInputQueue {
public:
    // A new run's pipe write end, or none for a run without input; before the reader starts.
    void Open(CUniqueFd writeEnd);

    // False, keeping nothing, when the input is closed or was asked to end.
    bool Add(std::string_view bytes);
    // The pipe closes once what is queued is out. False when input was already ending.
    bool End();
    bool IsOpen() const;
    std::size_t QueuedSize() const;

    // On the reader thread only: the pipe's descriptor (-1 once closed), whether anything is
    // waiting for the pipe to take it, one turn of writing without blocking, and letting go of
    // everything when the run is over.
    int Fd() const { return m_fd.Get(); }
    bool HasWork() const;
    void Flush();
    void Drop();

private:
    void CloseLocked();

    mutable std::mutex m_lock;
    CUniqueFd m_fd;
    std::string m_strQueued;       // guarded by m_lock, from m_nSent on
    std::size_t m_nSent = 0;
    bool m_bAccepting = false;     // guarded by m_lock
    bool m_bEnding = false;        // guarded by m_lock
    bool m_bClosed = true;         // guarded by m_lock; the descriptor itself is the reader's
};
