#include "ConsoleRunWatcher.h"

#include <chrono>
#include <ostream>
#include <string>

CConsoleRunWatcher::~CConsoleRunWatcher() = default;

void CConsoleRunWatcher::WatchRun(std::unique_ptr<ProcessRunner> runner)
{
    m_pRunner = std::move(runner);
}

void CConsoleRunWatcher::FollowToTheEnd(CCapturedRun& run)
{
    if (m_pRunner == nullptr)
        return;
    while (!run.WaitUntilIdle(std::chrono::hours(24))) {
    }
    // Once the reader is gone, nothing else writes to the stream.
    if (m_bPendingCr)
        m_out << '\r';
    m_out << '\n' << std::flush;
    m_pRunner.reset();
}

void CConsoleRunWatcher::OnOutput(std::string_view bytes)
{
    // A CR LF may come split over two pieces: the CR waits for what follows it.
    std::string lines;
    lines.reserve(bytes.size() + 1);
    for (const char c : bytes) {
        if (m_bPendingCr && c != '\n')
            lines += '\r';
        m_bPendingCr = c == '\r';
        if (!m_bPendingCr)
            lines += c;
    }
    m_out << lines << std::flush;
}
