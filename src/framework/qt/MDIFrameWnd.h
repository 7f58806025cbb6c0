#pragma once

#include "DocWindowHost.h"

#include "framework/CmdTarget.h"

#include <QMainWindow>
#include <QPointer>

#include <map>
#include <vector>

class CMDIChildWnd;
class CWinApp;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPoint;
class QShortcut;

// The main window: document windows in an MDI area, the menu bar of the active document's
// type (or of the frame itself when none is active), its accelerators, and the status bar.
class CMDIFrameWnd : public QMainWindow, public CCmdTarget, public CDocWindowHost {
    Q_OBJECT
public:
    explicit CMDIFrameWnd(CWinApp& app, QWidget* parent = nullptr);
    ~CMDIFrameWnd() override;

    // Builds the menus of every resource and shows those of resourceId.
    void LoadFrame(int resourceId);

    QMdiArea* GetMdiArea() const { return m_pMdiArea; }
    CMDIChildWnd* GetActiveFrame() const;
    int GetShownMenuId() const { return m_nShownMenu; }
    // The frame's own menu and accelerator table, always active beside a document type's.
    int GetFrameMenuId() const { return m_nFrameMenu; }
    const class CResources& GetResources() const;
    // The action of a command in the menu bar now shown, or none.
    QAction* FindMenuAction(int id) const;
    // Brings the enabled and checked state of a menu's items up to date.
    void UpdateMenu(QMenu* menu);
    // Shows the first popup of menu resource menuId at globalPos, its items brought up to date.
    void PopupMenu(int menuId, const QPoint& globalPos);

    void SetMessageText(const QString& text);
    QString GetMessageText() const;
    // The caret's line and column panes; a frame without them ignores the texts.
    virtual void SetLinePaneText(const QString& /*text*/) {}
    virtual void SetColumnPaneText(const QString& /*text*/) {}

    // A toolbar button for a command: its tooltip and status prompt come from the command's
    // prompt, its state from the update handlers, brought up to date when the program is idle.
    QAction* AddToolbarCommand(class QToolBar* toolbar, int id, const QIcon& icon);
    // An item that sends a command when chosen, with the command's status prompt.
    QAction* MakeCommandAction(const QString& text, int id, QObject* parent);
    void OnIdle();

    // CDocWindowHost: a new window takes most of the area, each one a little lower and to the
    // right of the one before.
    void AddDocWindow(CMDIChildWnd& frame) override;
    void ActivateDocWindow(CMDIChildWnd& frame) override;
    void RemoveDocWindow(CMDIChildWnd& frame) override;

protected:
    // Runs before a menu of the bar opens; the menu's items are then brought up to date.
    virtual void OnInitMenuPopup(QMenu* menu);
    // Closing: tells the application, then asks every document to save; false keeps the
    // window open.
    virtual bool OnClose();
    void closeEvent(QCloseEvent* event) override;

    CWinApp& App() const { return m_app; }

private:
    void BuildMenus();
    QMenu* BuildPopup(const struct CMenuItem& popup);
    void ShowMenu(int resourceId);
    void InstallAccelerators(int resourceId);
    void OnSubWindowActivated(QMdiSubWindow* window);
    void FillRecentFiles(QMenu* menu);
    // The Window menu ends with the open windows, numbered; the router checks the active one.
    void FillWindowList(QMenu* menu);
    QMdiSubWindow* WindowOfCommand(int id) const;
    void UpdateTitle();

    CWinApp& m_app;
    QMdiArea* m_pMdiArea;
    QLabel* m_pMessagePane;
    int m_nFrameMenu = 0;
    int m_nShownMenu = 0;
    std::map<int, std::vector<QMenu*>> m_menus;
    std::vector<QShortcut*> m_shortcuts;
    std::map<QMenu*, std::vector<QAction*>> m_recentActions;
    std::map<QMenu*, std::vector<QAction*>> m_windowActions;
};
