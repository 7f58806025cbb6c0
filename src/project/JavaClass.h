#pragma once

#include "JavaClassList.h"
#include "JavaComponent.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A class or interface with its method signatures, in the order found, and its inner classes.
class CJavaClass : public CJavaComponent {
public:
    CJavaClass() = default;
    explicit CJavaClass(std::string name) : m_strClassName(std::move(name)) {}

    void SetName(std::string name) { m_strClassName = std::move(name); }
    const std::string& GetName() const { return m_strClassName; }

    void AppendMethod(std::string signature);
    // Exact comparison, in constant time: a rescan asks this once for every method it finds.
    bool HasMethod(std::string_view signature) const;
    const std::vector<std::string>& GetMethods() const { return m_methods; }

    CJavaClassList& GetInnerClasses() { return m_classes; }
    const CJavaClassList& GetInnerClasses() const { return m_classes; }
    bool HasInnerClass(std::string_view name) const { return m_classes.HasClass(name); }
    CJavaClass* FindInnerClass(std::string_view name) const { return m_classes.FindClass(name); }

    // Record: the methods as a counted string array, the inner classes, the name.
    void Serialize(CArchive& ar) override;

private:
    // A slot of the method index: the signature's hash and its place in m_methods plus one (0: free).
    struct CMethodSlot {
        std::size_t nHash = 0;
        std::size_t nPlace = 0;
    };

    std::size_t FindSlot(std::string_view signature, std::size_t hash) const;
    void IndexMethod(std::size_t index);
    void GrowIndex();
    void ReindexMethods();

    std::vector<std::string> m_methods;
    // A hash set of the signatures in m_methods by their place, open addressed and at most half
    // full; a repeated signature is indexed by its first place. The vector alone keeps the
    // order and any repeats a stored file holds, so a loaded class is written back byte for byte.
    std::vector<CMethodSlot> m_methodIndex;
    std::string m_strClassName;
    CJavaClassList m_classes;
};
