#include "ProjectTreeItem.h"

const CProjectTreeItem* CProjectTreeItem::GetRootItem() const
{
    if (m_pParent == nullptr)
        return nullptr;
    const CProjectTreeItem* item = this;
    while (item->m_pParent->m_pParent != nullptr)
        item = item->m_pParent;
    return item;
}

int CProjectTreeItem::IndexOf(const CProjectTreeItem& child) const
{
    for (std::size_t i = 0; i < m_children.size(); ++i) {
        if (m_children[i].get() == &child)
            return static_cast<int>(i);
    }
    return -1;
}

CProjectTreeItem* CProjectTreeItem::FindChild(const std::string& text) const
{
    const auto it = m_byText.find(text);
    return it == m_byText.end() ? nullptr : it->second;
}
