#pragma once

#include <string>
#include <string_view>

// The project's side of its Process Window: it hears of a double-click on an output line, and
// it is the one that lets the window go when the person closes it with no run active.
class CProcessWindowOwner {
public:
    virtual ~CProcessWindowOwner() = default;

    // The run the window watched is over, and the window shows all it keeps of its output.
    virtual void OnRunEnded(std::string_view /*output*/) {}
    // Line nLine (0-based, lines ended by CR) of the output was double-clicked.
    virtual void OnOutputLineDoubleClicked(const std::string& output, int nLine) = 0;
    // The window was closed while no run was active: the owner keeps the output as the
    // project's last output and destroys the window once the closing event is over.
    virtual void OnProcessWindowClosed(std::string output) = 0;
};
