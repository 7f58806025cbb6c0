#include "TextModel.h"

#include "ColourClass.h"

#include <algorithm>

void CTextModel::AddChangeObserver(CTextChangeObserver* observer)
{
    m_observers.push_back(observer);
}

void CTextModel::RemoveChangeObserver(CTextChangeObserver* observer)
{
    std::erase(m_observers, observer);
}

void CTextModel::NotifyTextChanged(TextPos nPos) const
{
    for (CTextChangeObserver* observer : m_observers)
        observer->OnTextChanged(nPos);
}

void CTextModel::ApplyClasses(TextPos nBase, std::string_view classes)
{
    const std::string held = GetClasses(nBase, nBase + static_cast<TextPos>(classes.size()));
    const std::size_t n = std::min(held.size(), classes.size());
    std::size_t first = 0;
    while (first < n && held[first] == ColourClass::Shown(classes[first]))
        ++first;
    if (first == n)
        return;
    std::size_t last = n;
    while (held[last - 1] == ColourClass::Shown(classes[last - 1]))
        --last;
    // A byte outside the table is shown as normal, as the comparison above takes it.
    SetClasses(nBase + static_cast<TextPos>(first), classes.substr(first, last - first));
}
