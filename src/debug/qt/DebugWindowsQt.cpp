#include "DebugWindowsQt.h"

#include "DebugPane.h"

#include "bars/qt/DebugBar.h"
#include "debug/DebugController.h"
#include "editor/SyntaxWindowDoc.h"
#include "editor/qt/SyntaxWindowView.h"
#include "framework/qt/DocManager.h"
#include "framework/qt/MDIChildWnd.h"
#include "framework/qt/MDIFrameWnd.h"
#include "platform/FileIo.h"
#include "run/CapturedRun.h"

#include <QSocketNotifier>

CDebugWindowsQt::CDebugWindowsQt(CMDIFrameWnd& frame, CDocManager& documents, CCapturedRun& run)
    : m_pFrame(&frame), m_documents(documents), m_run(run)
{
    m_buildPoll.setInterval(kBuildPollMs);
    connect(&m_buildPoll, &QTimer::timeout, this, [this] {
        if (m_run.IsRunning())
            return;
        m_buildPoll.stop();
        if (m_pController != nullptr)
            m_pController->OnCapturedRunEnded();
    });
}

CDebugWindowsQt::~CDebugWindowsQt()
{
    Bind(nullptr);
}

void CDebugWindowsQt::Bind(CDebugController* controller)
{
    m_pController = controller;
    if (controller != nullptr)
        return;
    // The bar shows the controller's model: both go together.
    m_buildPoll.stop();
    WatchEvents(-1);
    delete m_pBar;
}

std::vector<CSyntaxWindowDoc*> CDebugWindowsQt::OpenSources()
{
    std::vector<CSyntaxWindowDoc*> sources;
    for (CDocument* doc : m_documents.GetDocuments()) {
        if (auto* source = dynamic_cast<CSyntaxWindowDoc*>(doc))
            sources.push_back(source);
    }
    return sources;
}

CSyntaxWindowDoc* CDebugWindowsQt::ShowSourceLine(const std::string& path, int nLine)
{
    // A class compiled elsewhere may name a source that is not here: it shows no line, and no
    // message at every step.
    if (!FileIo::FileExists(path))
        return nullptr;
    auto* source = dynamic_cast<CSyntaxWindowDoc*>(m_documents.OpenDocumentFile(path));
    if (source == nullptr)
        return nullptr;
    for (CMDIChildWnd* frame : m_documents.FramesOf(*source)) {
        auto* view = dynamic_cast<CSyntaxWindowView*>(frame->GetActiveView());
        if (view == nullptr || &view->GetTextModel() != source->GetTextModel())
            continue;
        CTextModel& text = view->GetTextModel();
        const TextPos nStart = text.LineStart(nLine);
        text.SetSelection(nStart, nStart);
        view->FocusSelection();
        break;
    }
    return source;
}

std::optional<CSourceLine> CDebugWindowsQt::ActiveSourceLine() const
{
    CMDIChildWnd* frame = m_pFrame != nullptr ? m_pFrame->GetActiveFrame() : nullptr;
    const auto* view = frame != nullptr ? dynamic_cast<CSyntaxWindowView*>(frame->GetActiveView()) : nullptr;
    const CSyntaxWindowDoc* source = view != nullptr ? view->GetSyntaxDocument() : nullptr;
    if (source == nullptr || source->GetPathName().empty())
        return std::nullopt;
    return CSourceLine {source->GetPathName(), view->CaretLine()};
}

void CDebugWindowsQt::ShowDebugBar(bool bShow)
{
    if (m_pBar == nullptr) {
        if (!bShow || m_pFrame == nullptr || m_pController == nullptr)
            return;
        auto* pane = new CDebugPane(m_pController->GetBarModel(), *m_pController);
        m_pBar = new CDebugBar;
        if (!m_pBar->Create(*m_pFrame, pane)) {
            delete pane;
            delete m_pBar;
            return;
        }
        m_pPane = pane;
    }
    m_pBar->ShowBar(bShow);
}

bool CDebugWindowsQt::IsDebugBarVisible() const
{
    return m_pBar != nullptr && m_pBar->IsVisible();
}

void CDebugWindowsQt::WatchEvents(int fd)
{
    // This may be called from the notifier's own signal: it goes once that is over.
    if (m_pNotifier != nullptr) {
        m_pNotifier->setEnabled(false);
        m_pNotifier->deleteLater();
        m_pNotifier = nullptr;
    }
    if (fd < 0)
        return;
    m_pNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, [this] {
        if (m_pController != nullptr)
            m_pController->OnEventsWaiting();
    });
}

void CDebugWindowsQt::WaitForCapturedRun()
{
    m_buildPoll.start();
}
