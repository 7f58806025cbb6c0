#pragma once

#include "framework/Archive.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

// A list of 255 owning slots. Slots 0 to GetCount() - 1 hold the items in the order they
// were added; removing an item destroys it and closes the gap.
template <typename Item>
class CJavaList {
public:
    static constexpr int kSlots = 255;

    CJavaList() = default;
    ~CJavaList() = default;
    CJavaList(const CJavaList&) = delete;
    CJavaList& operator=(const CJavaList&) = delete;

    // A full list refuses the item, which is then destroyed with the argument.
    bool Add(std::unique_ptr<Item> item)
    {
        if (m_nCount >= kSlots)
            return false;
        m_items[static_cast<std::size_t>(m_nCount++)] = std::move(item);
        return true;
    }

    int GetCount() const { return m_nCount; }

    Item* GetAt(int index) const
    {
        if (index < 0 || index >= m_nCount)
            return nullptr;
        return m_items[static_cast<std::size_t>(index)].get();
    }

    void RemoveAt(int index)
    {
        if (index < 0 || index >= m_nCount)
            return;
        for (int i = index; i < m_nCount - 1; ++i)
            m_items[static_cast<std::size_t>(i)] = std::move(m_items[static_cast<std::size_t>(i + 1)]);
        m_items[static_cast<std::size_t>(--m_nCount)].reset();
    }

    void RemoveAll()
    {
        for (int i = 0; i < m_nCount; ++i)
            m_items[static_cast<std::size_t>(i)].reset();
        m_nCount = 0;
    }

    // The count as 32 bits, then each item's record, slot 0 first, with no type tag.
    void Serialize(CArchive& ar)
    {
        if (ar.IsStoring()) {
            ar.WriteI32(m_nCount);
            for (int i = 0; i < m_nCount; ++i)
                m_items[static_cast<std::size_t>(i)]->Serialize(ar);
            return;
        }
        RemoveAll();
        CArchive::CDepthGuard depth(ar);
        const std::int32_t count = ar.ReadI32();
        if (ar.Failed())
            return;
        // The program never writes more than the slots hold; such a count is a damaged file.
        if (count < 0 || count > kSlots) {
            ar.Fail();
            return;
        }
        for (std::int32_t i = 0; i < count && !ar.Failed(); ++i) {
            auto item = std::make_unique<Item>();
            item->Serialize(ar);
            m_items[static_cast<std::size_t>(m_nCount++)] = std::move(item);
        }
    }

private:
    int m_nCount = 0;
    std::array<std::unique_ptr<Item>, kSlots> m_items;
};

// The lookups the two file lists share; names and paths compare exactly.
template <typename Item>
class CFileList : public CJavaList<Item> {
public:
    Item* FindByPath(std::string_view path) const
    {
        for (int i = 0; i < this->GetCount(); ++i) {
            if (this->GetAt(i)->GetPath() == path)
                return this->GetAt(i);
        }
        return nullptr;
    }

    Item* FindByName(std::string_view name) const
    {
        for (int i = 0; i < this->GetCount(); ++i) {
            if (this->GetAt(i)->GetName() == name)
                return this->GetAt(i);
        }
        return nullptr;
    }

    bool HasName(std::string_view name) const { return FindByName(name) != nullptr; }

    // The index of the first item with this path, or -1.
    int IndexOfPath(std::string_view path) const
    {
        for (int i = 0; i < this->GetCount(); ++i) {
            if (this->GetAt(i)->GetPath() == path)
                return i;
        }
        return -1;
    }
};
