#pragma once

#include <string>
#include <vector>

// The picture drawn for a toolbar button when the desktop's icon theme has none.
enum class EDrawnIcon {
    kNone,
    kBlankPage,
    kFolder,
    kDisk,
    kScissors,
    kTwoPages,
    kClipboard,
    kPrinter,
    kIndentMore,
    kIndentLess,
    kTickedPage,
    kHammer,
    kRunArrow,
    kRunArrowOnPage,
    kGlobe,
    kFileTree,
};

struct CCommandIcon {
    const char* themeName = "";
    EDrawnIcon drawn = EDrawnIcon::kNone;
};

// A text one menu gives a command in place of its usual one.
struct CMenuTextVariant {
    int menuId = 0;
    const char* text = "";
};

// A key of one accelerator table, written as Qt writes key sequences ("Ctrl+N", "Shift+F5").
struct CCommandKey {
    int tableId = 0;
    const char* keys = "";
};

// One command: everything its menu items, keys, status prompt and toolbar button show.
struct CCommandInfo {
    int id = 0;
    // With "&" before the mnemonic and "\t" before the key shown at the right; "" for a
    // command no menu shows by this table.
    const char* menuText = "";
    std::vector<CMenuTextVariant> variants;
    std::vector<CCommandKey> keys;
    // "status\ntooltip", or none.
    const char* prompt = nullptr;
    CCommandIcon icon;
    // The command's entry on the toolbar, counting separators from 1; 0 when it has no button.
    int nToolbarSlot = 0;
};

// One toolbar entry: a button, or a separator (id 0).
struct CToolbarEntry {
    int id = 0;
    CCommandIcon icon;

    bool IsSeparator() const { return id == 0; }
};

namespace CommandTable {

const std::vector<CCommandInfo>& Commands();
// The row of a command, or none.
const CCommandInfo* Find(int id);
// What menu menuId shows for the command: its own variant there, else the usual text.
std::string MenuText(int id, int menuId);
// The toolbar's entries in order; a slot no command holds is a separator.
std::vector<CToolbarEntry> Toolbar();

}  // namespace CommandTable
