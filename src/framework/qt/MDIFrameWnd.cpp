#include "MDIFrameWnd.h"

#include "DocManager.h"
#include "MDIChildWnd.h"
#include "WinApp.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/Resources.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace {

constexpr const char* kCommandProperty = "ondrikCommand";

int CommandOf(const QAction* action)
{
    return action->property(kCommandProperty).toInt();
}

}  // namespace

CMDIFrameWnd::CMDIFrameWnd(CWinApp& app, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_pMdiArea(new QMdiArea(this)), m_pMessagePane(new QLabel(this))
{
    setCentralWidget(m_pMdiArea);
    statusBar()->addWidget(m_pMessagePane, 1);
    m_pMessagePane->setText("Ready");
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMDIFrameWnd::OnSubWindowActivated);
    // The toolbar's buttons are brought up to date whenever the program has nothing else to do.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &CMDIFrameWnd::OnIdle);

    OnCommand(Cmd::ID_WINDOW_CASCADE, [this] { m_pMdiArea->cascadeSubWindows(); });
    OnCommand(Cmd::ID_WINDOW_TILE_HORZ, [this] { m_pMdiArea->tileSubWindows(); });
    OnCommand(Cmd::ID_WINDOW_ARRANGE, [this] {
        // Minimised windows line up along the bottom of the area.
        for (QMdiSubWindow* w : m_pMdiArea->subWindowList()) {
            if (w->isMinimized())
                w->showMinimized();
        }
    });
    OnCommand(Cmd::ID_WINDOW_NEW, [this] {
        if (CMDIChildWnd* frame = GetActiveFrame(); frame != nullptr && frame->GetDocument() != nullptr)
            m_app.GetDocManager().NewWindow(*frame->GetDocument());
    });
    OnUpdateUI(Cmd::ID_WINDOW_NEW, [this](CCmdUI& ui) { ui.Enable(GetActiveFrame() != nullptr); });
    for (int id : {Cmd::ID_WINDOW_CASCADE, Cmd::ID_WINDOW_TILE_HORZ, Cmd::ID_WINDOW_ARRANGE})
        OnUpdateUI(id, [this](CCmdUI& ui) { ui.Enable(!m_pMdiArea->subWindowList().isEmpty()); });
    OnCommandRange(Cmd::ID_WINDOW_FIRST_MDICHILD, Cmd::ID_WINDOW_LAST_MDICHILD, [this](int id) {
        if (QMdiSubWindow* window = WindowOfCommand(id)) {
            if (window->isMinimized())
                window->showNormal();
            m_pMdiArea->setActiveSubWindow(window);
        }
    });
    OnUpdateUIRange(Cmd::ID_WINDOW_FIRST_MDICHILD, Cmd::ID_WINDOW_LAST_MDICHILD, [this](CCmdUI& ui) {
        QMdiSubWindow* window = WindowOfCommand(ui.GetId());
        ui.Enable(window != nullptr);
        ui.SetCheck(window != nullptr && window == m_pMdiArea->activeSubWindow());
    });
    OnCommand(Cmd::ID_NEXT_PANE, [this] { m_pMdiArea->activateNextSubWindow(); });
    OnCommand(Cmd::ID_PREV_PANE, [this] { m_pMdiArea->activatePreviousSubWindow(); });
    OnCommand(Cmd::ID_VIEW_STATUS_BAR, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    OnUpdateUI(Cmd::ID_VIEW_STATUS_BAR, [this](CCmdUI& ui) {
        ui.Enable();
        ui.SetCheck(statusBar()->isVisible());
    });
    OnCommand(Cmd::ID_APP_EXIT, [this] { close(); });
}

CMDIFrameWnd::~CMDIFrameWnd()
{
    // The area's windows go with it; their activation changes must not reach a frame half gone.
    disconnect(m_pMdiArea, nullptr, this, nullptr);
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        disconnect(dispatcher, nullptr, this, nullptr);
}

void CMDIFrameWnd::LoadFrame(int resourceId)
{
    m_nFrameMenu = resourceId;
    BuildMenus();
    ShowMenu(resourceId);
    UpdateTitle();
}

QMenu* CMDIFrameWnd::BuildPopup(const CMenuItem& popup)
{
    auto* menu = new QMenu(QString::fromStdString(popup.text), this);
    for (const CMenuItem& item : popup.items) {
        if (item.bPopup) {
            menu->addMenu(BuildPopup(item));
        } else if (item.IsSeparator()) {
            menu->addSeparator();
        } else {
            menu->addAction(MakeCommandAction(QString::fromStdString(item.text), item.id, menu));
        }
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { OnInitMenuPopup(menu); });
    return menu;
}

const CResources& CMDIFrameWnd::GetResources() const
{
    return m_app.GetResources();
}

void CMDIFrameWnd::PopupMenu(int menuId, const QPoint& globalPos)
{
    const auto it = m_menus.find(menuId);
    if (it == m_menus.end() || it->second.empty())
        return;
    // The popup's own aboutToShow brings its items up to date.
    it->second.front()->popup(globalPos);
}

void CMDIFrameWnd::BuildMenus()
{
    for (auto& [id, menus] : m_menus) {
        for (QMenu* menu : menus)
            delete menu;
    }
    m_menus.clear();
    m_recentActions.clear();
    m_windowActions.clear();
    for (int id : m_app.GetResources().MenuIds()) {
        for (const CMenuItem& popup : *m_app.GetResources().GetMenu(id))
            m_menus[id].push_back(BuildPopup(popup));
    }
}

void CMDIFrameWnd::ShowMenu(int resourceId)
{
    if (m_menus.count(resourceId) == 0)
        resourceId = m_nFrameMenu;
    if (resourceId == m_nShownMenu)
        return;
    m_nShownMenu = resourceId;
    menuBar()->clear();
    for (QMenu* menu : m_menus[resourceId])
        menuBar()->addMenu(menu);
    InstallAccelerators(resourceId);
}

void CMDIFrameWnd::InstallAccelerators(int resourceId)
{
    // This runs when a document window becomes active, which showing the frame itself does
    // while Qt walks the frame's children: the old keys are switched off now and go later.
    for (QShortcut* shortcut : m_shortcuts) {
        shortcut->setEnabled(false);
        shortcut->deleteLater();
    }
    m_shortcuts.clear();
    // The frame's table is always active; the document type's table wins for a key both give.
    std::map<QString, int> keys;
    for (int table : {m_nFrameMenu, resourceId}) {
        if (const auto* accels = m_app.GetResources().GetAccelerators(table)) {
            for (const CAccelerator& accel : *accels)
                keys[QKeySequence(QString::fromStdString(accel.keys)).toString()] = accel.id;
        }
    }
    for (const auto& [sequence, id] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(sequence), this);
        shortcut->setContext(Qt::WindowShortcut);
        const int command = id;
        connect(shortcut, &QShortcut::activated, this, [this, command] { m_app.SendCommand(command); });
        m_shortcuts.push_back(shortcut);
    }
}

