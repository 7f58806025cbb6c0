#pragma once

#include <algorithm>
#include <string_view>

// The order of the project window's sorted lists: alphabetical without regard to case, as a
// person reads a list of names; names that differ only in case keep a fixed order between them.
namespace NameOrder {

inline char Folded(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool Before(std::string_view a, std::string_view b)
{
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Folded(x) == Folded(y); });
    if (mismatch.first != a.end() && mismatch.second != b.end())
        return static_cast<unsigned char>(Folded(*mismatch.first)) < static_cast<unsigned char>(Folded(*mismatch.second));
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

}  // namespace NameOrder
