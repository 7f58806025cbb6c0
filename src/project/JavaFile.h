#pragma once

#include "JavaClassList.h"
#include "VelmarFile.h"

#include <string>

// A Java source entry with the top-level classes and interfaces found in it.
class CJavaFile : public CVelmarFile {
public:
    CJavaFile() = default;
    explicit CJavaFile(std::string projectPath) : CVelmarFile(std::move(projectPath)) {}

    CJavaClassList& GetClasses() { return m_classes; }
    const CJavaClassList& GetClasses() const { return m_classes; }
    const std::string& GetExtra() const { return m_strExtra; }

    // Record: the plain file record, the classes, the extra string.
    void Serialize(CArchive& ar) override;

private:
    std::string m_strExtra;  // never set by the program, stored unchanged
    CJavaClassList m_classes;
};
