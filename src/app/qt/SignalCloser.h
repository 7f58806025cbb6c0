#pragma once

#include "platform/TerminationSignals.h"

#include <QObject>

class CQuarnelApp;
class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT (a logout, a kill, Ctrl+C in the terminal) close the application
// as cleanly as they can, without questions. The handler only writes a byte; the close runs from
// the event loop, which reads it.
class CSignalCloser : public QObject {
public:
    explicit CSignalCloser(CQuarnelApp& app);
    ~CSignalCloser() override;
    CSignalCloser(const CSignalCloser&) = delete;
    CSignalCloser& operator=(const CSignalCloser&) = delete;

private:
    void OnSignals();

    CQuarnelApp& m_app;
    CTerminationSignals m_signals;
    QSocketNotifier* m_pNotifier = nullptr;
};
