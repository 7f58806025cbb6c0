#include "app/AppResources.h"
#include "app/CommandTable.h"

#include "framework/CommandIds.h"
#include "framework/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace Cmd;

namespace {

constexpr int kFrame = Res::IDR_MAINFRAME;
constexpr int kJava = Res::IDR_JAVATYPE;
constexpr int kProject = Res::IDR_PROJECTTYPE;
constexpr int kHtml = Res::IDR_HTMLTYPE;
constexpr int kContext = Res::IDR_EDITOR_CONTEXT;

const CResources& Built()
{
    static const CResources resources = [] {
        CResources res;
        LoadAppResources(res);
        return res;
    }();
    return resources;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Compares a dump with the stored file of that name; on a difference the dump is written beside
// it as NAME.new, for a person to compare and take over.
void ExpectGolden(const std::string& name, const std::string& actual)
{
    const std::string path = std::string(ONDRIK_APP_GOLDEN_DIR) + "/" + name;
    std::ifstream in(path, std::ios::binary);
    std::stringstream stored;
    stored << in.rdbuf();
    if (in && stored.str() == actual)
        return;
    std::ofstream(path + ".new", std::ios::binary) << actual;
    const std::vector<std::string> built = Lines(actual);
    const std::vector<std::string> expected = Lines(stored.str());
    std::ostringstream report;
    int nShown = 0;
    for (size_t i = 0; i < std::max(built.size(), expected.size()) && nShown < 8; ++i) {
        const std::string b = i < built.size() ? built[i] : "(none)";
        const std::string e = i < expected.size() ? expected[i] : "(none)";
        if (b != e) {
            report << "\n  line " << i + 1 << ": built \"" << b << "\", stored \"" << e << "\"";
            ++nShown;
        }
    }
    ADD_FAILURE() << name << " differs from the built tables, which are in " << path << ".new" << report.str();
}

std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

std::string WithoutMnemonic(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    return text;
}

// The commands of a menu's popup in order, 0 for a separator; none when the menu has no such popup.
std::vector<int> PopupIds(int menuId, const std::string& caption)
{
    std::vector<int> ids;
    for (const CMenuItem& popup : *Built().GetMenu(menuId)) {
        if (WithoutMnemonic(popup.text) != caption)
            continue;
        for (const CMenuItem& item : popup.items)
            ids.push_back(item.id);
    }
    return ids;
}

bool Holds(const std::vector<int>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

std::set<int> MenusHolding(int id)
{
    std::set<int> menus;
    for (int menuId : Built().MenuIds()) {
        for (const CMenuItem& popup : *Built().GetMenu(menuId)) {
            for (const CMenuItem& item : popup.items) {
                if (item.id == id)
                    menus.insert(menuId);
            }
        }
    }
    return menus;
}

// What the system's menus read for each command. The framework's standard commands that the
// command table does not spell out keep the framework's own texts.
const std::map<int, std::string> kMenuTexts = {
    {32771, "Add Java Source Files..."},
    {32774, "&Compile\tCtrl+M"},
    {32775, "Pre&ferences..."},
    {32776, "&Run Application\tF5"},
    {32778, "Refresh Function List\tF2"},
    {32784, "Increase Indent\tCtrl+]"},
    {32785, "Decrease Indent\tCtrl+["},
    {32789, "&New Project..."},
    {32791, "Save All"},
    {32792, "Show Archive Contents..."},
    {32796, "Add HTML File..."},
    {32797, "Add Window to Project"},
    {32799, "Convert Linebreaks"},
    {32803, "&Build\tF7"},
    {32808, "Create Jar..."},
    {32809, "Insert Applet"},
    {32810, "Open In &Web Browser"},
    {32811, "Syntax Colour Update\tF3"},
    {32817, "Run &with Console"},
    {32818, "Help..."},
    {32820, "Convert Tabs to Spaces"},
    {32821, "&Open Project..."},
    {32822, "JDK Help\tF1"},
    {32824, "Debug"},
    {32825, "Process Window"},
    {32826, "Project Window"},
    {32827, "Close Project"},
    {32836, "Run Applet\tShift+F5"},
    {32837, "Run &Applet\tShift+F5"},
    {32850, "Export as HTML..."},
    {33000, "&Go to Line...\tCtrl+L"},
    {33001, "Ne&xt Error\tF4"},
    {33002, "Pre&vious Error\tShift+F4"},
    {33020, "&Continue\tCtrl+F5"},
    {33021, "Step &Over\tF10"},
    {33022, "Step &Into\tF11"},
    {33023, "Step O&ut\tShift+F11"},
    {33024, "&Run to Cursor\tCtrl+F10"},
    {33025, "&Pause"},
    {33026, "&Stop Debugging\tCtrl+Shift+F5"},
    {33027, "Toggle &Breakpoint\tF9"},
    {33028, "Debug in &Terminal"},
    {33029, "Debug Bar"},
    {65535, "Recent Projects..."},
    {57600, "&New\tCtrl+N"},
    {57601, "&Open...\tCtrl+O"},
    {57602, "&Close"},
    {57603, "&Save\tCtrl+S"},
    {57604, "Save &As..."},
    {57606, "P&rint Setup..."},
    {57607, "&Print...\tCtrl+P"},
    {57609, "Print Pre&view"},
    {57616, "Recent File"},
    {57634, "&Copy\tCtrl+C"},
    {57635, "Cu&t\tCtrl+X"},
    {57636, "&Find...\tCtrl+F"},
    {57637, "&Paste\tCtrl+V"},
    {57640, "Find &Next\tCtrl+G"},
    {57641, "R&eplace...\tCtrl+H"},
    {57642, "Select &All"},
    {57643, "&Undo\tCtrl+Z"},
    {57644, "&Redo\tCtrl+Y"},
    {57648, "&New Window"},
    {57649, "&Arrange Icons"},
    {57650, "&Cascade"},
    {57651, "&Tile"},
    {57664, "&About Ondrik"},
    {57665, "E&xit"},
    {59392, "&Toolbar"},
    {59393, "&Status Bar"},
};

// Where one menu reads a command differently: the HTML window searches again with Ctrl+H, and
// the context menu shows no keys.
const std::map<std::pair<int, int>, std::string> kMenuVariants = {
    {{kHtml, 57640}, "Find &Next\tCtrl+H"}, {{kContext, 57643}, "&Undo"},
    {{kContext, 57635}, "Cu&t"},            {{kContext, 57634}, "&Copy"},
    {{kContext, 57637}, "&Paste"},          {{kContext, 32811}, "&Syntax Colour Update"},
    {{kProject, 33024}, "&Run to Cursor"},  {{kHtml, 33024}, "&Run to Cursor"},
    {{kProject, 33027}, "Toggle &Breakpoint"}, {{kHtml, 33027}, "Toggle &Breakpoint"},
};

}  // namespace

// Catches a menu item whose text, mnemonic or shown key differs from the command's, a menu
// without its popups, and a popup that lost or gained a command it must (not) hold.
TEST(CommandTablesTest, MenusReadAsTheSystemsMenus)
{
    EXPECT_EQ(Built().MenuIds(), (std::vector<int>{kFrame, kJava, kProject, kHtml, kContext}));
    const std::vector<std::string> documentPopups{"File", "Edit", "View", "Project", "Build", "Debug", "Window", "Help"};
    const std::map<int, std::vector<std::string>> popups = {{kFrame, {"File", "Project", "View", "Help"}},
                                                            {kJava, documentPopups},
                                                            {kProject, documentPopups},
                                                            {kHtml, documentPopups}};
    for (const auto& [menuId, captions] : popups) {
        SCOPED_TRACE("menu " + std::to_string(menuId));
        std::vector<std::string> built;
        for (const CMenuItem& popup : *Built().GetMenu(menuId))
            built.push_back(WithoutMnemonic(popup.text));
        EXPECT_EQ(built, captions);
        // The frame finds the Help popup by this caption to put the Tip of the Day into it.
        EXPECT_EQ(Built().GetMenu(menuId)->back().text, "&Help");
        EXPECT_EQ(PopupIds(menuId, "Help"), (std::vector<int>{57664, 32818, 32822}));
        EXPECT_TRUE(Holds(PopupIds(menuId, "File"), 32775)) << "Preferences in every File menu";
        EXPECT_TRUE(Holds(PopupIds(menuId, "View"), 59392));
        EXPECT_TRUE(Holds(PopupIds(menuId, "View"), 59393));
        EXPECT_EQ(PopupIds(menuId, "Window"),
                  (menuId == kFrame ? std::vector<int>{} : std::vector<int>{57648, 57650, 57651, 57649}));
    }

    ASSERT_EQ(Built().GetMenu(kContext)->size(), 1u);
    EXPECT_EQ(PopupIds(kContext, ""), (std::vector<int>{57643, 0, 57635, 57634, 57637, 0, 57642, 0, 32811}));

    // Process Window in every View menu, so the window closed with Escape has a way back.
    EXPECT_EQ(MenusHolding(32825), (std::set<int>{kFrame, kJava, kProject, kHtml}));
    EXPECT_EQ(MenusHolding(32836), (std::set<int>{kHtml}));
    EXPECT_EQ(MenusHolding(32837), (std::set<int>{kJava, kProject}));
    // Next Error and Previous Error in every Build menu, each window giving them their keys.
    for (int id : {33001, 33002})
        EXPECT_EQ(MenusHolding(id), (std::set<int>{kJava, kProject, kHtml}));
    EXPECT_EQ(MenusHolding(32850), (std::set<int>{kJava, kHtml}));
    std::vector<int> javaFile = PopupIds(kJava, "File");
    const auto exportItem = std::find(javaFile.begin(), javaFile.end(), 32850);
    ASSERT_TRUE(exportItem != javaFile.begin() && exportItem != javaFile.end());
    EXPECT_EQ(exportItem[-1], 32791) << "Export as HTML follows Save All";
    javaFile.erase(exportItem);
    EXPECT_EQ(javaFile, PopupIds(kProject, "File")) << "otherwise the document windows' File menu";
    EXPECT_EQ(MenusHolding(32814), std::set<int>{}) << "a toolbar button only";
    EXPECT_EQ(MenusHolding(114), std::set<int>{}) << "the frame adds the Tip of the Day itself";

    for (int menuId : Built().MenuIds()) {
        for (const CMenuItem& popup : *Built().GetMenu(menuId)) {
            for (const CMenuItem& item : popup.items) {
                if (item.IsSeparator())
                    continue;
                SCOPED_TRACE("menu " + std::to_string(menuId) + ", command " + std::to_string(item.id));
                EXPECT_FALSE(item.bPopup);
                const auto variant = kMenuVariants.find({menuId, item.id});
                const auto usual = kMenuTexts.find(item.id);
                ASSERT_NE(usual, kMenuTexts.end()) << "a command the system's menus do not show: " << item.text;
                EXPECT_EQ(item.text, variant != kMenuVariants.end() ? variant->second : usual->second);
            }
        }
    }
}

// Catches a key missing, added, moved to another table or sending another command.
TEST(CommandTablesTest, AcceleratorTablesHoldExactlyTheirKeys)
{
    std::vector<std::string> lines;
    // A table goes with the menu of the same number; no other is ever installed.
    for (int table : Built().MenuIds()) {
        if (const auto* keys = Built().GetAccelerators(table)) {
            for (const CAccelerator& key : *keys)
                lines.push_back(std::to_string(table) + " " + key.keys + " " + std::to_string(key.id) + "\n");
        }
    }
    std::sort(lines.begin(), lines.end());
    std::string dump;
    for (const std::string& line : lines)
        dump += line;
    ExpectGolden("accelerators.txt", dump);

    // A key a menu item shows works in that menu's window: its own table or the frame's gives
    // the key to that command. The HTML window's Build menu shows F5 for Run Application as the
    // system does, though F5 is no key of HTML windows.
    for (int menuId : {kFrame, kJava, kProject, kHtml}) {
        std::set<std::pair<std::string, int>> active;
        for (int table : {kFrame, menuId}) {
            for (const CAccelerator& key : *Built().GetAccelerators(table))
                active.insert({key.keys, key.id});
        }
        for (const CMenuItem& popup : *Built().GetMenu(menuId)) {
            for (const CMenuItem& item : popup.items) {
                const auto tab = item.text.find('\t');
                if (tab == std::string::npos || (menuId == kHtml && item.id == ID_BUILD_RUN))
                    continue;
                EXPECT_EQ(active.count({item.text.substr(tab + 1), item.id}), 1u)
                    << "menu " << menuId << " shows " << Escaped(item.text);
            }
        }
    }
}

// Catches a prompt lost, added or respelled (the system's own spellings stay), and a tooltip
// part dropped or run into the status text.
TEST(CommandTablesTest, PromptsKeepTheSystemsTexts)
{
    std::string dump;
    int nOwn = 0;
    for (const auto& [id, prompt] : Built().GetPrompts()) {
        dump += std::to_string(id) + " " + Escaped(prompt) + "\n";
        if (id < ID_FILE_NEW || id == ID_FILE_RECENTPROJECTS)
            ++nOwn;
    }
    ExpectGolden("prompts.txt", dump);
    EXPECT_EQ(nOwn, 48) << "the program's own commands with a prompt";
    EXPECT_EQ(Built().GetStatusPrompt(ID_BUILD_COMPILE), "Compile the current file");
    EXPECT_EQ(Built().GetTooltip(ID_BUILD_COMPILE), "Compile File");
}

// Catches a button out of order, a separator lost or doubled, and a button that would show no
// text or no picture on a desktop without an icon theme.
TEST(CommandTablesTest, ToolbarHoldsItsTwentyOneEntriesInOrder)
{
    const std::vector<CToolbarEntry> toolbar = CommandTable::Toolbar();
    EXPECT_EQ(toolbar.size(), 21u);
    std::string dump;
    for (const CToolbarEntry& entry : toolbar) {
        dump += entry.IsSeparator() ? std::string("-") : std::to_string(entry.id);
        dump += "\n";
        if (entry.IsSeparator())
            continue;
        SCOPED_TRACE("button " + std::to_string(entry.id));
        EXPECT_FALSE(Built().GetTooltip(entry.id).empty());
        EXPECT_FALSE(Built().GetStatusPrompt(entry.id).empty());
        EXPECT_STRNE(entry.icon.themeName, "");
        EXPECT_NE(entry.icon.drawn, EDrawnIcon::kNone);
    }
    ExpectGolden("toolbar.txt", dump);
}

// Catches a tip that sends the person to a menu that does not hold the command it names, as
// "Preferences... (Edit menu)" once did: every "NAME (X menu)" in the tips file names an item
// of some X menu.
TEST(CommandTablesTest, TipsNameEachCommandInTheMenuThatHoldsIt)
{
    std::ifstream tips(ONDRIK_TIPS_FILE);
    ASSERT_TRUE(tips) << ONDRIK_TIPS_FILE;
    int nChecked = 0;
    for (std::string tip; std::getline(tips, tip);) {
        for (std::size_t at = tip.find(" menu)"); at != std::string::npos; at = tip.find(" menu)", at + 1)) {
            const std::size_t open = tip.rfind(" (", at);
            ASSERT_NE(open, std::string::npos) << tip;
            const std::string caption = tip.substr(open + 2, at - open - 2);
            const std::string before = tip.substr(0, open);
            bool bFound = false;
            for (int menuId : {kFrame, kJava, kProject, kHtml}) {
                for (int id : PopupIds(menuId, caption)) {
                    std::string text = WithoutMnemonic(CommandTable::MenuText(id, menuId));
                    text = text.substr(0, text.find('\t'));
                    bFound = bFound || (!text.empty() && before.size() >= text.size() &&
                                        before.compare(before.size() - text.size(), text.size(), text) == 0);
                }
            }
            EXPECT_TRUE(bFound) << "no " << caption << " menu holds what this tip names: " << tip;
            ++nChecked;
        }
    }
    EXPECT_GE(nChecked, 8);
}
