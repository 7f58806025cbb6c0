#pragma once

class CMDIChildWnd;

// Where document windows live: the main frame's window area, which places, shows and
// activates them. The document manager only keeps which windows show which document.
class CDocWindowHost {
public:
    virtual ~CDocWindowHost() = default;
    // Takes a new window in, at the size and place a new window gets.
    virtual void AddDocWindow(CMDIChildWnd& frame) = 0;
    virtual void ActivateDocWindow(CMDIChildWnd& frame) = 0;
    // The window leaves the area; it is deleted later.
    virtual void RemoveDocWindow(CMDIChildWnd& frame) = 0;
};
