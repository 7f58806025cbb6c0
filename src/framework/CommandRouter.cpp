#include "CommandRouter.h"

#include "CmdTarget.h"
#include "CmdUI.h"

bool CCmdUI::HasHandlerOnRoute() const
{
    return m_pRouter != nullptr && m_pRouter->HasHandler(m_nID);
}

bool CCommandRouter::Route(int id) const
{
    for (CCmdTarget* target : m_route()) {
        if (target != nullptr && target->RunCommand(id))
            return true;
    }
    return false;
}

bool CCommandRouter::HasHandler(int id) const
{
    for (CCmdTarget* target : m_route()) {
        if (target != nullptr && target->HandlesCommand(id))
            return true;
    }
    return false;
}

CCmdUI CCommandRouter::Update(int id) const
{
    CCmdUI ui(id, this);
    for (CCmdTarget* target : m_route()) {
        if (target != nullptr && target->UpdateCommand(ui))
            return ui;
    }
    ui.Enable(HasHandler(id));
    return ui;
}
