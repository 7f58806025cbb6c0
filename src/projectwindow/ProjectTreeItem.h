#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CProjectTree;

// One item of the project tree: a text and a picture, nothing else. Its children are kept in
// the tree's sorted order, and found by their text without walking the siblings.
class CProjectTreeItem {
public:
    // The pictures; each has its selected form at the next index.
    enum Image { kJavaFile = 0, kMainJavaFile = 2, kHtmlFile = 4, kClass = 6, kMethod = 8, kImageCount = 10 };

    CProjectTreeItem(CProjectTreeItem* parent, std::string text, Image image)
        : m_pParent(parent), m_strText(std::move(text)), m_image(image)
    {
    }
    CProjectTreeItem(const CProjectTreeItem&) = delete;
    CProjectTreeItem& operator=(const CProjectTreeItem&) = delete;

    const std::string& GetText() const { return m_strText; }
    Image GetImage() const { return m_image; }
    int GetSelectedImage() const { return m_image + 1; }
    // Shows an expanding button even before it has children.
    bool IsMarkedWithChildren() const { return m_bMarkedWithChildren; }
    CProjectTreeItem* GetParent() const { return m_pParent; }
    // The item at the root level this one lies under (itself for a root item); none for the
    // tree's invisible root.
    const CProjectTreeItem* GetRootItem() const;

    int GetChildCount() const { return static_cast<int>(m_children.size()); }
    CProjectTreeItem* GetChild(int index) const { return m_children[static_cast<std::size_t>(index)].get(); }
    int IndexOf(const CProjectTreeItem& child) const;
    // The child with exactly this text, or none.
    CProjectTreeItem* FindChild(const std::string& text) const;

private:
    friend class CProjectTree;

    CProjectTreeItem* m_pParent;
    std::string m_strText;
    Image m_image;
    bool m_bMarkedWithChildren = false;
    std::vector<std::unique_ptr<CProjectTreeItem>> m_children;
    std::unordered_map<std::string, CProjectTreeItem*> m_byText;
    // For a Java file's item: the entry's revision its children were last brought in step
    // with (0: never).
    std::uint64_t m_nSyncedRevision = 0;
};
