#pragma once

#include <map>
#include <string>
#include <vector>

// One entry of a menu resource: an item with its command, a separator, or a popup with items.
// Texts keep "&" for the mnemonic and "\t" before the key shown at the right.
struct CMenuItem {
    std::string text;
    int id = 0;
    std::vector<CMenuItem> items;
    bool bPopup = false;

    bool IsSeparator() const { return !bPopup && id == 0; }
};

CMenuItem MenuCommand(int id, std::string text);
CMenuItem MenuSeparator();
CMenuItem MenuPopup(std::string text, std::vector<CMenuItem> items);

// A key, written as Qt writes key sequences ("Ctrl+N", "Shift+F5"), and its command.
struct CAccelerator {
    std::string keys;
    int id = 0;
};

// The program's resource tables: menus and accelerator tables by resource id, the prompt of
// each command ("status\ntooltip") and the string table.
class CResources {
public:
    void AddMenu(int resourceId, std::vector<CMenuItem> popups) { m_menus[resourceId] = std::move(popups); }
    void AddAccelerators(int resourceId, std::vector<CAccelerator> keys) { m_accels[resourceId] = std::move(keys); }
    void AddPrompt(int id, std::string prompt) { m_prompts[id] = std::move(prompt); }
    void AddString(int id, std::string text) { m_strings[id] = std::move(text); }

    const std::vector<CMenuItem>* GetMenu(int resourceId) const;
    const std::vector<CAccelerator>* GetAccelerators(int resourceId) const;
    std::vector<int> MenuIds() const;

    // The text before the line break: what the status bar shows for the command.
    std::string GetStatusPrompt(int id) const;
    // The text after the line break: the tooltip.
    std::string GetTooltip(int id) const;
    std::string GetString(int id) const;
    // Every prompt by command, each "status\ntooltip" as stored.
    const std::map<int, std::string>& GetPrompts() const { return m_prompts; }

private:
    std::map<int, std::vector<CMenuItem>> m_menus;
    std::map<int, std::vector<CAccelerator>> m_accels;
    std::map<int, std::string> m_prompts;
    std::map<int, std::string> m_strings;
};
