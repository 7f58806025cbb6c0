#include "Breakpoints.h"

#include <algorithm>

namespace {

void Normalise(std::vector<int>& lines)
{
    lines.erase(std::remove_if(lines.begin(), lines.end(), [](int nLine) { return nLine < 0; }), lines.end());
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
}

}  // namespace

std::vector<int> CBreakpoints::LinesOf(const std::string& path) const
{
    const auto it = m_files.find(path);
    return it == m_files.end() ? std::vector<int>() : it->second;
}

bool CBreakpoints::Has(const std::string& path, int nLine) const
{
    const auto it = m_files.find(path);
    return it != m_files.end() && std::binary_search(it->second.begin(), it->second.end(), nLine);
}

bool CBreakpoints::Toggle(const std::string& path, int nLine)
{
    if (path.empty() || nLine < 0)
        return false;
    std::vector<int>& lines = m_files[path];
    const auto at = std::lower_bound(lines.begin(), lines.end(), nLine);
    const bool bSet = at == lines.end() || *at != nLine;
    if (bSet)
        lines.insert(at, nLine);
    else
        lines.erase(at);
    if (lines.empty())
        m_files.erase(path);
    // A copy: observers may come and go while they are told.
    const std::vector<CBreakpointObserver*> observers = m_observers;
    for (CBreakpointObserver* observer : observers)
        observer->OnBreakpointToggled(path, nLine, bSet);
    NotifyChanged();
    return bSet;
}

void CBreakpoints::MoveLines(const std::string& path, std::vector<int> lines)
{
    Normalise(lines);
    const auto it = m_files.find(path);
    if (it == m_files.end() ? lines.empty() : it->second == lines)
        return;
    if (lines.empty())
        m_files.erase(path);
    else
        m_files[path] = std::move(lines);
    NotifyChanged();
}

void CBreakpoints::Reset(CFileLines files)
{
    for (auto it = files.begin(); it != files.end();) {
        Normalise(it->second);
        it = it->second.empty() || it->first.empty() ? files.erase(it) : std::next(it);
    }
    if (files == m_files)
        return;
    m_files = std::move(files);
    const std::vector<CBreakpointObserver*> observers = m_observers;
    for (CBreakpointObserver* observer : observers)
        observer->OnBreakpointsReset();
    NotifyChanged();
}

void CBreakpoints::AddObserver(CBreakpointObserver* observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void CBreakpoints::RemoveObserver(CBreakpointObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void CBreakpoints::NotifyChanged()
{
    const std::vector<CBreakpointObserver*> observers = m_observers;
    for (CBreakpointObserver* observer : observers)
        observer->OnBreakpointsChanged();
}
