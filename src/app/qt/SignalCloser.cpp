#include "SignalCloser.h"

#include "QuarnelApp.h"

#include <QSocketNotifier>

CSignalCloser::CSignalCloser(CQuarnelApp& app) : m_app(app)
{
    if (!m_signals.IsInstalled())
        return;
    m_pNotifier = new QSocketNotifier(static_cast<qintptr>(m_signals.ReadFd()), QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CSignalCloser::OnSignals);
}

CSignalCloser::~CSignalCloser() = default;

void CSignalCloser::OnSignals()
{
    const std::vector<int> received = m_signals.TakeSignals();
    if (!received.empty())
        m_app.CloseWithoutQuestions(128 + received.front());
}
