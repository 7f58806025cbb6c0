#pragma once

#include <string>
#include <string_view>
#include <vector>

// The HTML page window's two colouring passes: plain functions from text to one colour class per
// byte (see ColourClass.h). Tags, the tag names inside them, quoted strings and comments are
// found by the window's own rules, which are not HTML's grammar; the differences are part of how
// the window colours. Tag names match in any case; nothing else the passes look for has letters.
namespace HtmlColouring {

// The tag names in table order, lower case.
const std::vector<std::string>& TagNames();
// The characters that continue a word; no digits, so h1 ends its run after the h.
inline constexpr std::string_view kTagAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_$@%&";

// The whole-text pass: tags, tag names inside tags, strings, then comments.
std::string FullPass(std::string_view text);

// The caret line's pass over line (without its line break), given whether the text above the
// line ends inside a tag (its last "<" after its last ">") and inside a comment.
std::string LinePass(std::string_view line, bool bInTagAbove, bool bOpenCommentAbove);

}  // namespace HtmlColouring
