#pragma once

#include <cstdint>
#include <string>

// What a source window takes from the settings when it is created; later changes of the
// settings reach only windows opened after them. Colours are 0x00BBGGRR, the font size is in
// tenths of a point.
struct CEditorSettings {
    std::string strFontName = "Courier New";
    int nFontSize = 100;
    int nTabWidth = 3;
    int nSpaceTabs = 0;
    std::uint32_t crNormal = 0x00000000;  // the desktop's window-text colour
    std::uint32_t crKeyword = 0x00DD0000;
    std::uint32_t crComment = 0x000000DD;
    std::uint32_t crString = 0x00006600;
    std::uint32_t crTag = 0x00001177;
    int nShowDrops = 1;        // the function drop-down above the text
    int nLineNumbers = 1;      // the margin of line numbers
    std::string strHelpPath;   // what JDK Help opens: a help file, or a javadoc folder
};
