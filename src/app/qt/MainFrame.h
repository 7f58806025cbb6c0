#pragma once

#include "framework/qt/MDIFrameWnd.h"

#include <QPointer>

class QLabel;
class QMenuBar;
class QToolBar;

// The application's main window: the document windows, the toolbar, the status bar with its
// panes, and the Tip of the Day entry in the Help menu of whatever menu bar it shows.
class CMainFrame : public CMDIFrameWnd {
    Q_OBJECT
public:
    explicit CMainFrame(CWinApp& app);
    ~CMainFrame() override;

    // Put the text into its status-bar pane and repaint it at once.
    void SetMessagePaneText(const QString& text);
    void SetLinePaneText(const QString& text) override;
    void SetColumnPaneText(const QString& text) override;

    QToolBar* GetToolBar() const { return m_pToolBar; }
    QLabel* GetPane(int index) const;

    // Gives the menu bar's Help popup the Tip of the Day item, once; a bar without a Help
    // popup gets the one found last, or a popup of its own holding only that item.
    void AddTipToHelpMenu(QMenuBar* bar);

protected:
    void OnInitMenuPopup(QMenu* menu) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateToolBar();
    void CreateStatusPanes();
    void UpdateLockPanes();

    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pLinePane = nullptr;
    QLabel* m_pColumnPane = nullptr;
    QLabel* m_pCapsPane = nullptr;
    QLabel* m_pNumPane = nullptr;
    QLabel* m_pScrollPane = nullptr;
    QPointer<QMenu> m_pHelpPopup;
    QMenu* m_pSpareHelpPopup = nullptr;
};
