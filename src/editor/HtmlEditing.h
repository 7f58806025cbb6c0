#pragma once

#include <string>
#include <string_view>

// The page window's own editing rules.
namespace HtmlEditing {

// Insert Applet's text for the project's main file: an APPLET tag whose CODE is the file's name
// with every ".java" made ".class", 300 by 300, around "Applet" and that name, each line ended
// by lineBreak.
std::string AppletTag(std::string_view mainFile, std::string_view lineBreak);

}  // namespace HtmlEditing
