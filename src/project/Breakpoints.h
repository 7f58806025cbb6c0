#pragma once

#include <map>
#include <string>
#include <vector>

// Hears of the project's breakpoints: one the user set or cleared, the whole set replaced (read
// from the project's side file), and any change at all (these, and lines moved by edits).
class CBreakpointObserver {
public:
    virtual ~CBreakpointObserver() = default;
    virtual void OnBreakpointToggled(const std::string& /*path*/, int /*nLine*/, bool /*bSet*/) {}
    virtual void OnBreakpointsReset() {}
    virtual void OnBreakpointsChanged() {}
};

// The breakpoints of a project: source files by full path, each with the lines (0-based, as
// the source windows count them) where the program is to stop. A file with none is not kept.
class CBreakpoints {
public:
    using CFileLines = std::map<std::string, std::vector<int>>;

    const CFileLines& All() const { return m_files; }
    // The lines of path, in order; none for a file without breakpoints.
    std::vector<int> LinesOf(const std::string& path) const;
    bool Has(const std::string& path, int nLine) const;

    // Sets a breakpoint where there is none, clears it where there is one; true when it is set
    // now.
    bool Toggle(const std::string& path, int nLine);
    // The lines of path as edits have moved them: the set changes, but no breakpoint was set or
    // cleared.
    void MoveLines(const std::string& path, std::vector<int> lines);
    // Replaces every breakpoint, as when the project's side file is read.
    void Reset(CFileLines files);

    void AddObserver(CBreakpointObserver* observer);
    void RemoveObserver(CBreakpointObserver* observer);

private:
    void NotifyChanged();

    CFileLines m_files;
    std::vector<CBreakpointObserver*> m_observers;
};
