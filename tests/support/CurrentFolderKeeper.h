#pragma once

#include <filesystem>
#include <string>

// The build and run commands move the program to the tool's folder; a test that runs them gets
// its own folder back when it ends. Declare it before the temporary folder it may move into.
class CCurrentFolderKeeper {
public:
    CCurrentFolderKeeper() : m_strFolder(std::filesystem::current_path()) {}
    ~CCurrentFolderKeeper() { std::filesystem::current_path(m_strFolder); }
    CCurrentFolderKeeper(const CCurrentFolderKeeper&) = delete;
    CCurrentFolderKeeper& operator=(const CCurrentFolderKeeper&) = delete;

private:
    std::string m_strFolder;
};
