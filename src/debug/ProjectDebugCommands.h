#pragma once

#include "DebugController.h"

#include "run/ProjectRunCommands.h"

#include <memory>

class CDebugHost;

// A project's build and run commands with the program's own debugger: Debug builds with -g and
// runs the main class under it, the session's commands carry it on, and the Debug bar shows it.
// jdb in a terminal stays as Debug in Terminal. Each command is enabled only where it applies.
class CProjectDebugCommands : public CProjectRunCommands {
public:
    CProjectDebugCommands(CJavaProjectDoc& project, CCapturedRun& run, CRunHost& runHost,
                          std::unique_ptr<CDebugHost> host);
    ~CProjectDebugCommands() override;

    // Debug: false when nothing was started (a check failed, Cancel in the Arguments dialog, a
    // refused build).
    bool DebugMain();
    CDebugController& GetController() { return m_controller; }
    CDebugHost& GetDebugHost() { return *m_pHost; }

private:
    // The host goes after the controller that uses it.
    std::unique_ptr<CDebugHost> m_pHost;
    CDebugController m_controller;
};
