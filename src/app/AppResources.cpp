#include "AppResources.h"

#include "framework/CommandIds.h"
#include "framework/Resources.h"

using namespace Cmd;

namespace {

// The File menu of document windows; the frame's own is shorter.
CMenuItem FileMenu(bool bDocument)
{
    std::vector<CMenuItem> items{MenuCommand(ID_FILE_NEW, "&New...\tCtrl+N"),
                                 MenuCommand(ID_FILE_OPEN, "&Open...\tCtrl+O")};
    if (bDocument) {
        items.push_back(MenuCommand(ID_FILE_CLOSE, "&Close"));
        items.push_back(MenuCommand(ID_FILE_SAVE, "&Save\tCtrl+S"));
        items.push_back(MenuCommand(ID_FILE_SAVE_AS, "Save &As..."));
        items.push_back(MenuCommand(ID_FILE_SAVEALL, "Save All"));
    }
    items.push_back(MenuSeparator());
    items.push_back(MenuCommand(ID_FILE_NEWPROJECT, "&New Project..."));
    items.push_back(MenuCommand(ID_FILE_OPENPROJECT, "&Open Project..."));
    items.push_back(MenuCommand(ID_FILE_RECENTPROJECTS, "Recent Projects..."));
    items.push_back(MenuCommand(ID_FILE_CLOSEPROJECT, "Close Project"));
    items.push_back(MenuSeparator());
    if (bDocument) {
        items.push_back(MenuCommand(ID_FILE_PRINT, "&Print...\tCtrl+P"));
        items.push_back(MenuCommand(ID_FILE_PRINT_PREVIEW, "Print Pre&view"));
    }
    items.push_back(MenuCommand(ID_FILE_PRINT_SETUP, "P&rint Setup..."));
    items.push_back(MenuSeparator());
    items.push_back(MenuCommand(ID_FILE_MRU_FILE1, "Recent File"));
    items.push_back(MenuSeparator());
    items.push_back(MenuCommand(ID_APP_EXIT, "E&xit"));
    return MenuPopup("&File", std::move(items));
}

std::vector<CMenuItem> ClipboardItems()
{
    return {MenuCommand(ID_EDIT_UNDO, "&Undo\tCtrl+Z"), MenuSeparator(),
            MenuCommand(ID_EDIT_CUT, "Cu&t\tCtrl+X"), MenuCommand(ID_EDIT_COPY, "&Copy\tCtrl+C"),
            MenuCommand(ID_EDIT_PASTE, "&Paste\tCtrl+V"), MenuCommand(ID_EDIT_SELECT_ALL, "Select &All")};
}

CMenuItem EditMenu(int resourceId)
{
    std::vector<CMenuItem> items = ClipboardItems();
    if (resourceId == Res::IDR_JAVATYPE || resourceId == Res::IDR_HTMLTYPE) {
        items.push_back(MenuSeparator());
        items.push_back(MenuCommand(ID_EDIT_FIND, "&Find...\tCtrl+F"));
        if (resourceId == Res::IDR_JAVATYPE) {
            items.push_back(MenuCommand(ID_EDIT_REPEAT, "Find &Next\tCtrl+G"));
            items.push_back(MenuCommand(ID_EDIT_REPLACE, "R&eplace...\tCtrl+H"));
        } else {
            items.push_back(MenuCommand(ID_EDIT_REPEAT, "Find &Next\tCtrl+H"));
        }
        items.push_back(MenuSeparator());
        items.push_back(MenuCommand(ID_EDIT_INDENT, "Increase Indent\tCtrl+]"));
        items.push_back(MenuCommand(ID_EDIT_OUTDENT, "Decrease Indent\tCtrl+["));
        if (resourceId == Res::IDR_JAVATYPE)
            items.push_back(MenuCommand(ID_EDIT_TABSTOSPACES, "Convert Tabs to Spaces"));
        items.push_back(MenuCommand(ID_EDIT_CONVERTLINEBREAKS, "Convert Linebreaks"));
        items.push_back(MenuSeparator());
        if (resourceId == Res::IDR_JAVATYPE)
            items.push_back(MenuCommand(ID_EDIT_REFRESHFUNCTIONS, "Refresh Function List\tF2"));
        items.push_back(MenuCommand(ID_VIEW_SYNTAXCOLOUR, "Syntax Colour Update\tF3"));
    }
    items.push_back(MenuSeparator());
    items.push_back(MenuCommand(ID_TOOLS_PREFERENCES, "Pre&ferences..."));
    return MenuPopup("&Edit", std::move(items));
}

CMenuItem ViewMenu(int resourceId)
{
    std::vector<CMenuItem> items{MenuCommand(ID_VIEW_TOOLBAR, "&Toolbar"),
                                 MenuCommand(ID_VIEW_STATUS_BAR, "&Status Bar"), MenuSeparator(),
                                 MenuCommand(ID_VIEW_PROJECTWINDOW, "Project Window")};
    if (resourceId == Res::IDR_HTMLTYPE)
        items.push_back(MenuCommand(ID_VIEW_PROCESSWINDOW, "Process Window"));
    return MenuPopup("&View", std::move(items));
}

CMenuItem ProjectMenu(int resourceId)
{
    std::vector<CMenuItem> items{MenuCommand(ID_PROJECT_ADDJAVAFILES, "Add Java Source Files..."),
                                 MenuCommand(ID_PROJECT_ADDHTMLFILE, "Add HTML File...")};
    if (resourceId == Res::IDR_JAVATYPE)
        items.push_back(MenuCommand(ID_PROJECT_ADDWINDOW, "Add Window to Project"));
    if (resourceId == Res::IDR_MAINFRAME) {
        items.push_back(MenuSeparator());
        items.push_back(MenuCommand(ID_VIEW_PROJECTWINDOW, "Project Window"));
    }
    return MenuPopup("&Project", std::move(items));
}

CMenuItem BuildMenu(int resourceId)
{
    std::vector<CMenuItem> items;
    if (resourceId == Res::IDR_HTMLTYPE) {
        items = {MenuCommand(ID_HTML_INSERTAPPLET, "Insert Applet"),
                 MenuCommand(ID_HTML_OPENINBROWSER, "Open In &Web Browser"),
                 MenuCommand(ID_HTML_RUNAPPLET, "Run Applet\tShift+F5"), MenuSeparator(),
                 MenuCommand(ID_BUILD_COMPILE, "&Compile\tCtrl+M"), MenuCommand(ID_BUILD_BUILD, "&Build\tF7"),
                 MenuCommand(ID_BUILD_RUN, "&Run Application\tF5")};
    } else {
        items = {MenuCommand(ID_BUILD_COMPILE, "&Compile\tCtrl+M"),
                 MenuCommand(ID_BUILD_BUILD, "&Build\tF7"),
                 MenuSeparator(),
                 MenuCommand(ID_BUILD_RUN, "&Run Application\tF5"),
                 MenuCommand(ID_BUILD_RUNWITHCONSOLE, "Run &with Console"),
                 MenuCommand(ID_BUILD_RUNAPPLET, "Run &Applet\tShift+F5"),
                 MenuCommand(ID_BUILD_DEBUG, "Debug"),
                 MenuSeparator(),
                 MenuCommand(ID_BUILD_CREATEJAR, "Create Jar..."),
                 MenuCommand(ID_BUILD_SHOWARCHIVE, "Show Archive Contents...")};
    }
    return MenuPopup("&Build", std::move(items));
}

CMenuItem WindowMenu()
{
    return MenuPopup("&Window", {MenuCommand(ID_WINDOW_NEW, "&New Window"), MenuCommand(ID_WINDOW_CASCADE, "&Cascade"),
                                 MenuCommand(ID_WINDOW_TILE_HORZ, "&Tile"),
                                 MenuCommand(ID_WINDOW_ARRANGE, "&Arrange Icons")});
}

CMenuItem HelpMenu()
{
    return MenuPopup("&Help", {MenuCommand(ID_APP_ABOUT, "&About Ondrik"), MenuCommand(ID_HELP_HELP, "Help..."),
                               MenuCommand(ID_HELP_JDKHELP, "JDK Help\tF1")});
}

void LoadMenus(CResources& res)
{
    res.AddMenu(Res::IDR_MAINFRAME,
                {FileMenu(false), ProjectMenu(Res::IDR_MAINFRAME), ViewMenu(Res::IDR_MAINFRAME), HelpMenu()});
    for (int id : {Res::IDR_JAVATYPE, Res::IDR_PROJECTTYPE, Res::IDR_HTMLTYPE})
        res.AddMenu(id, {FileMenu(true), EditMenu(id), ViewMenu(id), ProjectMenu(id), BuildMenu(id), WindowMenu(),
                         HelpMenu()});
    res.AddMenu(Res::IDR_EDITOR_CONTEXT,
                {MenuPopup("", {MenuCommand(ID_EDIT_CUT, "Cu&t"), MenuCommand(ID_EDIT_COPY, "&Copy"),
                                MenuCommand(ID_EDIT_PASTE, "&Paste"), MenuSeparator(),
                                MenuCommand(ID_EDIT_INDENT, "Increase Indent"),
                                MenuCommand(ID_EDIT_OUTDENT, "Decrease Indent"), MenuSeparator(),
                                MenuCommand(ID_PROJECT_ADDWINDOW, "Add Window to Project"),
                                MenuCommand(ID_BUILD_COMPILE, "&Compile")})});
}

void LoadAccelerators(CResources& res)
{
    res.AddAccelerators(Res::IDR_MAINFRAME,
                        {{"Ctrl+N", ID_FILE_NEW},       {"Ctrl+O", ID_FILE_OPEN},    {"Ctrl+S", ID_FILE_SAVE},
                         {"Ctrl+P", ID_FILE_PRINT},     {"Ctrl+Z", ID_EDIT_UNDO},    {"Alt+Backspace", ID_EDIT_UNDO},
                         {"Ctrl+C", ID_EDIT_COPY},      {"Ctrl+Ins", ID_EDIT_COPY},  {"Ctrl+X", ID_EDIT_CUT},
                         {"Shift+Del", ID_EDIT_CUT},    {"Ctrl+V", ID_EDIT_PASTE},   {"Shift+Ins", ID_EDIT_PASTE},
                         {"F6", ID_NEXT_PANE},          {"Shift+F6", ID_PREV_PANE},  {"F1", ID_HELP_JDKHELP}});
    res.AddAccelerators(Res::IDR_JAVATYPE,
                        {{"Ctrl+M", ID_BUILD_COMPILE}, {"F5", ID_BUILD_RUN},          {"F2", ID_EDIT_REFRESHFUNCTIONS},
                         {"Ctrl+]", ID_EDIT_INDENT},   {"Ctrl+[", ID_EDIT_OUTDENT},   {"F7", ID_BUILD_BUILD},
                         {"F3", ID_VIEW_SYNTAXCOLOUR}, {"Ctrl+F", ID_EDIT_FIND},      {"Ctrl+G", ID_EDIT_REPEAT},
                         {"Ctrl+H", ID_EDIT_REPLACE},  {"Shift+F5", ID_BUILD_RUNAPPLET}});
    res.AddAccelerators(Res::IDR_PROJECTTYPE,
                        {{"Ctrl+M", ID_BUILD_COMPILE}, {"F5", ID_BUILD_RUN}, {"F7", ID_BUILD_BUILD},
                         {"Del", ID_PROJECT_REMOVEFILE}, {"F8", ID_PROJECT_SETMAIN},
                         {"Shift+F5", ID_BUILD_RUNAPPLET}});
    res.AddAccelerators(Res::IDR_HTMLTYPE,
                        {{"Ctrl+M", ID_BUILD_COMPILE}, {"F7", ID_BUILD_BUILD},      {"Ctrl+]", ID_EDIT_INDENT},
                         {"Ctrl+[", ID_EDIT_OUTDENT},  {"F3", ID_VIEW_SYNTAXCOLOUR}, {"Ctrl+F", ID_EDIT_FIND},
                         {"Ctrl+H", ID_EDIT_REPEAT},   {"Shift+F5", ID_HTML_RUNAPPLET}});
}

void LoadPrompts(CResources& res)
{
    const std::pair<int, const char*> prompts[] = {
        {ID_HELP_TIPOFTHEDAY, "Displays a Tip of the Day."},
        {ID_PROJECT_ADDJAVAFILES, "Add an existing Java Source File to the Project"},
        {ID_PROJECT_REMOVEFILE, "Remove Java Source File from Project"},
        {ID_PROJECT_SETMAIN, "Set the class containing the Main function."},
        {ID_BUILD_COMPILE, "Compile the current file\nCompile File"},
        {ID_TOOLS_PREFERENCES, "Set the path to the Java SDK and other options"},
        {ID_BUILD_RUN, "Run the Program\nRun"},
        {ID_PROJECT_SETPACKAGE, "Set the package for the project's main class"},
        {ID_EDIT_REFRESHFUNCTIONS, "Refresh the list of functions diplayed in the top bar"},
        {ID_EDIT_INDENT, "Indents the selected text right one tab stop\nIncrease Indent"},
        {ID_EDIT_OUTDENT, "Indents the selected text left one tab stop\nDecrease Indent"},
        {ID_BUILD_SHOWLASTOUTPUT, "Show the output from the last compile."},
        {ID_FILE_NEWPROJECT, "Create a new Project"},
        {ID_FILE_SAVEALL, "Save all open documents."},
        {ID_BUILD_SHOWARCHIVE, "List the contents of a Java Archive"},
        {ID_VIEW_SOURCEFONT, "Set the font and size for source windows"},
        {ID_PROJECT_ADDHTMLFILE, "Add an HTML file to launch an applet"},
        {ID_PROJECT_ADDWINDOW, "Add the current window to the project"},
        {ID_EDIT_CONVERTLINEBREAKS, "Convert linebreaks in a Macintosh source file"},
        {ID_PROJECT_OPENFILE, "Open the currently selected Java File"},
        {ID_BUILD_BUILD, "Compile all files required by main\nBuild"},
        {ID_BUILD_CREATEJAR, "Make a Jar file\nCreate Jar"},
        {ID_HTML_INSERTAPPLET, "Insert HTML tags for your applet\nInsert Applet"},
        {ID_HTML_OPENINBROWSER, "Open the HTML file with your browser, if one is configured\nOpen in Browser"},
        {ID_VIEW_SYNTAXCOLOUR, "Update Syntax Colouring\nSyntax Colour"},
        {ID_VIEW_PROJECTWINDOWBUTTON, "Show/Hide Project Window\nProject Window"},
        {ID_BUILD_RUNWITHCONSOLE, "Run the application with its own console\nRun with console"},
        {ID_HELP_HELP, "Launches Java Help Viewer (requires JDK 1.2)"},
        {ID_EDIT_TABSTOSPACES, "Convert tabs to spaces using the tab size set in Preferences."},
        {ID_FILE_OPENPROJECT, "Open an existing Velmar project"},
        {ID_HELP_JDKHELP, "JDK Documentation in WinHelp format"},
        {ID_BUILD_DEBUG, "Run with JDB"},
        {ID_VIEW_PROCESSWINDOW, "Show the process output window"},
        {ID_BUILD_RUNAPPLET, "Run Applet\nRun Applet"},
        // The framework's standard commands.
        {ID_FILE_NEW, "Create a new document\nNew"},
        {ID_FILE_OPEN, "Open an existing document\nOpen"},
        {ID_FILE_CLOSE, "Close the active document\nClose"},
        {ID_FILE_SAVE, "Save the active document\nSave"},
        {ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
        {ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPage Setup"},
        {ID_FILE_PRINT, "Print the active document\nPrint"},
        {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
        {ID_FILE_MRU_FILE1, "Open this document"},
        {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
        {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
        {ID_EDIT_FIND, "Find the specified text\nFind"},
        {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
        {ID_EDIT_REPEAT, "Repeat the last action\nRepeat"},
        {ID_EDIT_REPLACE, "Replace specific text with different text\nReplace"},
        {ID_EDIT_SELECT_ALL, "Select the entire document\nSelect All"},
        {ID_EDIT_UNDO, "Undo the last action\nUndo"},
        {ID_WINDOW_NEW, "Open another window for the active document\nNew Window"},
        {ID_WINDOW_ARRANGE, "Arrange icons at the bottom of the window\nArrange Icons"},
        {ID_WINDOW_CASCADE, "Arrange windows so they overlap\nCascade Windows"},
        {ID_WINDOW_TILE_HORZ, "Arrange windows as non-overlapping tiles\nTile Windows"},
        {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
        {ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"},
        {ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"},
        {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    };
    for (const auto& [id, prompt] : prompts)
        res.AddPrompt(id, prompt);
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
