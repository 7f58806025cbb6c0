#pragma once

#include "JavaClassList.h"
#include "JavaComponent.h"

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

    void AppendMethod(std::string signature) { m_methods.push_back(std::move(signature)); }
    bool HasMethod(std::string_view signature) const;
    const std::vector<std::string>& GetMethods() const { return m_methods; }

    CJavaClassList& GetInnerClasses() { return m_classes; }
    const CJavaClassList& GetInnerClasses() const { return m_classes; }
    bool HasInnerClass(std::string_view name) const { return m_classes.HasClass(name); }
    CJavaClass* FindInnerClass(std::string_view name) const { return m_classes.FindClass(name); }

    // Record: the methods as a counted string array, the inner classes, the name.
    void Serialize(CArchive& ar) override;

private:
    std::vector<std::string> m_methods;
    std::string m_strClassName;
    CJavaClassList m_classes;
};
