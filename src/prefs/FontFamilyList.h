#pragma once

#include <string>
#include <vector>

// The font families the display offers, as the system reports them, for the two font pages.
class CFontFamilyList {
public:
    explicit CFontFamilyList(std::vector<std::string> families) : m_names(std::move(families)) {}

    const std::vector<std::string>& GetNames() const { return m_names; }

    // The names as a sorted drop-down list holds them: ignoring case, then byte order.
    std::vector<std::string> SortedNames() const;

    // The item a stored name selects in such a list: the first whose text begins with the name,
    // ignoring case, searched from the second item on and wrapping round to the first; -1 when
    // none does.
    static int FindPrefix(const std::vector<std::string>& items, const std::string& name);

private:
    std::vector<std::string> m_names;
};
