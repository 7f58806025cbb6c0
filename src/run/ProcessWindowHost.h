#pragma once

#include <string>

class CUi;

// A window's rectangle in screen coordinates.
struct CWindowBox {
    int nLeft = 0;
    int nTop = 0;
    int nRight = 0;
    int nBottom = 0;
};

// What the Process Window takes from the application: the Ui for its question, the process
// caption it shows, the font of its output box, the status bar's message pane, and the setting
// that keeps where it was last.
class CProcessWindowHost {
public:
    virtual ~CProcessWindowHost() = default;

    virtual CUi& GetUi() = 0;
    virtual std::string GetProcessCaption() const = 0;
    virtual std::string GetProcessFontName() const = 0;  // DLGFONTNAME
    virtual int GetProcessFontSize() const = 0;          // DLGFONTSIZE, in tenths of a point
    // DLG_LEFT, DLG_TOP, DLG_RIGHT and DLG_BOTTOM, written at once.
    virtual void SaveWindowBox(const CWindowBox& box) = 0;
    // The first pane of the main window's status bar, repainted at once.
    virtual void SetMessagePaneText(const std::string& text) = 0;
};
