#pragma once

#include "DebugPane.h"

#include "bars/qt/DebugBar.h"
#include "debug/DebugHost.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class CCapturedRun;
class CDocManager;
class CMDIFrameWnd;
class QSocketNotifier;

// A project's debugger among the windows: the source windows of the document manager, the Debug
// bar docked in the main frame, the session's events through the event loop, and the wait for
// the build that comes before a session.
class CDebugWindowsQt : public QObject, public CDebugHost {
    Q_OBJECT
public:
    CDebugWindowsQt(CMDIFrameWnd& frame, CDocManager& documents, CCapturedRun& run);
    ~CDebugWindowsQt() override;

    void Bind(CDebugController* controller) override;
    std::vector<CSyntaxWindowDoc*> OpenSources() override;
    CSyntaxWindowDoc* ShowSourceLine(const std::string& path, int nLine) override;
    std::optional<CSourceLine> ActiveSourceLine() const override;
    void ShowDebugBar(bool bShow) override;
    bool IsDebugBarVisible() const override;
    void WatchEvents(int fd) override;
    void WaitForCapturedRun() override;

    CDebugBar* GetDebugBar() const { return m_pBar; }
    CDebugPane* GetDebugPane() const { return m_pPane; }

    // How often the wait for the build looks whether it is over.
    static constexpr int kBuildPollMs = 20;

private:
    QPointer<CMDIFrameWnd> m_pFrame;
    CDocManager& m_documents;
    CCapturedRun& m_run;
    CDebugController* m_pController = nullptr;
    // The frame owns the bar once it is docked there and may delete it first, when it closes.
    QPointer<CDebugBar> m_pBar;
    QPointer<CDebugPane> m_pPane;
    QPointer<QSocketNotifier> m_pNotifier;
    QTimer m_buildPoll;
};
