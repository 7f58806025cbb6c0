#include "TextModel.h"

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
