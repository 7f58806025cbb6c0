#include "ProjectWindowsQt.h"

#include "project/JavaProjectDoc.h"
#include "run/ProcessRunner.h"

#include <QMainWindow>

CProjectWindowsQt::CProjectWindowsQt(QMainWindow& frame, CJavaProjectDoc& project, CProcessWindowHost& processHost,
                                     CProjectTreeHost& treeHost)
    : m_pFrame(&frame), m_project(project), m_processHost(processHost), m_treeHost(treeHost),
      m_pProcessBar(new CProcessWindowBar),
      m_pProjectBar(new CProjectWindowBar)
{
    m_project.AddObserver(this);
}

CProjectWindowsQt::~CProjectWindowsQt()
{
    m_project.RemoveObserver(this);
    delete m_pProcessBar;
    delete m_pProjectBar;
}

bool CProjectWindowsQt::HasProcessBar() const
{
    return m_bProcessBarMade && m_pProcessBar != nullptr;
}

bool CProjectWindowsQt::IsProcessBarVisible() const
{
    return HasProcessBar() && m_pProcessBar->IsVisible();
}

void CProjectWindowsQt::ShowProcessBar(bool bShow)
{
    if (!HasProcessBar())
        return;
    // A window closed with Escape left its output with the project: shown again, it shows that.
    if (bShow && m_pProcessWindow == nullptr) {
        auto* window = new CProcessWindowDlgQt(m_processHost, this, nullptr);
        window->ShowLastOutput(m_project.GetLastCompileOutput());
        m_pProcessBar->SetChild(window);
        m_pProcessWindow = window;
    }
    m_pProcessBar->ShowBar(bShow);
}

void CProjectWindowsQt::WatchRun(std::unique_ptr<ProcessRunner> runner)
{
    if (m_pProcessBar == nullptr || m_pFrame == nullptr)
        return;
    if (m_pProcessWindow != nullptr) {
        m_pProcessBar->Show();
        m_pProcessWindow->WatchRun(std::move(runner), this);
        return;
    }
    auto* window = new CProcessWindowDlgQt(m_processHost, this, std::move(runner));
    if (!m_bProcessBarMade) {
        if (!m_pProcessBar->Create(*m_pFrame, window)) {
            delete window;
            return;
        }
        m_bProcessBarMade = true;
    } else {
        m_pProcessBar->SetChild(window);
    }
    m_pProcessWindow = window;
    m_pProcessBar->Show();
}

void CProjectWindowsQt::OnOutputLineDoubleClicked(const std::string& output, int nLine)
{
    m_project.JumpToMessage(output, nLine);
}

void CProjectWindowsQt::OnProcessWindowClosed(std::string output)
{
    m_project.SetLastCompileOutput(std::move(output));
    // The window is in the middle of its closing event: the bar deletes it afterwards.
    m_pProcessWindow = nullptr;
    if (m_pProcessBar != nullptr) {
        m_pProcessBar->SetChild(nullptr);
        m_pProcessBar->Hide();
    }
}

bool CProjectWindowsQt::HasProjectBar() const
{
    return m_bProjectBarMade && m_pProjectBar != nullptr;
}

bool CProjectWindowsQt::CreateProjectBar()
{
    if (m_bProjectBarMade || m_pProjectBar == nullptr || m_pFrame == nullptr)
        return false;
    auto* tree = new CProjectTreePane(m_project, m_treeHost);
    if (!m_pProjectBar->Create(*m_pFrame, tree, QString::fromStdString(m_project.GetTitle()))) {
        delete tree;
        return false;
    }
    m_pProjectTree = tree;
    m_bProjectBarMade = true;
    return true;
}

bool CProjectWindowsQt::IsProjectBarVisible() const
{
    return HasProjectBar() && m_pProjectBar->IsVisible();
}

void CProjectWindowsQt::ShowProjectBar(bool bShow)
{
    if (HasProjectBar())
        m_pProjectBar->ShowBar(bShow);
}

void CProjectWindowsQt::OnDocumentTitleChanged(CDocument& doc)
{
    if (HasProjectBar())
        m_pProjectBar->setWindowTitle(QString::fromStdString(doc.GetTitle()));
}

void CProjectWindowsQt::OnDocumentUpdate(CDocument&)
{
    if (m_project.IsProjectWindowShown() && m_pProjectTree != nullptr)
        m_pProjectTree->GetPanel().RefreshTree();
}
