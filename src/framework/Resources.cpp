#include "Resources.h"

CMenuItem MenuCommand(int id, std::string text)
{
    CMenuItem item;
    item.text = std::move(text);
    item.id = id;
    return item;
}

CMenuItem MenuSeparator()
{
    return CMenuItem{};
}

CMenuItem MenuPopup(std::string text, std::vector<CMenuItem> items)
{
    CMenuItem popup;
    popup.text = std::move(text);
    popup.items = std::move(items);
    popup.bPopup = true;
    return popup;
}

const std::vector<CMenuItem>* CResources::GetMenu(int resourceId) const
{
    const auto it = m_menus.find(resourceId);
    return it == m_menus.end() ? nullptr : &it->second;
}

const std::vector<CAccelerator>* CResources::GetAccelerators(int resourceId) const
{
    const auto it = m_accels.find(resourceId);
    return it == m_accels.end() ? nullptr : &it->second;
}

std::vector<int> CResources::MenuIds() const
{
    std::vector<int> ids;
    for (const auto& [id, menu] : m_menus)
        ids.push_back(id);
    return ids;
}

std::string CResources::GetStatusPrompt(int id) const
{
    const auto it = m_prompts.find(id);
    if (it == m_prompts.end())
        return {};
    return it->second.substr(0, it->second.find('\n'));
}

std::string CResources::GetTooltip(int id) const
{
    const auto it = m_prompts.find(id);
    if (it == m_prompts.end())
        return {};
    const auto pos = it->second.find('\n');
    return pos == std::string::npos ? std::string() : it->second.substr(pos + 1);
}

std::string CResources::GetString(int id) const
{
    const auto it = m_strings.find(id);
    return it == m_strings.end() ? std::string() : it->second;
}
