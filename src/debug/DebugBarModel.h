#pragma once

#include "DebugTypes.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

// Hears that the Debug bar's contents changed, to show them.
class CDebugBarObserver {
public:
    virtual ~CDebugBarObserver() = default;
    // The stack, the frame chosen in it or the status line.
    virtual void OnStackShown() = 0;
    // The rows of the chosen frame's variables, all of them anew.
    virtual void OnVariablesShown() = 0;
    // The rows under row nParent came.
    virtual void OnChildrenShown(int nParent) = 0;
};

// What the Debug bar shows of a stopped program: its call stack with one frame chosen, and the
// variables of that frame as a tree whose rows expand, when asked, into their fields, elements
// or entries. A value that changed since the last stop in the same frame is marked. Rows the
// person expanded stay expanded at the next stop: their children are asked for again.
class CDebugBarModel {
public:
    enum class ChildState { None, NotAsked, Asked, Shown };

    struct CRow {
        int nId = 0;
        int nParent = 0;  // 0 for a row of the frame itself
        CDebugVariable variable;
        bool bChanged = false;
        ChildState children = ChildState::None;
        int nMore = 0;   // entries left out past those shown
        std::string strPath;  // the names from the frame down to this row
    };

    void SetObserver(CDebugBarObserver* observer) { m_pObserver = observer; }

    // A new stop: its stack, with the frame it shows chosen. Its variables follow.
    void ShowStop(const CDebugStop& stop);
    // The program runs: nothing shown can be expanded any more.
    void ShowRunning();
    // The session is over.
    void Clear(const std::string& status);

    // Chooses frame nFrame; false when there is no such frame, or it is chosen already.
    bool SelectFrame(int nFrame);
    // The variables of a frame: shown when it is the chosen one. The values that rows kept
    // expanded need asked for, in the order to ask.
    std::vector<std::int64_t> ShowVariables(const CDebugVariables& variables);
    // The value to ask the debugger to expand for row nId, or 0 when nothing is to be asked
    // (a row without children, asked already, or the program runs).
    std::int64_t Expand(int nId);
    void Collapse(int nId);
    // Children of a value asked for: given to every row that waits for them. As
    // ShowVariables, the values that rows kept expanded need asked for.
    std::vector<std::int64_t> ShowChildren(const CDebugChildren& children);

    bool IsStopped() const { return m_bStopped; }
    // The rows shown are those of the frame chosen at this stop.
    bool AreRowsCurrent() const { return m_bRowsCurrent; }
    const std::vector<CDebugLocation>& Frames() const { return m_frames; }
    int SelectedFrame() const { return m_nSelected; }
    const std::string& Status() const { return m_strStatus; }
    bool LocalsAvailable() const { return m_bLocalsAvailable; }
    // The rows under nParent (0: the frame's own), in order.
    std::vector<const CRow*> RowsUnder(int nParent) const;
    const CRow* Row(int nId) const;
    // Whether the person keeps this row expanded.
    bool IsKeptExpanded(const CRow& row) const { return m_expanded.count(row.strPath) != 0; }

    // A frame as a stack trace writes it: "app.util.Helper.sum(Helper.java:12)".
    static std::string FrameText(const CDebugLocation& frame);

private:
    CRow& AddRow(int nParent, const CDebugVariable& variable, const std::string& parentPath);
    // The values of the new rows that are kept expanded, now asked for.
    std::vector<std::int64_t> AskKeptExpanded(std::size_t nFirstNew);
    std::string FrameKey(int nFrame) const;

    CDebugBarObserver* m_pObserver = nullptr;
    std::vector<CDebugLocation> m_frames;
    int m_nDepth = 0;
    int m_nSelected = -1;
    int m_nStopFrame = -1;  // the frame the program stopped in
    bool m_bStopped = false;
    bool m_bRowsCurrent = false;  // the rows are of this stop and frame: their values expand
    bool m_bLocalsAvailable = true;
    std::string m_strStatus;
    std::vector<CRow> m_rows;
    int m_nNextId = 1;
    std::set<std::string> m_expanded;
    // The frame's values at the last stop, to mark those that changed.
    std::string m_strLastFrameKey;
    std::vector<std::pair<std::string, std::string>> m_lastValues;
};
