#pragma once

class CProjectTreeItem;

// What shows the project tree on screen hears of each change of it here.
class CProjectTreeObserver {
public:
    virtual ~CProjectTreeObserver() = default;

    // A refresh starts and ends: the screen need not follow each step in between.
    virtual void OnRefreshStarting() {}
    virtual void OnRefreshEnded() {}
    // item was inserted as child index of its parent.
    virtual void OnItemInserted(CProjectTreeItem& item, int index) = 0;
    // item and everything under it is about to go.
    virtual void OnItemRemoving(CProjectTreeItem& item) = 0;
    // Its picture or its expanding button changed.
    virtual void OnItemChanged(CProjectTreeItem& item) = 0;
    virtual void OnSelectionChanged(CProjectTreeItem* item) = 0;
};
