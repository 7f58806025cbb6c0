#include "RunOutputPane.h"

#include "run/ProcessRunner.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTextCursor>

namespace {

// How many bytes at the end of text start a UTF-8 character that the next poll completes.
std::size_t IncompleteTail(const std::string& text)
{
    const std::size_t nSize = text.size();
    for (std::size_t n = 1; n <= 3 && n <= nSize; ++n) {
        const auto byte = static_cast<unsigned char>(text[nSize - n]);
        if ((byte & 0xC0) != 0x80) {
            const std::size_t nNeeded = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return nNeeded > n ? n : 0;
        }
    }
    return 0;
}

}  // namespace

CRunOutputPane::CRunOutputPane(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setObjectName("RunOutput");
    m_timer.setInterval(kPollMs);
    connect(&m_timer, &QTimer::timeout, this, &CRunOutputPane::Poll);
}

CRunOutputPane::~CRunOutputPane() = default;

void CRunOutputPane::WatchRun(std::unique_ptr<ProcessRunner> runner)
{
    m_timer.stop();
    m_pRunner = std::move(runner);
    clear();
    m_strPending.clear();
    m_nShown = 0;
    if (m_pRunner == nullptr)
        return;
    const bool bRunning = m_pRunner->IsRunning();
    const std::string text = m_pRunner->CopyOutput();
    m_nShown = text.size();
    AppendOutput(text, bRunning);
    if (bRunning)
        m_timer.start();
    else
        Poll();
}

void CRunOutputPane::Poll()
{
    if (m_pRunner == nullptr) {
        m_timer.stop();
        return;
    }
    // Read the flag first: once it is clear, the closing lines are in the text.
    const bool bRunning = m_pRunner->IsRunning();
    const std::string tail = m_pRunner->CopyOutputFrom(m_nShown);
    m_nShown += tail.size();
    AppendOutput(tail, bRunning);
    if (!bRunning) {
        m_timer.stop();
        m_pRunner.reset();
    }
}

void CRunOutputPane::AppendOutput(const std::string& text, bool bRunning)
{
    // A character split between two polls is shown whole, with the second.
    m_strPending += text;
    const std::size_t nComplete = bRunning ? m_strPending.size() - IncompleteTail(m_strPending) : m_strPending.size();
    if (nComplete == 0)
        return;
    // The text keeps its CR LF line ends; the box wants one break per line.
    QString shown = QString::fromUtf8(m_strPending.data(), static_cast<qsizetype>(nComplete));
    m_strPending.erase(0, nComplete);
    shown.remove(QLatin1Char('\r'));
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(shown);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}
