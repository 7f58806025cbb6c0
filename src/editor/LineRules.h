#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The rules the caret line's passes of both source windows share, over one line without its
// line break and its classes (one per byte).
namespace LineRules {

// Gives bytes nFrom up to nTo (clamped to the classes) the class code. Most runs are a few
// bytes long, for which a loop here costs less than a call.
inline void Fill(std::string& classes, std::size_t nFrom, std::size_t nTo, char code)
{
    nTo = nTo < classes.size() ? nTo : classes.size();
    char* const bytes = classes.data();
    for (std::size_t i = nFrom; i < nTo; ++i)
        bytes[i] = code;
}

// Strings: a quote after a backslash that is not itself escaped does not close; an unclosed
// string runs to the line's end; the byte after a closing quote never opens the next one.
void MarkStrings(std::string_view line, std::string& classes);

// Block comments found by search, strings or not: each opener runs through the next closer,
// searched from the opener itself, or to the line's end. One left open above covers the line
// unless the line closes it, and then runs through the line's first closer when no opener
// follows the last comment.
void MarkBlockComments(std::string_view line, std::string& classes, std::string_view opener, std::string_view closer,
                       bool bOpenAbove);

}  // namespace LineRules
