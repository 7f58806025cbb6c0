#pragma once

#include <string>
#include <string_view>

// The skeletons that New Project writes: the template texts with the class name put in, and
// the text-mode bytes that go to disk (each line feed written as CR LF).
namespace ProjectTemplates {

std::string ReplaceAll(std::string text, std::string_view what, std::string_view with);
std::string TextModeBytes(std::string_view text);

}  // namespace ProjectTemplates
