#include "ProjectTreePane.h"

#include "TreeImages.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleFactory>
#include <QMenu>
#include <QResizeEvent>
#include <QTreeWidget>

namespace {

constexpr int kItemRole = Qt::UserRole;

}  // namespace

CProjectTreePane::CProjectTreePane(CJavaProjectDoc& project, CProjectTreeHost& host, QWidget* parent)
    : QWidget(parent), m_panel(project, host), m_pTree(new QTreeWidget(this))
{
    setObjectName("ProjectTree");
    for (int i = 0; i < CProjectTreeItem::kImageCount; i += 2)
        m_icons[static_cast<std::size_t>(i)] = TreeImages::ItemIcon(i);
    m_pTree->setObjectName("Tree1");
    // The tree draws its lines and its plus and minus buttons.
    if (QStyle* lined = QStyleFactory::create("Windows")) {
        lined->setParent(this);
        m_pTree->setStyle(lined);
    }
    m_pTree->setHeaderHidden(true);
    m_pTree->setColumnCount(1);
    m_pTree->setRootIsDecorated(true);
    m_pTree->setIconSize(QSize(16, 16));
    // Long signatures scroll sideways rather than lose their ends.
    m_pTree->setTextElideMode(Qt::ElideNone);
    m_pTree->header()->setStretchLastSection(false);
    m_pTree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_pTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTree->setDragDropMode(QAbstractItemView::NoDragDrop);
    m_pTree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTree->setFrameShape(QFrame::StyledPanel);
    m_pTree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_pTree->setStyleSheet("QTreeView::item:selected:!active { background: palette(highlight); color: palette(highlighted-text); }");
    m_pTree->setGeometry(2, 0, 200, 200);
    setMinimumSize(120, 120);

    connect(m_pTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!m_bFollowingSelection)
            m_panel.GetTree().Select(TreeItem(current));
    });
    connect(m_pTree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        m_panel.GetTree().Select(TreeItem(item));
        m_panel.OpenSelected();
    });
    connect(m_pTree, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (const int id = ShowContextMenu(pos))
            m_panel.RunCommand(id);
    });

    m_pTree->installEventFilter(this);
    m_panel.GetTree().SetObserver(this);
}

CProjectTreePane::~CProjectTreePane()
{
    m_panel.GetTree().SetObserver(nullptr);
}

CProjectTreeItem* CProjectTreePane::TreeItem(const QTreeWidgetItem* item) const
{
    if (item == nullptr)
        return nullptr;
    return reinterpret_cast<CProjectTreeItem*>(item->data(0, kItemRole).value<quintptr>());
}

int CProjectTreePane::ShowContextMenu(const QPoint& pos)
{
    const auto entries = m_panel.ContextMenu(TreeItem(m_pTree->itemAt(pos)));
    if (entries.empty())
        return 0;
    QMenu menu(this);
    for (const auto& entry : entries) {
        if (entry.IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(entry.strText));
        action->setData(entry.nId);
        CCmdUI ui(entry.nId, nullptr);
        ui.Enable();
        m_panel.UpdateCommand(ui);
        action->setEnabled(ui.IsEnabled());
        if (entry.bDefault)
            menu.setDefaultAction(action);
    }
    const QAction* chosen = menu.exec(m_pTree->viewport()->mapToGlobal(pos));
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

bool CProjectTreePane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_pTree || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier)
        return false;
    // The keys the project window's accelerators give these commands.
    const int id = key->key() == Qt::Key_F8       ? Cmd::ID_PROJECT_SETMAIN
                   : key->key() == Qt::Key_Delete ? Cmd::ID_PROJECT_REMOVEFILE
                                                  : 0;
    if (id == 0)
        return false;
    // Claimed before any shortcut sees the key; the press that follows runs the command.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        m_panel.RunCommand(id);
    return true;
}

void CProjectTreePane::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_pTree->setGeometry(2, 0, std::max(0, width() - 4), std::max(0, height() - 8));
}

void CProjectTreePane::OnRefreshStarting()
{
    m_pTree->setUpdatesEnabled(false);
}

void CProjectTreePane::OnRefreshEnded()
{
    m_pTree->setUpdatesEnabled(true);
    m_pTree->viewport()->update();
}

void CProjectTreePane::ShowItem(const CProjectTreeItem& item, QTreeWidgetItem& control) const
{
    control.setIcon(0, m_icons[static_cast<std::size_t>(item.GetImage())]);
    control.setChildIndicatorPolicy(item.IsMarkedWithChildren() ? QTreeWidgetItem::ShowIndicator
                                                                : QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void CProjectTreePane::OnItemInserted(CProjectTreeItem& item, int index)
{
    auto* control = new QTreeWidgetItem(QStringList(QString::fromStdString(item.GetText())));
    control->setData(0, kItemRole, QVariant::fromValue(reinterpret_cast<quintptr>(&item)));
    ShowItem(item, *control);
    m_items.insert(&item, control);
    if (QTreeWidgetItem* parent = ControlItem(item.GetParent()))
        parent->insertChild(index, control);
    else
        m_pTree->insertTopLevelItem(index, control);
}

void CProjectTreePane::Forget(const CProjectTreeItem& item)
{
    m_items.remove(&item);
    for (int i = 0; i < item.GetChildCount(); ++i)
        Forget(*item.GetChild(i));
}

void CProjectTreePane::OnItemRemoving(CProjectTreeItem& item)
{
    QTreeWidgetItem* control = ControlItem(&item);
    Forget(item);
    m_bFollowingSelection = true;
    delete control;
    m_bFollowingSelection = false;
}

void CProjectTreePane::OnItemChanged(CProjectTreeItem& item)
{
    if (QTreeWidgetItem* control = ControlItem(&item))
        ShowItem(item, *control);
}

void CProjectTreePane::OnSelectionChanged(CProjectTreeItem* item)
{
    m_bFollowingSelection = true;
    QTreeWidgetItem* control = ControlItem(item);
    m_pTree->setCurrentItem(control);
    if (control == nullptr)
        m_pTree->clearSelection();
    m_bFollowingSelection = false;
}
