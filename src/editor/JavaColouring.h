#pragma once

#include <string>
#include <string_view>
#include <vector>

// The Java source window's two colouring passes: plain functions from text to one colour class
// per byte (see ColourClass.h). Keywords, comments and strings are found by the window's own
// rules, which are not Java's grammar; the differences are part of how the window colours.
namespace JavaColouring {

// The keywords in table order, matched case-sensitively: the table as first written, then those
// Java has reserved since.
const std::vector<std::string>& Keywords();
// The characters that continue a word; no digits, so int2 still shows int as a keyword.
inline constexpr std::string_view kIdentifierAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";

// Marks every keyword of text whose neighbours are outside the alphabet in classes.
void MarkKeywords(std::string_view text, std::string& classes);

// The whole-text pass: keywords, then comments and strings by one left-to-right walk.
std::string FullPass(std::string_view text);

// The caret line's pass over line (without its line break), given whether the text above the
// line ends inside a block comment and whether it ends inside a text block.
std::string LinePass(std::string_view line, bool bOpenCommentAbove, bool bTextBlockAbove);

// Whether a text block is still open at the end of line, by the caret line's rules, given what
// is open above it.
bool TextBlockOpenAfter(std::string_view line, bool bOpenCommentAbove, bool bTextBlockAbove);

}  // namespace JavaColouring