void CMDIFrameWnd::OnInitMenuPopup(QMenu* menu)
{
    FillRecentFiles(menu);
    FillWindowList(menu);
    UpdateMenu(menu);
}

void CMDIFrameWnd::UpdateMenu(QMenu* menu)
{
    for (QAction* action : menu->actions()) {
        const int id = CommandOf(action);
        if (id == 0 || action->isSeparator())
            continue;
        const CCmdUI ui = m_app.GetRouter().Update(id);
        action->setEnabled(ui.IsEnabled());
        if (ui.IsCheckable()) {
            action->setCheckable(true);
            action->setChecked(ui.IsChecked());
        }
    }
}

void CMDIFrameWnd::FillRecentFiles(QMenu* menu)
{
    QAction* placeholder = nullptr;
    for (QAction* action : menu->actions()) {
        if (CommandOf(action) == Cmd::ID_FILE_MRU_FILE1 && !action->property("ondrikRecentEntry").toBool())
            placeholder = action;
    }
    if (placeholder == nullptr)
        return;
    for (QAction* old : m_recentActions[menu])
        delete old;
    m_recentActions[menu].clear();
    const CRecentFileList& recent = m_app.GetDocManager().GetRecentFiles();
    for (int i = 0; i < recent.GetSize(); ++i) {
        auto* action = new QAction(QString::fromStdString(recent.GetDisplayName(i)), menu);
        const int id = Cmd::ID_FILE_MRU_FILE1 + i;
        action->setProperty(kCommandProperty, id);
        action->setProperty("ondrikRecentEntry", true);
        action->setStatusTip(QString::fromStdString(recent[i]));
        connect(action, &QAction::triggered, this, [this, id] { m_app.SendCommand(id); });
        menu->insertAction(placeholder, action);
        m_recentActions[menu].push_back(action);
    }
    placeholder->setVisible(recent.GetSize() == 0);
    placeholder->setEnabled(false);
}

QMdiSubWindow* CMDIFrameWnd::WindowOfCommand(int id) const
{
    const QList<QMdiSubWindow*> windows = m_pMdiArea->subWindowList();
    const int index = id - Cmd::ID_WINDOW_FIRST_MDICHILD;
    return index >= 0 && index < windows.size() ? windows[index] : nullptr;
}

void CMDIFrameWnd::FillWindowList(QMenu* menu)
{
    const QList<QAction*> items = menu->actions();
    if (std::none_of(items.begin(), items.end(), [](QAction* a) { return CommandOf(a) == Cmd::ID_WINDOW_NEW; }))
        return;
    for (QAction* old : m_windowActions[menu])
        delete old;
    m_windowActions[menu].clear();
    const QList<QMdiSubWindow*> windows = m_pMdiArea->subWindowList();
    if (windows.isEmpty())
        return;
    m_windowActions[menu].push_back(menu->addSeparator());
    const QString prompt = QString::fromStdString(m_app.GetResources().GetStatusPrompt(Cmd::ID_WINDOW_FIRST_MDICHILD));
    for (int i = 0; i < windows.size() && i <= Cmd::ID_WINDOW_LAST_MDICHILD - Cmd::ID_WINDOW_FIRST_MDICHILD; ++i) {
        // The first nine are chosen by their digit; a "&" in a title is no mnemonic.
        QString title = windows[i]->windowTitle();
        title.replace('&', "&&");
        const QString number = i < 9 ? "&" + QString::number(i + 1) : QString::number(i + 1);
        QAction* action = MakeCommandAction(number + " " + title, Cmd::ID_WINDOW_FIRST_MDICHILD + i, menu);
        action->setStatusTip(prompt);
        menu->addAction(action);
        m_windowActions[menu].push_back(action);
    }
}

