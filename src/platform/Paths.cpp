#include "Paths.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace Paths {

std::string FolderOf(std::string_view path)
{
    const auto pos = path.rfind(kSeparator);
    if (pos == std::string_view::npos)
        return {};
    return std::string(path.substr(0, pos));
}

std::string NameOf(std::string_view path)
{
    const auto pos = path.rfind(kSeparator);
    if (pos == std::string_view::npos)
        return std::string(path);
    return std::string(path.substr(pos + 1));
}

std::string Join(std::string_view folder, std::string_view name)
{
    std::string result;
    result.reserve(folder.size() + 1 + name.size());
    result.append(folder);
    result.push_back(kSeparator);
    result.append(name);
    return result;
}

std::string ExtensionOf(std::string_view path)
{
    const auto pos = path.rfind('.');
    if (pos == std::string_view::npos)
        return {};
    return std::string(path.substr(pos + 1));
}

std::string Absolute(std::string_view path)
{
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(std::filesystem::path(path), ec);
    return ec ? std::string(path) : absolute.lexically_normal().string();
}

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr)
        return found->pw_dir;
    return ".";
}

std::string UserBaseFolder(const char* variable, std::string_view fallback)
{
    // A relative path is not to be used, by the rules.
    if (const char* value = std::getenv(variable); value != nullptr && value[0] == kSeparator)
        return value;
    return Join(HomeFolder(), fallback);
}

}  // namespace Paths
