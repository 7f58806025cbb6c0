#pragma once

class CResources;

// Resource ids of the menus and accelerator tables: the frame's own and one per document type.
namespace Res {
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDR_JAVATYPE = 129;
inline constexpr int IDR_PROJECTTYPE = 130;
inline constexpr int IDR_HTMLTYPE = 131;
inline constexpr int IDR_EDITOR_CONTEXT = 152;

inline constexpr int IDS_APP_TITLE = 128;
inline constexpr int IDS_TIP_PROMPT = 114;
inline constexpr int IDS_TIP_ITEM = 115;
inline constexpr int IDS_DID_YOU_KNOW = 116;
inline constexpr int IDS_TIPS_MISSING = 117;
inline constexpr int IDS_TIPS_TROUBLE = 118;
inline constexpr int IDS_HELP_MENU = 119;
inline constexpr int IDS_OPEN_PROJECT_TITLE = 120;
inline constexpr int IDS_APPLICATION_TEMPLATE = 32830;
inline constexpr int IDS_APPLET_PAGE_TEMPLATE = 32831;
inline constexpr int IDS_APPLET_TEMPLATE = 32832;
inline constexpr int AFX_IDS_APP_TITLE = 57344;
inline constexpr int AFX_IDS_IDLEMESSAGE = 57345;
}  // namespace Res

// Fills the tables with the program's menus, accelerators, prompts and strings.
void LoadAppResources(CResources& resources);
