#include "SourceRoot.h"

#include "platform/Paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace SourceRoot {

namespace {

bool IsNameByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '$' ||
           u >= 0x80;
}

bool IsJavaName(std::string_view text)
{
    return !text.empty() && !(text[0] >= '0' && text[0] <= '9') && std::all_of(text.begin(), text.end(), IsNameByte);
}

// Reads Java text from its start, past white space and comments, one word or mark at a time.
class CTokens {
public:
    explicit CTokens(std::string_view text) : m_text(text) {}

    // The next Java name, or the next single byte that is not part of one; "" at the end.
    std::string_view Next()
    {
        SkipBlanks();
        if (m_nAt >= m_text.size())
            return {};
        const std::size_t nStart = m_nAt;
        if (!IsNameByte(m_text[m_nAt]))
            return m_text.substr(m_nAt++, 1);
        while (m_nAt < m_text.size() && IsNameByte(m_text[m_nAt]))
            ++m_nAt;
        return m_text.substr(nStart, m_nAt - nStart);
    }

private:
    void SkipBlanks()
    {
        while (m_nAt < m_text.size()) {
            const std::string_view rest = m_text.substr(m_nAt);
            if (rest.starts_with("//")) {
                const std::size_t nEnd = rest.find_first_of("\r\n");
                m_nAt = nEnd == std::string_view::npos ? m_text.size() : m_nAt + nEnd;
            } else if (rest.starts_with("/*")) {
                const std::size_t nEnd = rest.find("*/", 2);
                m_nAt = nEnd == std::string_view::npos ? m_text.size() : m_nAt + nEnd + 2;
            } else if (rest[0] == ' ' || rest[0] == '\t' || rest[0] == '\r' || rest[0] == '\n' || rest[0] == '\f') {
                ++m_nAt;
            } else {
                break;
            }
        }
    }

    std::string_view m_text;
    std::size_t m_nAt = 0;
};

std::string ClassOfFile(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

std::string PackageFolders(const std::string& package)
{
    std::string folders = package;
    std::replace(folders.begin(), folders.end(), '.', Paths::kSeparator);
    return folders;
}

}  // namespace

std::string ReadPackage(std::string_view text)
{
    CTokens tokens(text);
    std::string_view token = tokens.Next();
    // A package's annotations stand before it.
    while (token == "@") {
        token = tokens.Next();
        std::string_view after = tokens.Next();
        while (after == ".") {
            tokens.Next();
            after = tokens.Next();
        }
        if (after == "(") {
            for (int nDepth = 1; nDepth > 0 && !(after = tokens.Next()).empty();)
                nDepth += after == "(" ? 1 : after == ")" ? -1 : 0;
            after = tokens.Next();
        }
        token = after;
    }
    if (token != "package")
        return {};
    std::string name;
    for (;;) {
        const std::string_view part = tokens.Next();
        if (!IsJavaName(part))
            return {};
        name += part;
        const std::string_view after = tokens.Next();
        if (after == ";")
            return name;
        if (after != ".")
            return {};
        name += '.';
    }
}

std::optional<CSourceRoot> Find(const std::string& path, const std::string& package)
{
    const std::string folder = Paths::FolderOf(path);
    const std::string name = Paths::NameOf(path);
    CSourceRoot source {path, folder, name, package, ClassOfFile(name)};
    if (package.empty())
        return source;
    const std::string folders = PackageFolders(package);
    const std::string ending = Paths::kSeparator + folders;
    if (folder.size() < ending.size() || folder.compare(folder.size() - ending.size(), ending.size(), ending) != 0)
        return std::nullopt;
    source.strRoot = folder.substr(0, folder.size() - ending.size());
    // A package right under the file system's root.
    if (source.strRoot.empty())
        source.strRoot = std::string(1, Paths::kSeparator);
    source.strRelativePath = Paths::Join(folders, name);
    source.strClassName = package + "." + source.strClassName;
    return source;
}

std::string MismatchMessage(const std::string& path, const std::string& package)
{
    return Paths::NameOf(path) + " declares the package " + package + ", but its folder\n" + Paths::FolderOf(path) +
           "\ndoes not end in " + PackageFolders(package) +
           ".\nMove the file to the package's folder under its source root, or change its package.";
}

std::vector<std::string> PackageFoldersWithClasses(const std::string& root)
{
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    std::vector<std::string> pending = {""};
    while (!pending.empty()) {
        const std::string relative = std::move(pending.back());
        pending.pop_back();
        std::error_code ec;
        bool bHasClasses = false;
        for (fs::directory_iterator it(relative.empty() ? root : Paths::Join(root, relative), ec), end; !ec && it != end;
             it.increment(ec)) {
            const std::string entry = it->path().filename().string();
            std::error_code typeError;
            // Links are not followed: a package is a real folder, and a link could lead round in circles.
            if (it->is_directory(typeError) && !it->is_symlink(typeError) && IsJavaName(entry))
                pending.push_back(relative.empty() ? entry : Paths::Join(relative, entry));
            else if (Paths::ExtensionOf(entry) == "class" && it->is_regular_file(typeError))
                bHasClasses = true;
        }
        if (bHasClasses && !relative.empty())
            found.push_back(relative);
    }
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace SourceRoot
