#include "DebugBarModel.h"

#include <algorithm>

namespace {

// Parts the names of a row's path; no name holds it.
constexpr char kPathPart = '\x1f';

std::string StopStatus(const CDebugStop& stop)
{
    std::string status;
    switch (stop.reason) {
    case DebugStopReason::Breakpoint:
        status = "Stopped at a breakpoint";
        break;
    case DebugStopReason::Step:
        status = "Stopped after a step";
        break;
    case DebugStopReason::Pause:
        status = "Paused";
        break;
    case DebugStopReason::Exception:
        status = "Uncaught " + stop.strExceptionType;
        if (!stop.strExceptionMessage.empty())
            status += ": " + stop.strExceptionMessage;
        break;
    }
    if (!stop.strThread.empty())
        status += " in thread \"" + stop.strThread + "\"";
    return status;
}

}  // namespace

std::string CDebugBarModel::FrameText(const CDebugLocation& frame)
{
    std::string text = frame.strClass + "." + frame.strMethod + "(";
    if (frame.strFile.empty())
        return text + "Unknown Source)";
    const std::size_t slash = frame.strFile.rfind('/');
    text += slash == std::string::npos ? frame.strFile : frame.strFile.substr(slash + 1);
    if (frame.nLine >= 0)
        text += ":" + std::to_string(frame.nLine);
    return text + ")";
}

std::string CDebugBarModel::FrameKey(int nFrame) const
{
    if (nFrame < 0 || static_cast<std::size_t>(nFrame) >= m_frames.size())
        return {};
    const CDebugLocation& frame = m_frames[static_cast<std::size_t>(nFrame)];
    // Counted from the bottom of the stack, so that a deeper call is another frame.
    return frame.strClass + "." + frame.strMethod + "#" + std::to_string(m_nDepth - nFrame);
}

void CDebugBarModel::ShowStop(const CDebugStop& stop)
{
    m_frames = stop.frames;
    m_nDepth = stop.nDepth;
    m_nSelected = stop.nFrame;
    m_nStopFrame = stop.nFrame;
    m_bStopped = true;
    m_bRowsCurrent = false;
    m_strStatus = StopStatus(stop);
    if (m_pObserver != nullptr)
        m_pObserver->OnStackShown();
}

void CDebugBarModel::ShowRunning()
{
    m_bStopped = false;
    m_bRowsCurrent = false;
    m_strStatus = "Running";
    if (m_pObserver != nullptr)
        m_pObserver->OnStackShown();
}

void CDebugBarModel::Clear(const std::string& status)
{
    m_frames.clear();
    m_nDepth = 0;
    m_nSelected = -1;
    m_bStopped = false;
    m_bRowsCurrent = false;
    m_strStatus = status;
    m_rows.clear();
    m_strLastFrameKey.clear();
    m_lastValues.clear();
    if (m_pObserver != nullptr) {
        m_pObserver->OnStackShown();
        m_pObserver->OnVariablesShown();
    }
}

bool CDebugBarModel::SelectFrame(int nFrame)
{
    if (!m_bStopped || nFrame < 0 || static_cast<std::size_t>(nFrame) >= m_frames.size() || nFrame == m_nSelected)
        return false;
    m_nSelected = nFrame;
    m_bRowsCurrent = false;
    if (m_pObserver != nullptr)
        m_pObserver->OnStackShown();
    return true;
}

CDebugBarModel::CRow& CDebugBarModel::AddRow(int nParent, const CDebugVariable& variable, const std::string& parentPath)
{
    CRow row;
    row.nId = m_nNextId++;
    row.nParent = nParent;
    row.variable = variable;
    row.children = variable.nRef != 0 ? ChildState::NotAsked : ChildState::None;
    row.strPath = parentPath.empty() ? variable.strName : parentPath + kPathPart + variable.strName;
    m_rows.push_back(std::move(row));
    return m_rows.back();
}

