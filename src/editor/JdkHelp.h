#pragma once

#include <string>
#include <string_view>

class CDesktopShell;
class CUi;

// JDK Help on the selected word. A help path that names a javadoc folder, or its index.html,
// opens the API page of the class the word names, found through the folder's own search index,
// and the folder's index for a word it does not know or for no word at all. Any other help
// file is handed to the desktop as it is.
namespace JdkHelp {

// The file to open, or empty when the help path names nothing that exists.
std::string FindPage(const std::string& helpPath, std::string_view selected);

// Opens what FindPage gives; says so when there is nothing to open or the desktop took none.
void Show(CUi& ui, CDesktopShell& shell, const std::string& helpPath, std::string_view selected);

// The page, relative to the javadoc folder, of the class named name ("String", "Map.Entry" or
// "java.util.Map.Entry") in the type index typeIndex, with modules taken from packageIndex;
// empty when the index has no such class. Both are the javadoc's script files as written.
std::string PageInIndex(std::string_view typeIndex, std::string_view packageIndex, std::string_view name);

}  // namespace JdkHelp
