#include "FontFamilyList.h"

#include <algorithm>

namespace {

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}

bool BeginsWithIgnoringCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace

std::vector<std::string> CFontFamilyList::SortedNames() const
{
    std::vector<std::string> sorted = m_names;
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
        if (LessIgnoringCase(a, b))
            return true;
        if (LessIgnoringCase(b, a))
            return false;
        return a < b;
    });
    return sorted;
}

int CFontFamilyList::FindPrefix(const std::vector<std::string>& items, const std::string& name)
{
    const size_t count = items.size();
    for (size_t step = 1; step <= count; ++step) {
        const size_t i = step % count;
        if (BeginsWithIgnoringCase(items[i], name))
            return static_cast<int>(i);
    }
    return -1;
}
