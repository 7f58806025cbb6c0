#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// An X display for the children a test starts that open windows (AWT programs, applets):
//
//     CTestDisplay display;
//     ASSERT_FALSE(display.Get().empty()) << display.Error();
//     ... start the child with display.ChildEnvironment() as its environment ...
//
// The test program's own environment is left alone (its Qt tests run offscreen); only the
// children get the display. The session's DISPLAY is used when a server answers there without
// credentials. Otherwise one Xvfb is started on a free display number, shared by every
// CTestDisplay alive in the process and stopped when the last of them goes. The server also
// ends when the thread that started it ends, so a test that crashes leaves none behind: make
// the first CTestDisplay on the test's own thread (a fixture member is).
class CTestDisplay {
public:
    CTestDisplay();
    ~CTestDisplay();
    CTestDisplay(const CTestDisplay&) = delete;
    CTestDisplay& operator=(const CTestDisplay&) = delete;

    // ":N" (or the session's DISPLAY); "" when no display could be had.
    const std::string& Get() const;
    // Why Get() is empty.
    const std::string& Error() const;

    // This process's environment as "NAME=value" entries with DISPLAY set to Get() (removed
    // when it is empty), and for a server of our own no credentials of the session's.
    std::vector<std::string> ChildEnvironment() const;

    struct CWindowSize {
        int nWidth = 0;
        int nHeight = 0;
    };
    // Waits up to limit for a viewable window of that title on the display and asks it to close
    // as a window manager's close button does (WM_DELETE_WINDOW); its size, or nothing when no
    // such window showed.
    std::optional<CWindowSize> CloseWindow(const std::string& title, std::chrono::milliseconds limit) const;

    // Whether an X server at display (":N", "unix:N", "host:N", with an optional ".S") accepts
    // a connection that brings no credentials.
    static bool Answers(const std::string& display);
};
