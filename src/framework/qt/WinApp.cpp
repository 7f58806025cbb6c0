#include "WinApp.h"

#include "MDIChildWnd.h"
#include "MDIFrameWnd.h"
#include "View.h"

#include "framework/CmdUI.h"

#include "framework/Document.h"

#include <QCoreApplication>

CWinApp::CWinApp(CUi& ui) : m_ui(ui), m_docManager(ui), m_router([this] { return CurrentRoute(); }) {}

CWinApp::~CWinApp()
{
    DestroyMainWnd();
}

void CWinApp::SetMainWnd(std::unique_ptr<CMDIFrameWnd> mainWnd)
{
    m_pMainWnd = std::move(mainWnd);
    m_docManager.SetWindowHost(m_pMainWnd.get());
}

void CWinApp::DestroyMainWnd()
{
    m_docManager.CloseAllDocuments();
    // Frames of closed documents wait for deletion in the event loop, which may not run again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_docManager.SetWindowHost(nullptr);
    m_pMainWnd.reset();
}

std::vector<CCmdTarget*> CWinApp::CurrentRoute() const
{
    std::vector<CCmdTarget*> route;
    if (m_pMainWnd) {
        if (CMDIChildWnd* frame = m_pMainWnd->GetActiveFrame()) {
            CView* view = frame->GetActiveView();
            if (view != nullptr)
                route.push_back(view);
            if (CDocument* doc = frame->GetDocument())
                route.push_back(doc);
            route.push_back(frame);
        }
        route.push_back(m_pMainWnd.get());
    }
    route.push_back(const_cast<CWinApp*>(this));
    AppendRouteTail(route);
    return route;
}

bool CWinApp::SendCommand(int id)
{
    if (!m_router.Update(id).IsEnabled())
        return false;
    return m_router.Route(id);
}
