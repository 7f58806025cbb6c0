#include "SourceMarks.h"

#include "SourceMarksObserver.h"

#include <algorithm>

void CSourceMarks::Replace(std::map<std::string, std::vector<CLineMarker>> marks)
{
    m_marks = std::move(marks);
    // The list may change while it is told.
    const std::vector<CSourceMarksObserver*> observers = m_observers;
    for (CSourceMarksObserver* observer : observers)
        observer->OnSourceMarksChanged(*this);
}

void CSourceMarks::Keep(const std::string& path, std::vector<CLineMarker> marks)
{
    if (marks.empty())
        m_marks.erase(path);
    else
        m_marks[path] = std::move(marks);
}

const std::vector<CLineMarker>& CSourceMarks::For(const std::string& path) const
{
    static const std::vector<CLineMarker> kNone;
    const auto it = m_marks.find(path);
    return it != m_marks.end() ? it->second : kNone;
}

void CSourceMarks::AddObserver(CSourceMarksObserver* observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void CSourceMarks::RemoveObserver(CSourceMarksObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}
