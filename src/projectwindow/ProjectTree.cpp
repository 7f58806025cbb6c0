#include "ProjectTree.h"

#include "NameOrder.h"
#include "ProjectTreeObserver.h"

#include "project/JavaClass.h"
#include "project/JavaProjectDoc.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

void CProjectTree::Select(CProjectTreeItem* item)
{
    if (item == m_pSelected)
        return;
    m_pSelected = item;
    if (m_pObserver != nullptr)
        m_pObserver->OnSelectionChanged(item);
}

bool CProjectTree::Contains(const CProjectTreeItem& ancestor, const CProjectTreeItem* item)
{
    for (; item != nullptr; item = item->GetParent()) {
        if (item == &ancestor)
            return true;
    }
    return false;
}

void CProjectTree::DeleteItem(CProjectTreeItem& item)
{
    CProjectTreeItem* parent = item.GetParent();
    if (parent == nullptr)
        return;
    if (Contains(item, m_pSelected))
        Select(nullptr);
    if (Contains(item, m_pRemembered))
        m_pRemembered = nullptr;
    // What lies under a file's item no longer matches the entry: the next refresh walks it.
    if (parent != &m_root)
        const_cast<CProjectTreeItem*>(item.GetRootItem())->m_nSyncedRevision = 0;
    if (m_pObserver != nullptr)
        m_pObserver->OnItemRemoving(item);
    const auto found = parent->m_byText.find(item.m_strText);
    if (found != parent->m_byText.end() && found->second == &item)
        parent->m_byText.erase(found);
    const int index = parent->IndexOf(item);
    parent->m_children.erase(parent->m_children.begin() + index);
}

CProjectTreeItem& CProjectTree::FindOrAdd(CProjectTreeItem& parent, const std::string& text,
                                          CProjectTreeItem::Image image)
{
    if (CProjectTreeItem* found = parent.FindChild(text)) {
        SetImage(*found, image);
        return *found;
    }
    const auto place = std::lower_bound(
        parent.m_children.begin(), parent.m_children.end(), text,
        [](const std::unique_ptr<CProjectTreeItem>& child, const std::string& t) { return NameOrder::Before(child->m_strText, t); });
    const int index = static_cast<int>(place - parent.m_children.begin());
    auto& item = *parent.m_children.insert(place, std::make_unique<CProjectTreeItem>(&parent, text, image));
    parent.m_byText.emplace(text, item.get());
    if (m_pObserver != nullptr)
        m_pObserver->OnItemInserted(*item, index);
    return *item;
}

void CProjectTree::SetImage(CProjectTreeItem& item, CProjectTreeItem::Image image)
{
    if (item.m_image == image)
        return;
    item.m_image = image;
    if (m_pObserver != nullptr)
        m_pObserver->OnItemChanged(item);
}

void CProjectTree::MarkWithChildren(CProjectTreeItem& item)
{
    if (item.m_bMarkedWithChildren)
        return;
    item.m_bMarkedWithChildren = true;
    if (m_pObserver != nullptr)
        m_pObserver->OnItemChanged(item);
}

void CProjectTree::AddClass(CProjectTreeItem& fileItem, const CJavaClass& javaClass)
{
    CProjectTreeItem& classItem = FindOrAdd(fileItem, javaClass.GetName(), CProjectTreeItem::kClass);
    for (const std::string& method : javaClass.GetMethods())
        FindOrAdd(classItem, method, CProjectTreeItem::kMethod);
    const CJavaClassList& inners = javaClass.GetInnerClasses();
    for (int i = 0; i < inners.GetCount(); ++i) {
        const CJavaClass& inner = *inners.GetAt(i);
        CProjectTreeItem& innerItem = FindOrAdd(classItem, inner.GetName(), CProjectTreeItem::kClass);
        for (const std::string& method : inner.GetMethods())
            FindOrAdd(innerItem, method, CProjectTreeItem::kMethod);
        MarkWithChildren(innerItem);
    }
    MarkWithChildren(classItem);
}

