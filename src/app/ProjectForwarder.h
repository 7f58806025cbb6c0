#pragma once

#include "framework/CmdTarget.h"

class CJavaProjectDoc;
class CProjectHost;

// The last target on the command route: the open project, for the commands that work from
// any window while a project is open (the Add commands, Build, the runs, Create Jar, Show
// Archive Contents, the project window, the Process Window, Next Error and Previous Error, the
// commands of a debug session and the Debug bar). The project's other commands, such as Debug,
// answer only while the project's own window is active. With no project open the forwarded
// commands have no handler, and so are disabled.
class CProjectForwarder : public CCmdTarget {
public:
    explicit CProjectForwarder(const CProjectHost& host) : m_host(host) {}

    static bool IsForwarded(int id);

    bool HandlesCommand(int id) const override;
    bool RunCommand(int id) override;
    bool UpdateCommand(CCmdUI& ui) override;

private:
    CJavaProjectDoc* ProjectFor(int id) const;

    const CProjectHost& m_host;
};
