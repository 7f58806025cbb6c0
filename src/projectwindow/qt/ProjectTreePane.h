#pragma once

#include "projectwindow/ProjectTreeObserver.h"
#include "projectwindow/ProjectTreePanel.h"

#include <QHash>
#include <QIcon>
#include <QWidget>

#include <array>

class CJavaProjectDoc;
class CProjectTreeHost;
class QTreeWidget;
class QTreeWidgetItem;

// The panel in the project window bar: the project tree on screen. It shows the items of its
// panel's tree as they change, and passes double-clicks, the selection and the context menu's
// commands back to it.
class CProjectTreePane : public QWidget, private CProjectTreeObserver {
    Q_OBJECT
public:
    CProjectTreePane(CJavaProjectDoc& project, CProjectTreeHost& host, QWidget* parent = nullptr);
    ~CProjectTreePane() override;

    CProjectTreePanel& GetPanel() { return m_panel; }
    QTreeWidget* GetTreeControl() const { return m_pTree; }
    // The control's item for a tree item, and the reverse.
    QTreeWidgetItem* ControlItem(const CProjectTreeItem* item) const { return m_items.value(item, nullptr); }
    CProjectTreeItem* TreeItem(const QTreeWidgetItem* item) const;

    // The context menu at pos (in the control's viewport); nothing on empty space. Returns the
    // command chosen, 0 for none.
    int ShowContextMenu(const QPoint& pos);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // F8 and Del pressed in the tree act on the tree, whatever window is active, and never
    // reach the window's shortcuts.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnRefreshStarting() override;
    void OnRefreshEnded() override;
    void OnItemInserted(CProjectTreeItem& item, int index) override;
    void OnItemRemoving(CProjectTreeItem& item) override;
    void OnItemChanged(CProjectTreeItem& item) override;
    void OnSelectionChanged(CProjectTreeItem* item) override;
    void Forget(const CProjectTreeItem& item);
    void ShowItem(const CProjectTreeItem& item, QTreeWidgetItem& control) const;

    CProjectTreePanel m_panel;
    QTreeWidget* m_pTree;
    QHash<const CProjectTreeItem*, QTreeWidgetItem*> m_items;
    std::array<QIcon, CProjectTreeItem::kImageCount> m_icons;
    bool m_bFollowingSelection = false;
};
