#include "InputQueue.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <unistd.h>

namespace {

constexpr std::size_t kWriteSize = 64 * 1024;

// A write into a pipe nobody reads raises SIGPIPE for the writing thread, which would end the
// program. The reader thread blocks it, so the write fails with EPIPE, and takes it back.
void TakePendingSigpipe()
{
    sigset_t pipeOnly;
    sigemptyset(&pipeOnly);
    sigaddset(&pipeOnly, SIGPIPE);
    const timespec none {};
    while (::sigtimedwait(&pipeOnly, nullptr, &none) == SIGPIPE) {
    }
}

}  // namespace

void CInputQueue::Open(CUniqueFd writeEnd)
{
    std::lock_guard lock(m_lock);
    m_strQueued.clear();
    m_nSent = 0;
    m_bEnding = false;
    m_bClosed = !writeEnd.IsValid();
    m_bAccepting = !m_bClosed;
    m_fd = std::move(writeEnd);
}

bool CInputQueue::Add(std::string_view bytes)
{
    std::lock_guard lock(m_lock);
    if (!m_bAccepting)
        return false;
    m_strQueued += bytes;
    return true;
}

bool CInputQueue::End()
{
    std::lock_guard lock(m_lock);
    if (!m_bAccepting)
        return false;
    m_bAccepting = false;
    m_bEnding = true;
    return true;
}

bool CInputQueue::IsOpen() const
{
    std::lock_guard lock(m_lock);
    return m_bAccepting;
}

std::size_t CInputQueue::QueuedSize() const
{
    std::lock_guard lock(m_lock);
    return m_strQueued.size() - m_nSent;
}

bool CInputQueue::HasWork() const
{
    std::lock_guard lock(m_lock);
    return !m_bClosed && (m_nSent < m_strQueued.size() || m_bEnding);
}

void CInputQueue::CloseLocked()
{
    m_fd.Reset();
    m_bClosed = true;
    m_bAccepting = false;
    m_bEnding = false;
    std::string().swap(m_strQueued);
    m_nSent = 0;
}

void CInputQueue::Flush()
{
    for (;;) {
        std::string piece;
        {
            std::lock_guard lock(m_lock);
            if (m_bClosed)
                return;
            if (m_nSent == m_strQueued.size()) {
                m_strQueued.clear();
                m_nSent = 0;
                if (m_bEnding)
                    CloseLocked();
                return;
            }
            // A copy, so the write runs without the lock while more is added.
            piece = m_strQueued.substr(m_nSent, kWriteSize);
        }
        const ssize_t n = ::write(m_fd.Get(), piece.data(), piece.size());
        std::lock_guard lock(m_lock);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK)
                return;
            // EPIPE or worse: nobody will read what is queued.
            TakePendingSigpipe();
            CloseLocked();
            return;
        }
        m_nSent += static_cast<std::size_t>(n);
        // What was sent goes once it is the larger part, so the queue does not creep along.
        if (m_nSent > m_strQueued.size() / 2) {
            m_strQueued.erase(0, m_nSent);
            m_nSent = 0;
        }
        if (static_cast<std::size_t>(n) < piece.size())
            return;
    }
}

void CInputQueue::Drop()
{
    std::lock_guard lock(m_lock);
    CloseLocked();
}
