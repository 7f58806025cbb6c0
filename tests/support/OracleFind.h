#pragma once

#include <string>

namespace oracle {

// Searches with the conventions the slow models of the passes were written against: -1 for
// "not found".
inline int Find(const std::string& s, const std::string& what, int start = 0)
{
    if (start < 0 || static_cast<std::size_t>(start) > s.size())
        return -1;
    const auto pos = s.find(what, static_cast<std::size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

}  // namespace oracle
