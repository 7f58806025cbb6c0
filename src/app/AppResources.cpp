#include "AppResources.h"

#include "CommandTable.h"

#include "framework/CommandIds.h"
#include "framework/Resources.h"

#include <map>
#include <vector>

using namespace Cmd;

namespace {

// The menus are lists of commands; each item's text is the command's, as the table gives it for
// that menu.
class CMenuLayout {
public:
    explicit CMenuLayout(int menuId) : m_nMenu(menuId) {}

    CMenuItem Item(int id) const { return MenuCommand(id, CommandTable::MenuText(id, m_nMenu)); }
    CMenuItem Popup(std::string caption, const std::vector<int>& ids) const
    {
        std::vector<CMenuItem> items;
        for (int id : ids)
            items.push_back(id == kSeparator ? MenuSeparator() : Item(id));
        return MenuPopup(std::move(caption), std::move(items));
    }
    bool Is(int menuId) const { return m_nMenu == menuId; }

    static constexpr int kSeparator = 0;

private:
    int m_nMenu;
};

constexpr int kSep = CMenuLayout::kSeparator;

// The File menu of document windows; the frame's own is shorter.
CMenuItem FileMenu(const CMenuLayout& menu)
{
    if (menu.Is(Res::IDR_MAINFRAME))
        return menu.Popup("&File", {ID_FILE_NEW, ID_FILE_OPEN, kSep, ID_FILE_NEWPROJECT, ID_FILE_OPENPROJECT,
                                    ID_FILE_RECENTPROJECTS, ID_FILE_CLOSEPROJECT, kSep, ID_TOOLS_PREFERENCES, kSep,
                                    ID_FILE_PRINT_SETUP, kSep, ID_FILE_MRU_FILE1, kSep, ID_APP_EXIT});
    std::vector<int> ids{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_SAVEALL};
    // The source windows export their coloured text.
    if (menu.Is(Res::IDR_JAVATYPE) || menu.Is(Res::IDR_HTMLTYPE))
        ids.push_back(ID_FILE_EXPORTHTML);
    ids.insert(ids.end(), {kSep, ID_FILE_NEWPROJECT, ID_FILE_OPENPROJECT, ID_FILE_RECENTPROJECTS, ID_FILE_CLOSEPROJECT,
                           kSep, ID_TOOLS_PREFERENCES, kSep, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP,
                           kSep, ID_FILE_MRU_FILE1, kSep, ID_APP_EXIT});
    return menu.Popup("&File", ids);
}

CMenuItem EditMenu(const CMenuLayout& menu)
{
    if (menu.Is(Res::IDR_PROJECTTYPE))
        return menu.Popup("&Edit", {ID_EDIT_UNDO, ID_EDIT_REDO, kSep, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
                                    ID_EDIT_SELECT_ALL});
    if (menu.Is(Res::IDR_JAVATYPE))
        return menu.Popup("&Edit", {ID_EDIT_UNDO, ID_EDIT_REDO, kSep, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
                                    ID_EDIT_SELECT_ALL, kSep, ID_EDIT_FIND, ID_EDIT_REPEAT, ID_EDIT_REPLACE,
                                    ID_EDIT_GOTOLINE, kSep, ID_EDIT_INDENT, ID_EDIT_OUTDENT, ID_EDIT_TABSTOSPACES,
                                    ID_EDIT_CONVERTLINEBREAKS, kSep, ID_EDIT_REFRESHFUNCTIONS, ID_VIEW_SYNTAXCOLOUR});
    return menu.Popup("&Edit", {ID_EDIT_UNDO, ID_EDIT_REDO, kSep, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
                                ID_EDIT_SELECT_ALL, kSep, ID_EDIT_FIND, ID_EDIT_REPEAT, ID_EDIT_GOTOLINE, kSep,
                                ID_EDIT_INDENT, ID_EDIT_OUTDENT, ID_EDIT_CONVERTLINEBREAKS, kSep,
                                ID_VIEW_SYNTAXCOLOUR});
}

CMenuItem ViewMenu(const CMenuLayout& menu)
{
    // Process Window is in every View menu: the application hands it to the open project, so a
    // Process Window closed with Escape can be brought back from any window. So is the Debug bar.
    return menu.Popup("&View", {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, kSep, ID_VIEW_PROJECTWINDOW, ID_VIEW_PROCESSWINDOW,
                                ID_VIEW_DEBUGBAR});
}

CMenuItem ProjectMenu(const CMenuLayout& menu)
{
    if (menu.Is(Res::IDR_MAINFRAME))
        return menu.Popup("&Project", {ID_PROJECT_ADDJAVAFILES, ID_PROJECT_ADDHTMLFILE, kSep, ID_VIEW_PROJECTWINDOW});
    if (menu.Is(Res::IDR_JAVATYPE))
        return menu.Popup("&Project", {ID_PROJECT_ADDJAVAFILES, ID_PROJECT_ADDHTMLFILE, ID_PROJECT_ADDWINDOW});
    return menu.Popup("&Project", {ID_PROJECT_ADDJAVAFILES, ID_PROJECT_ADDHTMLFILE});
}

CMenuItem BuildMenu(const CMenuLayout& menu)
{
    if (menu.Is(Res::IDR_HTMLTYPE))
        return menu.Popup("&Build", {ID_HTML_INSERTAPPLET, ID_HTML_OPENINBROWSER, ID_HTML_RUNAPPLET, kSep,
                                     ID_BUILD_COMPILE, ID_BUILD_BUILD, ID_BUILD_NEXTERROR, ID_BUILD_PREVERROR,
                                     ID_BUILD_RUN});
    return menu.Popup("&Build", {ID_BUILD_COMPILE, ID_BUILD_BUILD, ID_BUILD_NEXTERROR, ID_BUILD_PREVERROR, kSep,
                                 ID_BUILD_RUN, ID_BUILD_RUNWITHCONSOLE, ID_BUILD_RUNAPPLET, ID_BUILD_DEBUG,
                                 ID_BUILD_DEBUGINTERMINAL, kSep, ID_BUILD_CREATEJAR, ID_BUILD_SHOWARCHIVE});
}

// A session's commands, in every window that has the Build menu; the project's Debug that
// starts one stays in the Build menu.
CMenuItem DebugMenu(const CMenuLayout& menu)
{
    return menu.Popup("&Debug", {ID_DEBUG_CONTINUE, ID_DEBUG_STEPOVER, ID_DEBUG_STEPINTO, ID_DEBUG_STEPOUT,
                                 ID_DEBUG_RUNTOCURSOR, kSep, ID_DEBUG_PAUSE, ID_DEBUG_STOP, kSep,
                                 ID_DEBUG_TOGGLEBREAKPOINT});
}

CMenuItem WindowMenu(const CMenuLayout& menu)
{
    return menu.Popup("&Window", {ID_WINDOW_NEW, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE});
}

CMenuItem HelpMenu(const CMenuLayout& menu)
{
    return menu.Popup("&Help", {ID_APP_ABOUT, ID_HELP_HELP, ID_HELP_JDKHELP});
}

void LoadMenus(CResources& res)
{
    const CMenuLayout frame(Res::IDR_MAINFRAME);
    res.AddMenu(Res::IDR_MAINFRAME, {FileMenu(frame), ProjectMenu(frame), ViewMenu(frame), HelpMenu(frame)});
    for (int id : {Res::IDR_JAVATYPE, Res::IDR_PROJECTTYPE, Res::IDR_HTMLTYPE}) {
        const CMenuLayout menu(id);
        res.AddMenu(id, {FileMenu(menu), EditMenu(menu), ViewMenu(menu), ProjectMenu(menu), BuildMenu(menu),
                         DebugMenu(menu), WindowMenu(menu), HelpMenu(menu)});
    }
    // The editors' context menu.
    const CMenuLayout context(Res::IDR_EDITOR_CONTEXT);
    res.AddMenu(Res::IDR_EDITOR_CONTEXT, {context.Popup("", {ID_EDIT_UNDO, kSep, ID_EDIT_CUT, ID_EDIT_COPY,
                                                             ID_EDIT_PASTE, kSep, ID_EDIT_SELECT_ALL, kSep,
                                                             ID_VIEW_SYNTAXCOLOUR})});
}

void LoadAccelerators(CResources& res)
{
    std::map<int, std::vector<CAccelerator>> tables;
    for (const CCommandInfo& command : CommandTable::Commands()) {
        for (const CCommandKey& key : command.keys)
            tables[key.tableId].push_back({key.keys, command.id});
    }
    for (auto& [id, keys] : tables)
        res.AddAccelerators(id, std::move(keys));
}

void LoadPrompts(CResources& res)
{
    for (const CCommandInfo& command : CommandTable::Commands()) {
        if (command.prompt != nullptr)
            res.AddPrompt(command.id, command.prompt);
    }
}

void LoadStrings(CResources& res)
{
    res.AddString(Res::IDS_APP_TITLE, "Ondrik");
    res.AddString(Res::AFX_IDS_APP_TITLE, "Ondrik");
    res.AddString(Res::AFX_IDS_IDLEMESSAGE, "Ready");
    res.AddString(Res::IDS_TIP_PROMPT, "Displays a Tip of the Day.");
    res.AddString(Res::IDS_TIP_ITEM, "Ti&p of the Day...");
    res.AddString(Res::IDS_DID_YOU_KNOW, "Did you know...");
    res.AddString(Res::IDS_TIPS_MISSING, "The tips file is missing from the Ondrik application folder.");
    res.AddString(Res::IDS_TIPS_TROUBLE, "Trouble reading the tips file");
    res.AddString(Res::IDS_HELP_MENU, "&Help");
    res.AddString(Res::IDS_OPEN_PROJECT_TITLE, "Open a Ondrik Project");
    res.AddString(Res::IDS_APPLICATION_TEMPLATE,
                  "import java.awt.*;\nimport java.awt.event.*;\n\npublic class MainFrame extends Frame\n{\n"
                  "\tpublic MainFrame()\n\t{\n\t\tthis.addWindowListener\t(new WindowAdapter(){\n"
                  "\t\t\tpublic void windowClosing(WindowEvent e){\n\t\t\t\tdispose();\n\t\t\t\tSystem.exit(0);\n"
                  "\t\t\t}\n\t\t});\n\t}\n\t\n\tpublic static void main(String args[])\n\t{\n"
                  "\t\tSystem.out.println(\"Starting App\");\n\t\tMainFrame f = new MainFrame();\n"
                  "\t\tf.setSize(100,100);\n\t\tf.show();\n\t}\n}");
    res.AddString(Res::IDS_APPLET_TEMPLATE,
                  "import java.awt.*;\nimport java.applet.*;\n\npublic class MyApplet extends Applet\n{\n"
                  "\tpublic void paint(Graphics g)\n\t{\n\t\tg.drawString(\"Hello World\", 20, 20);\n\t}\n}\t");
    res.AddString(Res::IDS_APPLET_PAGE_TEMPLATE,
                  "<HTML>\n\t<HEAD>\n\t\t<TITLE>MyApplet Example1</TITLE>\n\t</HEAD>\n\t<BODY>\n"
                  "\t\t<H1>MyApplet</H1>\n\t\t<HR>\n\t\t<P>\n"
                  "\t\t\t<APPLET CODE=\"MyApplet.class\" WIDTH=\"300\" HEIGHT=\"300\">\n\t\t\t</APPLET>\n"
                  "\t\t</P>\n\t\t<HR>\n\t</BODY>\n</HTML>");
}

}  // namespace

void LoadAppResources(CResources& resources)
{
    LoadMenus(resources);
    LoadAccelerators(resources);
    LoadPrompts(resources);
    LoadStrings(resources);
}
