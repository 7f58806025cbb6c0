#include "CommandTable.h"

#include "AppResources.h"

#include "framework/CommandIds.h"

#include <algorithm>

using namespace Cmd;

namespace {

// The accelerator tables and menus by the window they belong to.
constexpr int kFrame = Res::IDR_MAINFRAME;
constexpr int kJava = Res::IDR_JAVATYPE;
constexpr int kProject = Res::IDR_PROJECTTYPE;
constexpr int kHtml = Res::IDR_HTMLTYPE;
constexpr int kContext = Res::IDR_EDITOR_CONTEXT;

using enum EDrawnIcon;

// Each row names only the fields it sets; the others keep their defaults.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
std::vector<CCommandInfo> MakeCommands()
{
    return {
        // The program's own commands.
        // The frame puts the Tip of the Day item into the Help menus itself, from string 115.
        {.id = ID_HELP_TIPOFTHEDAY, .prompt = "Displays a Tip of the Day."},
        {.id = ID_PROJECT_ADDJAVAFILES,
         .menuText = "Add Java Source Files...",
         .prompt = "Add an existing Java Source File to the Project"},
        {.id = ID_PROJECT_REMOVEFILE, .keys = {{kProject, "Del"}}, .prompt = "Remove Java Source File from Project"},
        {.id = ID_PROJECT_SETMAIN, .keys = {{kProject, "F8"}}, .prompt = "Set the class containing the Main function."},
        {.id = ID_BUILD_COMPILE,
         .menuText = "&Compile\tCtrl+M",
         .keys = {{kJava, "Ctrl+M"}, {kProject, "Ctrl+M"}, {kHtml, "Ctrl+M"}},
         .prompt = "Compile the current file\nCompile File",
         .icon = {"run-build-file", kTickedPage},
         .nToolbarSlot = 15},
        {.id = ID_TOOLS_PREFERENCES,
         .menuText = "Pre&ferences...",
         .prompt = "Set the path to the Java SDK and other options"},
        {.id = ID_BUILD_RUN,
         .menuText = "&Run Application\tF5",
         .keys = {{kJava, "F5"}, {kProject, "F5"}},
         .prompt = "Run the Program\nRun",
         .icon = {"media-playback-start", kRunArrow},
         .nToolbarSlot = 17},
        {.id = ID_PROJECT_SETPACKAGE, .prompt = "Set the package for the project's main class"},
        {.id = ID_EDIT_REFRESHFUNCTIONS,
         .menuText = "Refresh Function List\tF2",
         .keys = {{kJava, "F2"}},
         .prompt = "Refresh the list of functions diplayed in the top bar"},
        {.id = ID_EDIT_INDENT,
         .menuText = "Increase Indent\tCtrl+]",
         .keys = {{kJava, "Ctrl+]"}, {kHtml, "Ctrl+]"}},
         .prompt = "Indents the selected text right one tab stop\nIncrease Indent",
         .icon = {"format-indent-more", kIndentMore},
         .nToolbarSlot = 12},
        {.id = ID_EDIT_OUTDENT,
         .menuText = "Decrease Indent\tCtrl+[",
         .keys = {{kJava, "Ctrl+["}, {kHtml, "Ctrl+["}},
         .prompt = "Indents the selected text left one tab stop\nDecrease Indent",
         .icon = {"format-indent-less", kIndentLess},
         .nToolbarSlot = 13},
        {.id = ID_BUILD_SHOWLASTOUTPUT, .prompt = "Show the output from the last compile."},
        {.id = ID_FILE_NEWPROJECT, .menuText = "&New Project...", .prompt = "Create a new Project"},
        {.id = ID_FILE_SAVEALL, .menuText = "Save All", .prompt = "Save all open documents."},
        {.id = ID_BUILD_SHOWARCHIVE,
         .menuText = "Show Archive Contents...",
         .prompt = "List the contents of a Java Archive"},
        {.id = ID_VIEW_SOURCEFONT, .prompt = "Set the font and size for source windows"},
        {.id = ID_PROJECT_ADDHTMLFILE,
         .menuText = "Add HTML File...",
         .prompt = "Add an HTML file to launch an applet"},
        {.id = ID_PROJECT_ADDWINDOW,
         .menuText = "Add Window to Project",
         .prompt = "Add the current window to the project"},
        {.id = ID_EDIT_CONVERTLINEBREAKS,
         .menuText = "Convert Linebreaks",
         .prompt = "Convert linebreaks in a Macintosh source file"},
        {.id = ID_PROJECT_OPENFILE, .prompt = "Open the currently selected Java File"},
        {.id = ID_BUILD_BUILD,
         .menuText = "&Build\tF7",
         .keys = {{kJava, "F7"}, {kProject, "F7"}, {kHtml, "F7"}},
         .prompt = "Compile all files required by main\nBuild",
         .icon = {"run-build", kHammer},
         .nToolbarSlot = 16},
        {.id = ID_BUILD_CREATEJAR, .menuText = "Create Jar...", .prompt = "Make a Jar file\nCreate Jar"},
        {.id = ID_HTML_INSERTAPPLET,
         .menuText = "Insert Applet",
         .prompt = "Insert HTML tags for your applet\nInsert Applet"},
        {.id = ID_HTML_OPENINBROWSER,
         .menuText = "Open In &Web Browser",
         .prompt = "Open the HTML file with your browser, if one is configured\nOpen in Browser",
         .icon = {"internet-web-browser", kGlobe},
         .nToolbarSlot = 19},
        {.id = ID_VIEW_SYNTAXCOLOUR,
         .menuText = "Syntax Colour Update\tF3",
         .variants = {{kContext, "&Syntax Colour Update"}},
         .keys = {{kJava, "F3"}, {kHtml, "F3"}},
         .prompt = "Update Syntax Colouring\nSyntax Colour"},
        // The toolbar's way to the View menu's Project Window; no menu shows it.
        {.id = ID_VIEW_PROJECTWINDOWBUTTON,
         .prompt = "Show/Hide Project Window\nProject Window",
         .icon = {"view-list-tree", kFileTree},
         .nToolbarSlot = 21},
        {.id = ID_BUILD_RUNWITHCONSOLE,
         .menuText = "Run &with Console",
         .prompt = "Run the application with its own console\nRun with console"},
        {.id = ID_HELP_HELP, .menuText = "Help...", .prompt = "Launches Java Help Viewer (requires JDK 1.2)"},
        {.id = ID_EDIT_TABSTOSPACES,
         .menuText = "Convert Tabs to Spaces",
         .prompt = "Convert tabs to spaces using the tab size set in Preferences."},
        {.id = ID_FILE_OPENPROJECT, .menuText = "&Open Project...", .prompt = "Open an existing Velmar project"},
        {.id = ID_HELP_JDKHELP,
         .menuText = "JDK Help\tF1",
         .keys = {{kFrame, "F1"}},
         .prompt = "JDK Documentation in WinHelp format"},
        {.id = ID_BUILD_DEBUG, .menuText = "Debug", .prompt = "Run with JDB"},
        {.id = ID_VIEW_PROCESSWINDOW, .menuText = "Process Window", .prompt = "Show the process output window"},
        {.id = ID_VIEW_PROJECTWINDOW, .menuText = "Project Window"},
        {.id = ID_FILE_CLOSEPROJECT, .menuText = "Close Project"},
        {.id = ID_HTML_RUNAPPLET, .menuText = "Run Applet\tShift+F5", .keys = {{kHtml, "Shift+F5"}}},
        {.id = ID_BUILD_RUNAPPLET,
         .menuText = "Run &Applet\tShift+F5",
         .keys = {{kJava, "Shift+F5"}, {kProject, "Shift+F5"}},
         .prompt = "Run Applet\nRun Applet",
         .icon = {"system-run", kRunArrowOnPage},
         .nToolbarSlot = 18},
        {.id = ID_FILE_EXPORTHTML,
         .menuText = "Export as HTML...",
         .prompt = "Write the coloured source as an HTML page\nExport as HTML"},
        {.id = ID_FILE_RECENTPROJECTS, .menuText = "Recent Projects..."},
        // Ctrl+G is Find Next's, so Go to Line takes Ctrl+L.
        {.id = ID_EDIT_GOTOLINE,
         .menuText = "&Go to Line...\tCtrl+L",
         .keys = {{kJava, "Ctrl+L"}, {kHtml, "Ctrl+L"}},
         .prompt = "Move to the line of the given number\nGo to Line"},
        // Walk the messages of the last output, as a double-click on each would open it.
        {.id = ID_BUILD_NEXTERROR,
         .menuText = "Ne&xt Error\tF4",
         .keys = {{kJava, "F4"}, {kProject, "F4"}, {kHtml, "F4"}},
         .prompt = "Go to the source line of the next message in the Process Window\nNext Error"},
        {.id = ID_BUILD_PREVERROR,
         .menuText = "Pre&vious Error\tShift+F4",
         .keys = {{kJava, "Shift+F4"}, {kProject, "Shift+F4"}, {kHtml, "Shift+F4"}},
         .prompt = "Go to the source line of the previous message in the Process Window\nPrevious Error"},

        // The debugger's commands. F5 runs, so Continue takes Ctrl+F5; the frame's table gives the
        // session's keys to every window, the Debug bar's too. Only a source window has a caret's
        // line, so the others show Run to Cursor and Toggle Breakpoint without keys.
        {.id = ID_DEBUG_CONTINUE,
         .menuText = "&Continue\tCtrl+F5",
         .keys = {{kFrame, "Ctrl+F5"}},
         .prompt = "Let the stopped program run on\nContinue"},
        {.id = ID_DEBUG_STEPOVER,
         .menuText = "Step &Over\tF10",
         .keys = {{kFrame, "F10"}},
         .prompt = "Run the current line, calls and all, and stop at the next\nStep Over"},
        {.id = ID_DEBUG_STEPINTO,
         .menuText = "Step &Into\tF11",
         .keys = {{kFrame, "F11"}},
         .prompt = "Run to the next line, inside the method the current line calls\nStep Into"},
        {.id = ID_DEBUG_STEPOUT,
         .menuText = "Step O&ut\tShift+F11",
         .keys = {{kFrame, "Shift+F11"}},
         .prompt = "Run until the current method returns\nStep Out"},
        {.id = ID_DEBUG_RUNTOCURSOR,
         .menuText = "&Run to Cursor\tCtrl+F10",
         .variants = {{kProject, "&Run to Cursor"}, {kHtml, "&Run to Cursor"}},
         .keys = {{kJava, "Ctrl+F10"}},
         .prompt = "Run until the program reaches the caret's line\nRun to Cursor"},
        {.id = ID_DEBUG_PAUSE, .menuText = "&Pause", .prompt = "Stop the running program where it is\nPause"},
        {.id = ID_DEBUG_STOP,
         .menuText = "&Stop Debugging\tCtrl+Shift+F5",
         .keys = {{kFrame, "Ctrl+Shift+F5"}},
         .prompt = "End the program being debugged\nStop Debugging"},
        {.id = ID_DEBUG_TOGGLEBREAKPOINT,
         .menuText = "Toggle &Breakpoint\tF9",
         .variants = {{kProject, "Toggle &Breakpoint"}, {kHtml, "Toggle &Breakpoint"}},
         .keys = {{kJava, "F9"}},
         .prompt = "Set or clear a breakpoint on the caret's line\nToggle Breakpoint"},
        {.id = ID_BUILD_DEBUGINTERMINAL,
         .menuText = "Debug in &Terminal",
         .prompt = "Run with JDB in a terminal of its own\nDebug in Terminal"},
        {.id = ID_VIEW_DEBUGBAR, .menuText = "Debug Bar", .prompt = "Show or hide the Debug bar\nDebug Bar"},

        // The framework's standard commands, with its own texts and prompts.
        {.id = ID_FILE_NEW,
         .menuText = "&New\tCtrl+N",
         .keys = {{kFrame, "Ctrl+N"}},
         .prompt = "Create a new document\nNew",
         .icon = {"document-new", kBlankPage},
         .nToolbarSlot = 1},
        {.id = ID_FILE_OPEN,
         .menuText = "&Open...\tCtrl+O",
         .keys = {{kFrame, "Ctrl+O"}},
         .prompt = "Open an existing document\nOpen",
         .icon = {"document-open", kFolder},
         .nToolbarSlot = 3},
        {.id = ID_FILE_CLOSE, .menuText = "&Close", .prompt = "Close the active document\nClose"},
        {.id = ID_FILE_SAVE,
         .menuText = "&Save\tCtrl+S",
         .keys = {{kFrame, "Ctrl+S"}},
         .prompt = "Save the active document\nSave",
         .icon = {"document-save", kDisk},
         .nToolbarSlot = 4},
        {.id = ID_FILE_SAVE_AS,
         .menuText = "Save &As...",
         .prompt = "Save the active document with a new name\nSave As"},
        {.id = ID_FILE_PRINT_SETUP,
         .menuText = "P&rint Setup...",
         .prompt = "Change the printer and printing options\nPrint Setup"},
        {.id = ID_FILE_PRINT,
         .menuText = "&Print...\tCtrl+P",
         .keys = {{kFrame, "Ctrl+P"}},
         .prompt = "Print the active document\nPrint",
         .icon = {"document-print", kPrinter},
         .nToolbarSlot = 10},
        {.id = ID_FILE_PRINT_PREVIEW, .menuText = "Print Pre&view", .prompt = "Display full pages\nPrint Preview"},
        // Stands in the File menu for the recent-file entries, which take its place when there are any.
        {.id = ID_FILE_MRU_FILE1, .menuText = "Recent File", .prompt = "Open this document"},
        {.id = ID_EDIT_COPY,
         .menuText = "&Copy\tCtrl+C",
         .variants = {{kContext, "&Copy"}},
         .keys = {{kFrame, "Ctrl+C"}, {kFrame, "Ctrl+Ins"}},
         .prompt = "Copy the selection and put it on the Clipboard\nCopy",
         .icon = {"edit-copy", kTwoPages},
         .nToolbarSlot = 7},
        {.id = ID_EDIT_CUT,
         .menuText = "Cu&t\tCtrl+X",
         .variants = {{kContext, "Cu&t"}},
         .keys = {{kFrame, "Ctrl+X"}, {kFrame, "Shift+Del"}},
         .prompt = "Cut the selection and put it on the Clipboard\nCut",
         .icon = {"edit-cut", kScissors},
         .nToolbarSlot = 6},
        {.id = ID_EDIT_FIND,
         .menuText = "&Find...\tCtrl+F",
         .keys = {{kJava, "Ctrl+F"}, {kHtml, "Ctrl+F"}},
         .prompt = "Find the specified text\nFind"},
        {.id = ID_EDIT_PASTE,
         .menuText = "&Paste\tCtrl+V",
         .variants = {{kContext, "&Paste"}},
         .keys = {{kFrame, "Ctrl+V"}, {kFrame, "Shift+Ins"}},
         .prompt = "Insert Clipboard contents\nPaste",
         .icon = {"edit-paste", kClipboard},
         .nToolbarSlot = 8},
        // HTML windows have no Replace; Ctrl+H repeats the search there.
        {.id = ID_EDIT_REPEAT,
         .menuText = "Find &Next\tCtrl+G",
         .variants = {{kHtml, "Find &Next\tCtrl+H"}},
         .keys = {{kJava, "Ctrl+G"}, {kHtml, "Ctrl+H"}},
         .prompt = "Repeat the last action\nRepeat"},
        {.id = ID_EDIT_REPLACE,
         .menuText = "R&eplace...\tCtrl+H",
         .keys = {{kJava, "Ctrl+H"}},
         .prompt = "Replace specific text with different text\nReplace"},
        {.id = ID_EDIT_SELECT_ALL, .menuText = "Select &All", .prompt = "Select the entire document\nSelect All"},
        {.id = ID_EDIT_UNDO,
         .menuText = "&Undo\tCtrl+Z",
         .variants = {{kContext, "&Undo"}},
         .keys = {{kFrame, "Ctrl+Z"}, {kFrame, "Alt+Backspace"}},
         .prompt = "Undo the last action\nUndo"},
        {.id = ID_EDIT_REDO,
         .menuText = "&Redo\tCtrl+Y",
         .keys = {{kFrame, "Ctrl+Y"}, {kFrame, "Ctrl+Shift+Z"}},
         .prompt = "Redo the previously undone action\nRedo"},
        {.id = ID_WINDOW_NEW,
         .menuText = "&New Window",
         .prompt = "Open another window for the active document\nNew Window"},
        {.id = ID_WINDOW_ARRANGE,
         .menuText = "&Arrange Icons",
         .prompt = "Arrange icons at the bottom of the window\nArrange Icons"},
        {.id = ID_WINDOW_CASCADE, .menuText = "&Cascade", .prompt = "Arrange windows so they overlap\nCascade Windows"},
        {.id = ID_WINDOW_TILE_HORZ,
         .menuText = "&Tile",
         .prompt = "Arrange windows as non-overlapping tiles\nTile Windows"},
        {.id = ID_APP_ABOUT,
         .menuText = "&About Ondrik",
         .prompt = "Display program information, version number and copyright\nAbout"},
        {.id = ID_APP_EXIT, .menuText = "E&xit", .prompt = "Quit the application; prompts to save documents\nExit"},
        {.id = ID_NEXT_PANE, .keys = {{kFrame, "F6"}}, .prompt = "Switch to the next window pane\nNext Pane"},
        {.id = ID_PREV_PANE,
         .keys = {{kFrame, "Shift+F6"}},
         .prompt = "Switch back to the previous window pane\nPrevious Pane"},
        {.id = ID_VIEW_TOOLBAR, .menuText = "&Toolbar", .prompt = "Show or hide the toolbar\nToggle ToolBar"},
        {.id = ID_VIEW_STATUS_BAR,
         .menuText = "&Status Bar",
         .prompt = "Show or hide the status bar\nToggle StatusBar"},
        // The Window menu lists the open windows itself; every entry has this prompt.
        {.id = ID_WINDOW_FIRST_MDICHILD, .prompt = "Activate this window"},
    };
}
#pragma GCC diagnostic pop

}  // namespace

namespace CommandTable {

const std::vector<CCommandInfo>& Commands()
{
    static const std::vector<CCommandInfo> commands = MakeCommands();
    return commands;
}

const CCommandInfo* Find(int id)
{
    const auto& commands = Commands();
    const auto it =
        std::find_if(commands.begin(), commands.end(), [id](const CCommandInfo& c) { return c.id == id; });
    return it == commands.end() ? nullptr : &*it;
}

std::string MenuText(int id, int menuId)
{
    const CCommandInfo* command = Find(id);
    if (command == nullptr)
        return {};
    for (const CMenuTextVariant& variant : command->variants) {
        if (variant.menuId == menuId)
            return variant.text;
    }
    return command->menuText;
}

std::vector<CToolbarEntry> Toolbar()
{
    std::vector<CToolbarEntry> entries;
    for (const CCommandInfo& command : Commands()) {
        if (command.nToolbarSlot <= 0)
            continue;
        if (entries.size() < static_cast<size_t>(command.nToolbarSlot))
            entries.resize(command.nToolbarSlot);
        entries[command.nToolbarSlot - 1] = {command.id, command.icon};
    }
    return entries;
}

}  // namespace CommandTable
