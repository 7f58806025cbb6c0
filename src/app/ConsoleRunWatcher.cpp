#include "ConsoleRunWatcher.h"

#include "run/ProcessRunner.h"

#include <chrono>
#include <ostream>
#include <thread>

CConsoleRunWatcher::~CConsoleRunWatcher() = default;

void CConsoleRunWatcher::WatchRun(std::unique_ptr<ProcessRunner> runner)
{
    m_pRunner = std::move(runner);
    m_nShown = 0;
}

void CConsoleRunWatcher::FollowToTheEnd()
{
    if (m_pRunner == nullptr)
        return;
    for (;;) {
        // The flag first: once it is clear, the closing lines are in the text.
        const bool bRunning = m_pRunner->IsRunning();
        const std::string tail = m_pRunner->CopyOutputFrom(m_nShown);
        m_nShown += tail.size();
        Write(tail);
        if (!bRunning)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (m_bPendingCr)
        m_out << '\r';
    m_out << '\n' << std::flush;
    m_pRunner.reset();
}

void CConsoleRunWatcher::Write(const std::string& text)
{
    // A CR LF may come split over two copies: the CR waits for what follows it.
    std::string lines;
    lines.reserve(text.size() + 1);
    for (const char c : text) {
        if (m_bPendingCr && c != '\n')
            lines += '\r';
        m_bPendingCr = c == '\r';
        if (!m_bPendingCr)
            lines += c;
    }
    m_out << lines << std::flush;
}
