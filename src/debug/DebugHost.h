#pragma once

#include <optional>
#include <string>
#include <vector>

class CDebugController;
class CSyntaxWindowDoc;

// A line of a source file: its full path and the line, 0-based.
struct CSourceLine {
    std::string strPath;
    int nLine = 0;
};

// What a project's debugger needs of the windows around it: the source windows it marks, the
// Debug bar, and the event loop that tells it when its session has events and when the build it
// waits for is over. Bind comes first; the host then calls the controller back.
class CDebugHost {
public:
    virtual ~CDebugHost() = default;

    // The controller the host calls back; none when it goes.
    virtual void Bind(CDebugController* controller) = 0;

    // The Java source windows open now.
    virtual std::vector<CSyntaxWindowDoc*> OpenSources() = 0;
    // Opens the source at path with line nLine in sight, the caret at its start and the keys in
    // its window; none when it cannot be opened.
    virtual CSyntaxWindowDoc* ShowSourceLine(const std::string& path, int nLine) = 0;
    // The source window the keys are in, with the caret's line; none when the active window is
    // no Java source window.
    virtual std::optional<CSourceLine> ActiveSourceLine() const = 0;

    // The Debug bar, made when first shown.
    virtual void ShowDebugBar(bool bShow) = 0;
    virtual bool IsDebugBarVisible() const = 0;

    // Calls the controller's OnEventsWaiting whenever fd is readable; -1 stops.
    virtual void WatchEvents(int fd) = 0;
    // Calls the controller's OnCapturedRunEnded once the captured run active now is over.
    virtual void WaitForCapturedRun() = 0;
};
