#include "VelmarFile.h"

#include "framework/Archive.h"
#include "platform/Paths.h"

void CVelmarFile::SetPath(const std::string& path)
{
    m_strPath = path;
    m_strName = Paths::NameOf(path);
}

const std::string& CVelmarFile::Relocate(const std::string& projectPath)
{
    if (m_strProjectPath.empty() || m_strProjectPath == projectPath)
        return m_strPath;
    const std::string oldFolder = Paths::FolderOf(m_strProjectPath);
    const std::string newFolder = Paths::FolderOf(projectPath);
    const std::string fileFolder = Paths::FolderOf(m_strPath);
    if (fileFolder.size() < oldFolder.size())
        return m_strPath;
    std::size_t common = 0;
    while (common < oldFolder.size() && fileFolder[common] == oldFolder[common])
        ++common;
    m_strPath = newFolder + fileFolder.substr(common) + Paths::kSeparator + m_strName;
    m_strProjectPath = projectPath;
    return m_strPath;
}

void CVelmarFile::Serialize(CArchive& ar)
{
    ar.Exchange(m_strName);
    ar.Exchange(m_strPath);
    ar.Exchange(m_strProjectPath);
}
