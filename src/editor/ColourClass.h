#pragma once

#include <string>
#include <string_view>

// The colour class of one byte, as the colouring passes write them: one byte per text byte,
// kept in a std::string. Any other byte value is shown as normal.
namespace ColourClass {

inline constexpr char kTag = static_cast<char>(251);
inline constexpr char kString = static_cast<char>(252);
inline constexpr char kNormal = static_cast<char>(253);
inline constexpr char kComment = static_cast<char>(254);
inline constexpr char kKeyword = static_cast<char>(255);

// The class a byte is shown in: itself when it names one, else normal.
inline constexpr char Shown(char code)
{
    return code == kTag || code == kString || code == kComment || code == kKeyword ? code : kNormal;
}

}  // namespace ColourClass
