#pragma once

#include "ProjectTreePane.h"

#include "bars/qt/ProcessWindowBar.h"
#include "bars/qt/ProjectWindowBar.h"
#include "framework/DocumentObserver.h"
#include "project/ProjectWindows.h"
#include "run/ProcessWindowOwner.h"
#include "run/RunWatcher.h"
#include "run/qt/ProcessWindowDlgQt.h"

#include <QPointer>

class CJavaProjectDoc;
class CProcessWindowHost;
class CProjectTreeHost;
class QMainWindow;

// A project's two bars in the main frame. Both bar objects are made with the project and go
// with it; each is docked into the frame the first time it is needed: the Process Window bar
// by the first captured run it is to watch, the project window bar by the Project Window
// command. The Process Window tells the project of its double-clicks through this object,
// which also lets it go when it is closed with no run active; the next run makes it again.
class CProjectWindowsQt : public CProjectWindows,
                          public CRunWatcher,
                          public CProcessWindowOwner,
                          public CDocumentObserver {
public:
    // processHost gives the Process Window what it takes from the application, treeHost the
    // project tree.
    CProjectWindowsQt(QMainWindow& frame, CJavaProjectDoc& project, CProcessWindowHost& processHost,
                      CProjectTreeHost& treeHost);
    ~CProjectWindowsQt() override;
    CProjectWindowsQt(const CProjectWindowsQt&) = delete;
    CProjectWindowsQt& operator=(const CProjectWindowsQt&) = delete;

    bool HasProcessBar() const override;
    bool IsProcessBarVisible() const override;
    void ShowProcessBar(bool bShow) override;
    // The first run makes the Process Window bar at the bottom of the frame, later ones show it
    // again; the Process Window watches the run.
    void WatchRun(std::unique_ptr<ProcessRunner> runner) override;

    // CProcessWindowOwner: the project takes the output of a run that ended and jumps to a
    // double-clicked line's message; a closed window leaves its output with the project, and
    // its bar hides.
    void OnRunEnded(std::string_view output) override;
    void OnOutputLineDoubleClicked(const std::string& output, int nLine) override;
    void SelectOutputLine(int nLine) override;
    void OnProcessWindowClosed(std::string output) override;

    bool HasProjectBar() const override;
    bool CreateProjectBar() override;
    bool IsProjectBarVisible() const override;
    void ShowProjectBar(bool bShow) override;

    // The project's lists changed: the tree follows once the project window has been made.
    void OnDocumentUpdate(CDocument& doc) override;
    // The project window bar keeps the project's title, also after Save As names the project.
    void OnDocumentTitleChanged(CDocument& doc) override;

    CProcessWindowBar* GetProcessBar() const { return m_pProcessBar; }
    CProjectWindowBar* GetProjectBar() const { return m_pProjectBar; }
    CProcessWindowDlgQt* GetProcessWindow() const { return m_pProcessWindow; }
    CProjectTreePane* GetProjectTree() const { return m_pProjectTree; }
    // The tree's commands, once the project window bar is made.
    CProjectTreePanel* GetTreePanel() const { return m_pProjectTree ? &m_pProjectTree->GetPanel() : nullptr; }

private:
    QPointer<QMainWindow> m_pFrame;
    CJavaProjectDoc& m_project;
    CProcessWindowHost& m_processHost;
    CProjectTreeHost& m_treeHost;
    // The frame owns a bar once it is docked there and may delete it first, when it closes.
    QPointer<CProcessWindowBar> m_pProcessBar;
    QPointer<CProjectWindowBar> m_pProjectBar;
    QPointer<CProcessWindowDlgQt> m_pProcessWindow;
    QPointer<CProjectTreePane> m_pProjectTree;
    bool m_bProcessBarMade = false;
    bool m_bProjectBarMade = false;
};
