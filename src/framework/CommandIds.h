#pragma once

// Every command identifier of the program, with its fixed number. Menus, accelerators, the
// toolbar and the prompts are tables of these; the numbers are never changed.
namespace Cmd {

// The program's own commands.
inline constexpr int ID_HELP_TIPOFTHEDAY = 114;
inline constexpr int ID_PROJECT_ADDJAVAFILES = 32771;
inline constexpr int ID_PROJECT_REMOVEFILE = 32772;
inline constexpr int ID_PROJECT_SETMAIN = 32773;
inline constexpr int ID_BUILD_COMPILE = 32774;
inline constexpr int ID_TOOLS_PREFERENCES = 32775;
inline constexpr int ID_BUILD_RUN = 32776;
inline constexpr int ID_PROJECT_SETPACKAGE = 32777;
inline constexpr int ID_EDIT_REFRESHFUNCTIONS = 32778;
inline constexpr int ID_EDIT_INDENT = 32784;
inline constexpr int ID_EDIT_OUTDENT = 32785;
inline constexpr int ID_BUILD_SHOWLASTOUTPUT = 32788;
inline constexpr int ID_FILE_NEWPROJECT = 32789;
inline constexpr int ID_FILE_SAVEALL = 32791;
inline constexpr int ID_BUILD_SHOWARCHIVE = 32792;
inline constexpr int ID_VIEW_SOURCEFONT = 32793;
inline constexpr int ID_PROJECT_ADDHTMLFILE = 32796;
inline constexpr int ID_PROJECT_ADDWINDOW = 32797;
inline constexpr int ID_EDIT_CONVERTLINEBREAKS = 32799;
inline constexpr int ID_PROJECT_OPENFILE = 32800;
inline constexpr int ID_BUILD_BUILD = 32803;
inline constexpr int ID_BUILD_CREATEJAR = 32808;
inline constexpr int ID_HTML_INSERTAPPLET = 32809;
inline constexpr int ID_HTML_OPENINBROWSER = 32810;
inline constexpr int ID_VIEW_SYNTAXCOLOUR = 32811;
inline constexpr int ID_VIEW_PROJECTWINDOWBUTTON = 32814;
inline constexpr int ID_BUILD_RUNWITHCONSOLE = 32817;
inline constexpr int ID_HELP_HELP = 32818;
inline constexpr int ID_EDIT_TABSTOSPACES = 32820;
inline constexpr int ID_FILE_OPENPROJECT = 32821;
inline constexpr int ID_HELP_JDKHELP = 32822;
inline constexpr int ID_BUILD_DEBUG = 32824;
inline constexpr int ID_VIEW_PROCESSWINDOW = 32825;
inline constexpr int ID_VIEW_PROJECTWINDOW = 32826;
inline constexpr int ID_FILE_CLOSEPROJECT = 32827;
inline constexpr int ID_HTML_RUNAPPLET = 32836;
inline constexpr int ID_BUILD_RUNAPPLET = 32837;
inline constexpr int ID_FILE_EXPORTHTML = 32850;
inline constexpr int ID_EDIT_GOTOLINE = 33000;
inline constexpr int ID_BUILD_NEXTERROR = 33001;
inline constexpr int ID_BUILD_PREVERROR = 33002;
// The debugger's commands.
inline constexpr int ID_DEBUG_CONTINUE = 33020;
inline constexpr int ID_DEBUG_STEPOVER = 33021;
inline constexpr int ID_DEBUG_STEPINTO = 33022;
inline constexpr int ID_DEBUG_STEPOUT = 33023;
inline constexpr int ID_DEBUG_RUNTOCURSOR = 33024;
inline constexpr int ID_DEBUG_PAUSE = 33025;
inline constexpr int ID_DEBUG_STOP = 33026;
inline constexpr int ID_DEBUG_TOGGLEBREAKPOINT = 33027;
inline constexpr int ID_BUILD_DEBUGINTERMINAL = 33028;
inline constexpr int ID_VIEW_DEBUGBAR = 33029;
inline constexpr int ID_FILE_RECENTPROJECTS = 65535;

// The framework's standard commands.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;  // to 57631, the recent-file entries
inline constexpr int ID_FILE_MRU_LAST = 57631;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_FIND = 57636;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_REPEAT = 57640;
inline constexpr int ID_EDIT_REPLACE = 57641;
inline constexpr int ID_EDIT_SELECT_ALL = 57642;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_REDO = 57644;
inline constexpr int ID_WINDOW_NEW = 57648;
inline constexpr int ID_WINDOW_ARRANGE = 57649;
inline constexpr int ID_WINDOW_CASCADE = 57650;
inline constexpr int ID_WINDOW_TILE_HORZ = 57651;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
// The Window menu's list of the open windows, one command each from the first upward.
inline constexpr int ID_WINDOW_FIRST_MDICHILD = 0xFF00;
inline constexpr int ID_WINDOW_LAST_MDICHILD = 0xFFFE;

}  // namespace Cmd
