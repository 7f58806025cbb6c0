#include "FilePropertiesDlg.h"

#include "framework/DesktopShell.h"
#include "platform/Paths.h"

namespace {

// A path as the path part of a file: address, each byte outside the unreserved set and "/"
// written as %XX.
std::string EncodePath(const std::string& path)
{
    static const char* const kHex = "0123456789ABCDEF";
    std::string url;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool bPlain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
                            byte == '-' || byte == '.' || byte == '_' || byte == '~' || byte == '/';
        if (bPlain) {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0x0F];
        }
    }
    return url;
}

}  // namespace

CFilePropertiesDlg::CFilePropertiesDlg(CDesktopShell& shell, std::string fileName, std::string fullPath)
    : m_shell(shell), m_strFileName(std::move(fileName)), m_strFullPath(std::move(fullPath))
{
}

std::string CFilePropertiesDlg::FolderUrl() const
{
    if (m_strFullPath.find(Paths::kSeparator) == std::string::npos)
        return {};
    std::string folder = Paths::FolderOf(m_strFullPath);
    if (folder.empty())
        folder = std::string(1, Paths::kSeparator);
    // An absolute path already starts with the separator: "file://" + "/home/..." has three.
    if (folder.front() != Paths::kSeparator)
        folder.insert(folder.begin(), Paths::kSeparator);
    return "file://" + EncodePath(folder);
}

bool CFilePropertiesDlg::OnOpenFolder()
{
    const std::string url = FolderUrl();
    return !url.empty() && m_shell.Open(url);
}