void CProjectTree::PruneFile(CProjectTreeItem& fileItem, const CJavaFile& file)
{
    const CJavaClassList& classes = file.GetClasses();
    for (int c = fileItem.GetChildCount() - 1; c >= 0; --c) {
        CProjectTreeItem& classItem = *fileItem.GetChild(c);
        const CJavaClass* javaClass = classes.FindClass(classItem.GetText());
        if (javaClass == nullptr) {
            DeleteItem(classItem);
            continue;
        }
        for (int m = classItem.GetChildCount() - 1; m >= 0; --m) {
            CProjectTreeItem& child = *classItem.GetChild(m);
            const CJavaClass* inner = javaClass->FindInnerClass(child.GetText());
            if (inner == nullptr && !javaClass->HasMethod(child.GetText())) {
                DeleteItem(child);
                continue;
            }
            if (inner == nullptr)
                continue;
            for (int i = child.GetChildCount() - 1; i >= 0; --i) {
                if (!inner->HasMethod(child.GetChild(i)->GetText()))
                    DeleteItem(*child.GetChild(i));
            }
        }
    }
}

void CProjectTree::Refresh(CJavaProjectDoc& project)
{
    if (m_pObserver != nullptr)
        m_pObserver->OnRefreshStarting();
    m_pRemembered = m_pSelected;
    Select(nullptr);

    // The first entry of each name is the one a name stands for.
    const CJavaFileList& javaFiles = project.GetJavaFiles();
    std::unordered_map<std::string, const CJavaFile*> javaByName;
    for (int i = 0; i < javaFiles.GetCount(); ++i)
        javaByName.emplace(javaFiles.GetAt(i)->GetName(), javaFiles.GetAt(i));
    std::unordered_set<std::string> plainNames;
    const CVelmarFileList& plainFiles = project.GetPlainFiles();
    for (int i = 0; i < plainFiles.GetCount(); ++i)
        plainNames.insert(plainFiles.GetAt(i)->GetName());

    std::unordered_set<const CProjectTreeItem*> synced;
    for (int i = 0; i < javaFiles.GetCount(); ++i) {
        const CJavaFile& file = *javaFiles.GetAt(i);
        CProjectTreeItem& fileItem = FindOrAdd(m_root, file.GetName(), CProjectTreeItem::kJavaFile);
        SetImage(fileItem, file.GetName() == project.GetMainJavaFile() ? CProjectTreeItem::kMainJavaFile
                                                                        : CProjectTreeItem::kJavaFile);
        MarkWithChildren(fileItem);
        const bool bStandsForName = javaByName[file.GetName()] == &file;
        if (bStandsForName && fileItem.m_nSyncedRevision == file.GetRevision()) {
            synced.insert(&fileItem);
            continue;
        }
        const CJavaClassList& classes = file.GetClasses();
        for (int c = 0; c < classes.GetCount(); ++c)
            AddClass(fileItem, *classes.GetAt(c));
        PruneFile(fileItem, *javaByName[file.GetName()]);
        if (bStandsForName) {
            fileItem.m_nSyncedRevision = file.GetRevision();
            synced.insert(&fileItem);
        }
    }
    for (int i = 0; i < plainFiles.GetCount(); ++i)
        FindOrAdd(m_root, plainFiles.GetAt(i)->GetName(), CProjectTreeItem::kHtmlFile);

    for (int r = m_root.GetChildCount() - 1; r >= 0; --r) {
        CProjectTreeItem& item = *m_root.GetChild(r);
        const auto java = javaByName.find(item.GetText());
        if (java != javaByName.end()) {
            if (synced.count(&item) == 0)
                PruneFile(item, *java->second);
        } else if (plainNames.count(item.GetText()) == 0) {
            DeleteItem(item);
        }
    }

    Select(m_pRemembered);
    m_pRemembered = nullptr;
    if (m_pObserver != nullptr)
        m_pObserver->OnRefreshEnded();
}
