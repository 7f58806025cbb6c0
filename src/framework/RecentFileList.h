#pragma once

#include <string>
#include <string_view>
#include <vector>

class CProfile;
class CRecentFileList;

// Hears when the list changes, to store it.
class CRecentFileListObserver {
public:
    virtual ~CRecentFileListObserver() = default;
    virtual void OnRecentFileListChanged(const CRecentFileList& list) = 0;
};

// The File menu's list of recently opened documents, most recent first.
class CRecentFileList {
public:
    static constexpr int kSize = 8;
    static constexpr int kDisplayLength = 30;

    explicit CRecentFileList(std::string section = "Recent File List", std::string entryFormat = "File%d");

    // Moves an existing entry to the front, or inserts a new one there.
    void Add(const std::string& path);
    void Remove(int index);
    int GetSize() const { return static_cast<int>(m_paths.size()); }
    const std::string& operator[](int index) const { return m_paths[static_cast<std::size_t>(index)]; }

    void ReadList(CProfile& profile);
    void WriteList(CProfile& profile) const;

    // The menu text of entry index: "&1 " and the path shortened to at most kDisplayLength characters.
    std::string GetDisplayName(int index) const;

    // Keeps the root and as many trailing folders as fit, putting "..." for the rest; the file
    // name is always kept whole.
    static std::string AbbreviatePath(std::string_view path, std::size_t maxLength);

private:
    std::string EntryName(int number) const;

    std::string m_strSection;
    std::string m_strEntryFormat;
    std::vector<std::string> m_paths;
};
