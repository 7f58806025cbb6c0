#include "MainFrame.h"

#include "AppIcons.h"
#include "LockIndicators.h"

#include "app/AppResources.h"
#include "app/CommandTable.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/qt/WinApp.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

using namespace Cmd;

CMainFrame::CMainFrame(CWinApp& app) : CMDIFrameWnd(app)
{
    // The installed picture from the icon theme; run from the build tree, the About box's.
    setWindowIcon(QIcon::fromTheme("ondrik", QIcon(AppIcons::ProductPicture())));
    CreateToolBar();
    CreateStatusPanes();

    OnCommand(ID_VIEW_TOOLBAR, [this] { m_pToolBar->setVisible(!m_pToolBar->isVisible()); });
    OnUpdateUI(ID_VIEW_TOOLBAR, [this](CCmdUI& ui) {
        ui.Enable();
        ui.SetCheck(!m_pToolBar->isHidden());
    });
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    delete m_pSpareHelpPopup;
}

void CMainFrame::CreateToolBar()
{
    m_pToolBar = new QToolBar("Standard", this);
    m_pToolBar->setObjectName("StandardToolBar");
    m_pToolBar->setIconSize(QSize(16, 16));
    m_pToolBar->setMovable(true);
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (const CToolbarEntry& entry : CommandTable::Toolbar()) {
        if (entry.IsSeparator())
            m_pToolBar->addSeparator();
        else
            AddToolbarCommand(m_pToolBar, entry.id, AppIcons::CommandIcon(entry.icon));
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
}

void CMainFrame::CreateStatusPanes()
{
    auto pane = [this](const QString& sample, int width) {
        auto* label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedWidth(width > 0 ? width : label->fontMetrics().horizontalAdvance(sample) + 10);
        statusBar()->addPermanentWidget(label);
        return label;
    };
    m_pLinePane = pane({}, 70);
    m_pColumnPane = pane({}, 70);
    m_pCapsPane = pane("CAP", 0);
    m_pNumPane = pane("NUM", 0);
    m_pScrollPane = pane("SCRL", 0);
    UpdateLockPanes();
}

QLabel* CMainFrame::GetPane(int index) const
{
    QLabel* const panes[] = {nullptr, m_pLinePane, m_pColumnPane, m_pCapsPane, m_pNumPane, m_pScrollPane};
    return index >= 1 && index <= 5 ? panes[index] : nullptr;
}

void CMainFrame::SetMessagePaneText(const QString& text)
{
    SetMessageText(text);
}

void CMainFrame::SetLinePaneText(const QString& text)
{
    m_pLinePane->setText(text);
    m_pLinePane->repaint();
}

void CMainFrame::SetColumnPaneText(const QString& text)
{
    m_pColumnPane->setText(text);
    m_pColumnPane->repaint();
}

void CMainFrame::UpdateLockPanes()
{
    const CLockIndicators state = CLockIndicators::Read();
    m_pCapsPane->setText(state.bCaps ? "CAP" : "");
    m_pNumPane->setText(state.bNum ? "NUM" : "");
    m_pScrollPane->setText(state.bScroll ? "SCRL" : "");
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    // The lock keys change only with a key or when the program comes back to the front.
    if ((event->type() == QEvent::KeyRelease && watched == QApplication::focusWidget()) ||
        event->type() == QEvent::ApplicationActivate)
        UpdateLockPanes();
    return CMDIFrameWnd::eventFilter(watched, event);
}

void CMainFrame::AddTipToHelpMenu(QMenuBar* bar)
{
    const QString helpCaption = QString::fromStdString(App().GetResources().GetString(Res::IDS_HELP_MENU));
    const QString tipText = QString::fromStdString(App().GetResources().GetString(Res::IDS_TIP_ITEM));
    bool bFound = false;
    for (QAction* item : bar->actions()) {
        if (item->menu() != nullptr && item->text() == helpCaption) {
            m_pHelpPopup = item->menu();
            bFound = true;
        }
    }
    if (bFound) {
        const QList<QAction*> items = m_pHelpPopup->actions();
        if (items.isEmpty() || items.front()->text() != tipText) {
            QAction* first = items.isEmpty() ? nullptr : items.front();
            QAction* separator = m_pHelpPopup->insertSeparator(first);
            m_pHelpPopup->insertAction(separator, MakeCommandAction(tipText, ID_HELP_TIPOFTHEDAY, m_pHelpPopup));
        }
        return;
    }
    if (!m_pHelpPopup) {
        if (m_pSpareHelpPopup == nullptr) {
            m_pSpareHelpPopup = new QMenu(helpCaption);
            m_pSpareHelpPopup->addAction(MakeCommandAction(tipText, ID_HELP_TIPOFTHEDAY, m_pSpareHelpPopup));
            connect(m_pSpareHelpPopup, &QMenu::aboutToShow, this, [this] { UpdateMenu(m_pSpareHelpPopup); });
        }
        m_pHelpPopup = m_pSpareHelpPopup;
    }
    bar->addMenu(m_pHelpPopup);
}

void CMainFrame::OnInitMenuPopup(QMenu* menu)
{
    AddTipToHelpMenu(menuBar());
    CMDIFrameWnd::OnInitMenuPopup(menu);
}
