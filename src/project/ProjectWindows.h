#pragma once

// The windows a project owns beside its own frame: the bar with the Process Window and the
// bar with the project tree. The objects are made with the project; their windows are made on
// first need (the first captured run, the first Project Window command) and are then only
// shown and hidden until the project goes.
class CProjectWindows {
public:
    virtual ~CProjectWindows() = default;

    virtual bool HasProcessBar() const = 0;
    virtual bool IsProcessBarVisible() const = 0;
    virtual void ShowProcessBar(bool bShow) = 0;
    // The Process Window, when there is one, selects line nLine of its output and scrolls it
    // into view; the keys stay where they are.
    virtual void SelectOutputLine(int /*nLine*/) {}

    virtual bool HasProjectBar() const = 0;
    // Makes the project window bar, docked at the left, titled with the project's title.
    // False when it cannot be made.
    virtual bool CreateProjectBar() = 0;
    virtual bool IsProjectBarVisible() const = 0;
    virtual void ShowProjectBar(bool bShow) = 0;
};
