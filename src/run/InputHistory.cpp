#include "InputHistory.h"

void CInputHistory::Add(const std::string& line)
{
    if (!line.empty() && (m_lines.empty() || m_lines.back() != line)) {
        m_lines.push_back(line);
        if (m_lines.size() > kMaxLines)
            m_lines.pop_front();
    }
    m_nAt = m_lines.size();
    m_strDraft.clear();
}

std::optional<std::string> CInputHistory::Older(const std::string& current)
{
    if (m_nAt == 0)
        return std::nullopt;
    if (m_nAt == m_lines.size())
        m_strDraft = current;
    return m_lines[--m_nAt];
}

std::optional<std::string> CInputHistory::Newer()
{
    if (m_nAt >= m_lines.size())
        return std::nullopt;
    ++m_nAt;
    return m_nAt == m_lines.size() ? m_strDraft : m_lines[m_nAt];
}
