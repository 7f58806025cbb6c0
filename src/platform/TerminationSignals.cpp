#include "TerminationSignals.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// What the handler may touch: plain values, lock-free.
std::atomic<int> g_writeFd {-1};
std::atomic<int> g_nUnread {0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void OnTerminationSignal(int nSignal)
{
    const int savedErrno = errno;
    if (g_nUnread.fetch_add(1) > 0) {
        // The first is still waiting: the loop is stuck, and the user means it.
        ::signal(nSignal, SIG_DFL);
        ::raise(nSignal);
    }
    const int fd = g_writeFd.load();
    if (fd >= 0) {
        const auto byte = static_cast<unsigned char>(nSignal);
        [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

CTerminationSignals::CTerminationSignals()
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_readEnd.Reset(ends[0]);
    m_writeEnd.Reset(ends[1]);
    int expected = -1;
    if (!g_writeFd.compare_exchange_strong(expected, m_writeEnd.Get()))
        return;
    g_nUnread.store(0);
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    // A read or wait the signal interrupts goes on by itself.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &action, &m_previous[i]);
    m_bInstalled = true;
}

CTerminationSignals::~CTerminationSignals()
{
    if (!m_bInstalled)
        return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &m_previous[i], nullptr);
    g_writeFd.store(-1);
}

std::vector<int> CTerminationSignals::TakeSignals()
{
    std::vector<int> received;
    unsigned char bytes[16];
    for (;;) {
        const ssize_t n = ::read(m_readEnd.Get(), bytes, sizeof bytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        received.insert(received.end(), bytes, bytes + n);
    }
    // Only what was taken counts as answered.
    g_nUnread.fetch_sub(static_cast<int>(received.size()));
    return received;
}
