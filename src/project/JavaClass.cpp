#include "JavaClass.h"

#include "framework/Archive.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace {

constexpr std::size_t kFirstIndexSize = 16;

std::size_t HashOf(std::string_view signature)
{
    return std::hash<std::string_view>{}(signature);
}

}  // namespace

void CJavaClass::AppendMethod(std::string signature)
{
    m_methods.push_back(std::move(signature));
    IndexMethod(m_methods.size() - 1);
}

bool CJavaClass::HasMethod(std::string_view signature) const
{
    if (m_methodIndex.empty())
        return false;
    return m_methodIndex[FindSlot(signature, HashOf(signature))].nPlace != 0;
}

// The slot holding the signature, or the free slot where it would go; the index always has one.
std::size_t CJavaClass::FindSlot(std::string_view signature, std::size_t hash) const
{
    const std::size_t mask = m_methodIndex.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const CMethodSlot& slot = m_methodIndex[i];
        if (slot.nPlace == 0 || (slot.nHash == hash && m_methods[slot.nPlace - 1] == signature))
            return i;
    }
}

void CJavaClass::IndexMethod(std::size_t index)
{
    if (m_methodIndex.size() < 2 * m_methods.size())
        GrowIndex();
    const std::string& signature = m_methods[index];
    const std::size_t hash = HashOf(signature);
    CMethodSlot& slot = m_methodIndex[FindSlot(signature, hash)];
    if (slot.nPlace == 0)
        slot = {hash, index + 1};
}

// Doubles the index until it is at least twice the methods; the slots move by their stored
// hashes, without reading a signature again.
void CJavaClass::GrowIndex()
{
    std::size_t size = std::max(kFirstIndexSize, m_methodIndex.size());
    while (size < 2 * m_methods.size())
        size *= 2;
    const std::vector<CMethodSlot> old = std::exchange(m_methodIndex, std::vector<CMethodSlot>(size));
    const std::size_t mask = size - 1;
    for (const CMethodSlot& slot : old) {
        if (slot.nPlace == 0)
            continue;
        std::size_t i = slot.nHash & mask;
        while (m_methodIndex[i].nPlace != 0)
            i = (i + 1) & mask;
        m_methodIndex[i] = slot;
    }
}

void CJavaClass::ReindexMethods()
{
    m_methodIndex.clear();
    for (std::size_t i = 0; i < m_methods.size(); ++i)
        IndexMethod(i);
}

void CJavaClass::Serialize(CArchive& ar)
{
    ar.Exchange(m_methods);
    // Loading replaces the methods, also when the load stops part way.
    if (ar.IsLoading())
        ReindexMethods();
    m_classes.Serialize(ar);
    ar.Exchange(m_strClassName);
}