std::vector<std::int64_t> CDebugBarModel::ShowVariables(const CDebugVariables& variables)
{
    if (!m_bStopped || variables.nFrame != m_nSelected)
        return {};
    m_rows.clear();
    const std::string key = FrameKey(variables.nFrame);
    const bool bCompare = variables.nFrame == m_nStopFrame && key == m_strLastFrameKey;
    for (const CDebugVariable& variable : variables.variables) {
        CRow& row = AddRow(0, variable, "");
        if (bCompare) {
            const auto last = std::find_if(m_lastValues.begin(), m_lastValues.end(),
                                           [&](const auto& kept) { return kept.first == variable.strName; });
            row.bChanged = last != m_lastValues.end() && last->second != variable.strValue;
        }
    }
    // The values of the frame the program stopped in are the ones the next stop compares with.
    if (variables.nFrame == m_nStopFrame) {
        m_strLastFrameKey = key;
        m_lastValues.clear();
        for (const CDebugVariable& variable : variables.variables)
            m_lastValues.emplace_back(variable.strName, variable.strValue);
    }
    m_bLocalsAvailable = variables.bLocalsAvailable;
    m_bRowsCurrent = true;
    if (m_pObserver != nullptr)
        m_pObserver->OnVariablesShown();
    return AskKeptExpanded(0);
}

std::int64_t CDebugBarModel::Expand(int nId)
{
    const auto it = std::find_if(m_rows.begin(), m_rows.end(), [nId](const CRow& row) { return row.nId == nId; });
    if (it == m_rows.end() || it->children == ChildState::None)
        return 0;
    m_expanded.insert(it->strPath);
    if (!m_bRowsCurrent || it->children != ChildState::NotAsked)
        return 0;
    it->children = ChildState::Asked;
    return it->variable.nRef;
}

void CDebugBarModel::Collapse(int nId)
{
    if (const CRow* row = Row(nId))
        m_expanded.erase(row->strPath);
}

std::vector<std::int64_t> CDebugBarModel::ShowChildren(const CDebugChildren& children)
{
    if (!m_bRowsCurrent)
        return {};
    std::vector<std::size_t> waiting;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].variable.nRef == children.nRef && m_rows[i].children == ChildState::Asked)
            waiting.push_back(i);
    }
    const std::size_t nFirstNew = m_rows.size();
    for (std::size_t i : waiting) {
        m_rows[i].children = ChildState::Shown;
        m_rows[i].nMore = children.nMore;
        const int nParent = m_rows[i].nId;
        const std::string path = m_rows[i].strPath;
        for (const CDebugVariable& variable : children.variables)
            AddRow(nParent, variable, path);
        if (m_pObserver != nullptr)
            m_pObserver->OnChildrenShown(nParent);
    }
    return AskKeptExpanded(nFirstNew);
}

std::vector<std::int64_t> CDebugBarModel::AskKeptExpanded(std::size_t nFirstNew)
{
    std::vector<std::int64_t> refs;
    for (std::size_t i = nFirstNew; i < m_rows.size(); ++i) {
        CRow& row = m_rows[i];
        if (row.children != ChildState::NotAsked || m_expanded.count(row.strPath) == 0)
            continue;
        row.children = ChildState::Asked;
        // One question serves every row that shows the same value.
        if (std::find(refs.begin(), refs.end(), row.variable.nRef) == refs.end())
            refs.push_back(row.variable.nRef);
    }
    return refs;
}

std::vector<const CDebugBarModel::CRow*> CDebugBarModel::RowsUnder(int nParent) const
{
    std::vector<const CRow*> rows;
    for (const CRow& row : m_rows) {
        if (row.nParent == nParent)
            rows.push_back(&row);
    }
    return rows;
}

const CDebugBarModel::CRow* CDebugBarModel::Row(int nId) const
{
    const auto it = std::find_if(m_rows.begin(), m_rows.end(), [nId](const CRow& row) { return row.nId == nId; });
    return it == m_rows.end() ? nullptr : &*it;
}
