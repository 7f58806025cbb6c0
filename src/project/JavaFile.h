#pragma once

#include "JavaClassList.h"
#include "VelmarFile.h"

#include <cstdint>
#include <string>

// A Java source entry with the top-level classes and interfaces found in it.
class CJavaFile : public CVelmarFile {
public:
    CJavaFile() = default;
    explicit CJavaFile(std::string projectPath) : CVelmarFile(std::move(projectPath)) {}

    // A stamp that changes whenever the classes may have changed, unique among all entries
    // made in this run: what shows the classes can tell an entry it has seen from a changed
    // or a new one without comparing every class and method.
    std::uint64_t GetRevision() const { return m_nRevision; }
    void Touch() { m_nRevision = NextRevision(); }

    CJavaClassList& GetClasses() { return m_classes; }
    const CJavaClassList& GetClasses() const { return m_classes; }
    const std::string& GetExtra() const { return m_strExtra; }

    // Record: the plain file record, the classes, the extra string.
    void Serialize(CArchive& ar) override;

private:
    static std::uint64_t NextRevision();

    std::uint64_t m_nRevision = NextRevision();
    std::string m_strExtra;  // never set by the program, stored unchanged
    CJavaClassList m_classes;
};
