#pragma once

#include <optional>
#include <string>
#include <string_view>

class CUi;

// Moving a numeric field's text into its member, as every dialog does it: text that is no
// integer, or one out of range, is told to the person in the standard words and refused.
namespace DataExchange {

inline constexpr const char* kNotAnInteger = "Please enter an integer.";
// %1 and %2 are the bounds.
inline constexpr const char* kIntegerOutOfRange = "Please enter an integer between %1 and %2.";

// An optional sign and digits, with blanks around them allowed; nothing for anything else,
// including numbers that do not fit an int.
std::optional<int> ParseInteger(std::string_view text);
std::string RangeMessage(int nMin, int nMax);

// The value when the text holds an integer from nMin to nMax (both allowed); otherwise the
// person is told why and there is no value.
std::optional<int> RangeInt(CUi& ui, std::string_view text, int nMin, int nMax);

}  // namespace DataExchange
