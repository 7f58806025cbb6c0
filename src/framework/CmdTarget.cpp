#include "CmdTarget.h"

#include "CmdUI.h"

bool CCmdTarget::HandlesCommand(int id) const
{
    return m_handlers.count(id) != 0 || (m_pHelper != nullptr && m_pHelper->HandlesCommand(id));
}

bool CCmdTarget::RunCommand(int id)
{
    const auto it = m_handlers.find(id);
    if (it == m_handlers.end())
        return m_pHelper != nullptr && m_pHelper->RunCommand(id);
    // The handler may replace the table (a view closing itself), so run a copy.
    const Handler handler = it->second;
    handler();
    return true;
}

bool CCmdTarget::UpdateCommand(CCmdUI& ui)
{
    const auto it = m_updates.find(ui.GetId());
    if (it == m_updates.end())
        return m_pHelper != nullptr && m_pHelper->UpdateCommand(ui);
    it->second(ui);
    return true;
}

void CCmdTarget::OnCommand(int id, Handler handler)
{
    m_handlers[id] = std::move(handler);
}

void CCmdTarget::OnUpdateUI(int id, UpdateHandler update)
{
    m_updates[id] = std::move(update);
}

void CCmdTarget::OnCommandRange(int first, int last, std::function<void(int)> handler)
{
    for (int id = first; id <= last; ++id)
        m_handlers[id] = [handler, id] { handler(id); };
}

void CCmdTarget::OnUpdateUIRange(int first, int last, UpdateHandler update)
{
    for (int id = first; id <= last; ++id)
        m_updates[id] = update;
}
