#include "RecentFileList.h"

#include "Profile.h"

#include "platform/Paths.h"

#include <algorithm>

CRecentFileList::CRecentFileList(std::string section, std::string entryFormat)
    : m_strSection(std::move(section)), m_strEntryFormat(std::move(entryFormat))
{
}

std::string CRecentFileList::EntryName(int number) const
{
    std::string name = m_strEntryFormat;
    const auto pos = name.find("%d");
    if (pos != std::string::npos)
        name.replace(pos, 2, std::to_string(number));
    return name;
}

void CRecentFileList::Add(const std::string& path)
{
    if (path.empty())
        return;
    const auto it = std::find(m_paths.begin(), m_paths.end(), path);
    if (it != m_paths.end())
        m_paths.erase(it);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > static_cast<std::size_t>(kSize))
        m_paths.resize(kSize);
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < GetSize())
        m_paths.erase(m_paths.begin() + index);
}

void CRecentFileList::ReadList(CProfile& profile)
{
    m_paths.clear();
    for (int i = 1; i <= kSize; ++i) {
        std::string path = profile.GetProfileString(m_strSection, EntryName(i), "");
        if (!path.empty())
            m_paths.push_back(std::move(path));
    }
}

void CRecentFileList::WriteList(CProfile& profile) const
{
    for (int i = 1; i <= kSize; ++i) {
        const std::string entry = EntryName(i);
        if (i <= GetSize())
            profile.WriteProfileString(m_strSection, entry, m_paths[static_cast<std::size_t>(i - 1)]);
        else
            profile.WriteProfileString(m_strSection, entry, "");
    }
}

std::string CRecentFileList::GetDisplayName(int index) const
{
    const std::string number = std::to_string(index + 1);
    std::string path = AbbreviatePath((*this)[index], kDisplayLength);
    // A "&" in a path would turn the next letter into a mnemonic.
    std::string escaped;
    for (char c : path) {
        if (c == '&')
            escaped += '&';
        escaped += c;
    }
    return "&" + number + " " + escaped;
}

std::string CRecentFileList::AbbreviatePath(std::string_view path, std::size_t maxLength)
{
    if (path.size() <= maxLength)
        return std::string(path);
    const std::string name = Paths::NameOf(path);
    const std::string root = path.front() == Paths::kSeparator ? std::string(1, Paths::kSeparator) : std::string();
    const std::string dots = "...";
    std::string tail = std::string(1, Paths::kSeparator) + name;
    if (root.size() + dots.size() + tail.size() > maxLength)
        return name;
    // Add trailing folders while they fit.
    std::string_view rest = path.substr(0, path.size() - name.size() - 1);
    while (!rest.empty()) {
        const auto cut = rest.rfind(Paths::kSeparator);
        const std::string_view folder = cut == std::string_view::npos ? rest : rest.substr(cut + 1);
        const std::string candidate = std::string(1, Paths::kSeparator) + std::string(folder) + tail;
        if (root.size() + dots.size() + candidate.size() > maxLength)
            break;
        tail = candidate;
        if (cut == std::string_view::npos)
            break;
        rest = rest.substr(0, cut);
    }
    return root + dots + tail;
}
