#pragma once

#include "framework/qt/MDIFrameWnd.h"

class CQuarnelApp;

// The application's main window.
class CMainFrame : public CMDIFrameWnd {
    Q_OBJECT
public:
    explicit CMainFrame(CQuarnelApp& app);

protected:
    // Stores whether the window is maximised and, with no project open, the recent projects;
    // then every document is asked to save.
    bool OnClose() override;

private:
    CQuarnelApp& m_quarnelApp;
};