QAction* CMDIFrameWnd::FindMenuAction(int id) const
{
    const auto it = m_menus.find(m_nShownMenu);
    if (it == m_menus.end())
        return nullptr;
    std::vector<QMenu*> pending(it->second.begin(), it->second.end());
    while (!pending.empty()) {
        QMenu* menu = pending.back();
        pending.pop_back();
        for (QAction* action : menu->actions()) {
            if (action->menu() != nullptr)
                pending.push_back(action->menu());
            else if (CommandOf(action) == id)
                return action;
        }
    }
    return nullptr;
}

CMDIChildWnd* CMDIFrameWnd::GetActiveFrame() const
{
    return qobject_cast<CMDIChildWnd*>(m_pMdiArea->activeSubWindow());
}

void CMDIFrameWnd::OnSubWindowActivated(QMdiSubWindow* window)
{
    auto* frame = qobject_cast<CMDIChildWnd*>(window);
    ShowMenu(frame != nullptr && frame->GetResourceId() != 0 ? frame->GetResourceId() : m_nFrameMenu);
    UpdateTitle();
}

void CMDIFrameWnd::UpdateTitle()
{
    const QString app = QString::fromStdString(m_app.GetResources().GetString(128));
    CMDIChildWnd* frame = GetActiveFrame();
    if (frame == nullptr || frame->isMaximized())
        setWindowTitle(app);
    else
        setWindowTitle(app + " - " + frame->windowTitle());
}

void CMDIFrameWnd::OnIdle()
{
    for (QToolBar* toolbar : findChildren<QToolBar*>()) {
        for (QAction* action : toolbar->actions()) {
            const int id = CommandOf(action);
            if (id == 0)
                continue;
            const CCmdUI ui = m_app.GetRouter().Update(id);
            if (action->isEnabled() != ui.IsEnabled())
                action->setEnabled(ui.IsEnabled());
            if (ui.IsCheckable() && action->isChecked() != ui.IsChecked()) {
                action->setCheckable(true);
                action->setChecked(ui.IsChecked());
            }
        }
    }
}

QAction* CMDIFrameWnd::MakeCommandAction(const QString& text, int id, QObject* parent)
{
    auto* action = new QAction(text, parent);
    action->setProperty(kCommandProperty, id);
    action->setStatusTip(QString::fromStdString(m_app.GetResources().GetStatusPrompt(id)));
    connect(action, &QAction::triggered, this, [this, id] { m_app.SendCommand(id); });
    return action;
}

QAction* CMDIFrameWnd::AddToolbarCommand(QToolBar* toolbar, int id, const QIcon& icon)
{
    QAction* action = MakeCommandAction(QString::fromStdString(m_app.GetResources().GetTooltip(id)), id, toolbar);
    action->setIcon(icon);
    toolbar->addAction(action);
    return action;
}

void CMDIFrameWnd::SetMessageText(const QString& text)
{
    m_pMessagePane->setText(text);
    m_pMessagePane->repaint();
}

void CMDIFrameWnd::AddDocWindow(CMDIChildWnd& frame)
{
    m_pMdiArea->addSubWindow(&frame);
    // The main window's title follows the active window's, its star included.
    connect(&frame, &QWidget::windowTitleChanged, this, [this, &frame] {
        if (GetActiveFrame() == &frame)
            UpdateTitle();
    });
    // Before the main window is first shown its area has no size yet; the window's will do.
    QSize area = m_pMdiArea->viewport()->size();
    if (!m_pMdiArea->isVisible())
        area = size() - QSize(0, 80);
    if (area.width() > 200 && area.height() > 150) {
        const int step = 24 * static_cast<int>((m_pMdiArea->subWindowList().size() - 1) % 8);
        frame.setGeometry(QRect(QPoint(step, step), frame.InitialSize(area)));
    }
}

void CMDIFrameWnd::ActivateDocWindow(CMDIChildWnd& frame)
{
    m_pMdiArea->setActiveSubWindow(&frame);
}

void CMDIFrameWnd::RemoveDocWindow(CMDIChildWnd& frame)
{
    m_pMdiArea->removeSubWindow(&frame);
}

bool CMDIFrameWnd::OnClose()
{
    if (!m_app.QueryCloseMainWnd())
        return false;
    // A frame minimised from the maximised state still reports both; it counts as not maximised.
    m_app.OnMainWndClosing(isMaximized() && !isMinimized());
    if (!m_app.GetDocManager().SaveAllModified())
        return false;
    m_app.GetDocManager().CloseAllDocuments();
    return true;
}

void CMDIFrameWnd::closeEvent(QCloseEvent* event)
{
    if (OnClose())
        event->accept();
    else
        event->ignore();
}
