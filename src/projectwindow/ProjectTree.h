#pragma once

#include "ProjectTreeItem.h"

#include <string>

class CJavaClass;
class CJavaFile;
class CJavaProjectDoc;
class CProjectTreeObserver;

// The project tree's items: the project's Java files with their classes, inner classes and
// methods, and its HTML files, each level sorted by name. A refresh brings the items in step
// with the project without rebuilding them, so an item that stays keeps its place on screen
// (and with it its expansion); a Java file whose classes have not changed since the last
// refresh is not walked again.
class CProjectTree {
public:
    CProjectTree() : m_root(nullptr, std::string(), CProjectTreeItem::kJavaFile) {}

    void SetObserver(CProjectTreeObserver* observer) { m_pObserver = observer; }

    // The invisible item whose children are the root level.
    const CProjectTreeItem& GetRoot() const { return m_root; }
    int GetRootCount() const { return m_root.GetChildCount(); }
    CProjectTreeItem* GetRootItem(int index) const { return m_root.GetChild(index); }
    // The root item with exactly this text, or none.
    CProjectTreeItem* FindRootItem(const std::string& text) const { return m_root.FindChild(text); }

    void Refresh(CJavaProjectDoc& project);

    CProjectTreeItem* GetSelected() const { return m_pSelected; }
    void Select(CProjectTreeItem* item);
    // Deletes item and everything under it; a selection inside it goes with it.
    void DeleteItem(CProjectTreeItem& item);

private:
    CProjectTreeItem& FindOrAdd(CProjectTreeItem& parent, const std::string& text, CProjectTreeItem::Image image);
    void SetImage(CProjectTreeItem& item, CProjectTreeItem::Image image);
    void MarkWithChildren(CProjectTreeItem& item);
    void AddClass(CProjectTreeItem& fileItem, const CJavaClass& javaClass);
    // Removes what the entry no longer has from under its item.
    void PruneFile(CProjectTreeItem& fileItem, const CJavaFile& file);
    static bool Contains(const CProjectTreeItem& ancestor, const CProjectTreeItem* item);

    CProjectTreeItem m_root;
    CProjectTreeObserver* m_pObserver = nullptr;
    CProjectTreeItem* m_pSelected = nullptr;
    // The selection a refresh gives back at its end, unless its item went.
    CProjectTreeItem* m_pRemembered = nullptr;
};
