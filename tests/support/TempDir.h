#pragma once

#include <string>
#include <string_view>

// A fresh folder for one test, removed with everything in it when the test ends.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::string& Path() const { return m_strPath; }
    std::string File(std::string_view name) const { return m_strPath + "/" + std::string(name); }

    // Writes bytes to a file in the folder (creating subfolders) and returns its path.
    std::string Write(std::string_view name, std::string_view bytes) const;
    static std::string Read(const std::string& path);

private:
    std::string m_strPath;
};
