#pragma once

#include "JavaComponent.h"

#include <string>

// A plain file entry: the file's full path, its name, and the project file it was recorded with.
class CVelmarFile : public CJavaComponent {
public:
    CVelmarFile() = default;
    explicit CVelmarFile(std::string projectPath) : m_strProjectPath(std::move(projectPath)) {}

    // Also takes the name from the text after the last separator.
    void SetPath(const std::string& path);
    const std::string& GetPath() const { return m_strPath; }
    const std::string& GetName() const { return m_strName; }
    void SetName(std::string name) { m_strName = std::move(name); }
    const std::string& GetProjectPath() const { return m_strProjectPath; }

    // Moves the path along with the project when the project file now lies elsewhere, keeping
    // the file's place relative to the project's folder; returns the (possibly new) path.
    const std::string& Relocate(const std::string& projectPath);

    // Record: name, path, project path.
    void Serialize(CArchive& ar) override;

private:
    std::string m_strPath;
    std::string m_strName;
    std::string m_strProjectPath;
};
