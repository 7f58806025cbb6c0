#pragma once

#include "DocManager.h"

#include "framework/CmdTarget.h"
#include "framework/CommandRouter.h"
#include "framework/Resources.h"

#include <memory>
#include <vector>

class CMDIFrameWnd;
class CUi;

// The application as the framework sees it: the last target on the command route, owner of
// the document manager, the main window and the resource tables.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(CUi& ui);
    ~CWinApp() override;

    CUi& GetUi() const { return m_ui; }
    CDocManager& GetDocManager() { return m_docManager; }
    CMDIFrameWnd* GetMainWnd() const { return m_pMainWnd.get(); }
    const CCommandRouter& GetRouter() const { return m_router; }
    CResources& GetResources() { return m_resources; }
    const CResources& GetResources() const { return m_resources; }

    // Sends a command as a menu, button or key does: it runs only when its update answer
    // enables it.
    bool SendCommand(int id);
    // The route now: active view, its document, its frame, the main frame, the application,
    // and what the application asks after itself.
    std::vector<CCmdTarget*> CurrentRoute() const;

    // Asked first when the main window is to close; false keeps it open.
    virtual bool QueryCloseMainWnd() { return true; }
    // The main window is closing, before any document is asked to save.
    virtual void OnMainWndClosing(bool /*bMaximised*/) {}

protected:
    // Targets asked after the application itself, when none before them handled a command.
    virtual void AppendRouteTail(std::vector<CCmdTarget*>& /*route*/) const {}
    // Takes ownership of the main window.
    void SetMainWnd(std::unique_ptr<CMDIFrameWnd> mainWnd);
    // Closes every document and the main window, before members go.
    void DestroyMainWnd();

private:
    CUi& m_ui;
    CResources m_resources;
    CDocManager m_docManager;
    std::unique_ptr<CMDIFrameWnd> m_pMainWnd;
    CCommandRouter m_router;
};
