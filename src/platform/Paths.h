#pragma once

#include <string>
#include <string_view>

// The separator and the folder/name rules every path-cutting rule of the program goes through.
namespace Paths {

inline constexpr char kSeparator = '/';

// Text before the last separator, with no trailing separator; "" when there is none.
std::string FolderOf(std::string_view path);

// Text after the last separator; the whole path when there is none.
std::string NameOf(std::string_view path);

// Folder, one separator, name.
std::string Join(std::string_view folder, std::string_view name);

// Text after the last "." of the path; "" when there is none.
std::string ExtensionOf(std::string_view path);

// The path made absolute against the current folder, without "." or ".." parts; symbolic
// links are kept as they are.
std::string Absolute(std::string_view path);

// The user's home folder: HOME, else the user database's entry, else ".".
std::string HomeFolder();

// A per-user base folder of the desktop's rules: the absolute path in the environment variable,
// else fallback under the home folder (".config" for XDG_CONFIG_HOME, ".local/state" for
// XDG_STATE_HOME).
std::string UserBaseFolder(const char* variable, std::string_view fallback);

}  // namespace Paths
