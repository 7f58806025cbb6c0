#pragma once

class CCommandRouter;

// The answer an update handler gives for one command: enabled, checked.
class CCmdUI {
public:
    CCmdUI(int id, const CCommandRouter* router) : m_nID(id), m_pRouter(router) {}

    int GetId() const { return m_nID; }
    void Enable(bool bOn = true) { m_bEnabled = bOn; }
    void SetCheck(bool bChecked = true)
    {
        m_bChecked = bChecked;
        m_bCheckSet = true;
    }
    bool IsEnabled() const { return m_bEnabled; }
    bool IsChecked() const { return m_bChecked; }
    // Whether the command carries a check mark at all.
    bool IsCheckable() const { return m_bCheckSet; }

    // Whether some target on the current route would run this command.
    bool HasHandlerOnRoute() const;

private:
    int m_nID;
    const CCommandRouter* m_pRouter;
    bool m_bEnabled = false;
    bool m_bChecked = false;
    bool m_bCheckSet = false;
};
