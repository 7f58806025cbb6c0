#pragma once

#include <cstdint>
#include <string>

class CUi;

// Page "Source Windows": the editor font, tabs and the colours of the syntax colouring, with a
// sample of each colour. Colours are 0x00BBGGRR.
class CFormatPage {
public:
    static constexpr const char* kTitle = "Source Windows";
    static constexpr int kMinTabWidth = 2;
    static constexpr int kMaxTabWidth = 10;
    static constexpr int kMinFontSize = 6;
    static constexpr int kMaxFontSize = 24;

    enum class Colour { Keyword, Comment, String, Tag };
    // The field a refused value stands in, for the page to select it.
    enum class Field { None, TabWidth, FontSize };

    struct CControls {
        std::string strFontSize;
        std::string strTabWidth;
        bool bSpaceTabs = false;
        bool bLineNumbers = false;
    };

    // One sample line: its text in its colour; the tag sample keeps the dialog's font, the
    // others show the page's font.
    struct CSample {
        std::string strText;
        std::uint32_t crColour = 0;
        bool bPageFont = true;
    };

    explicit CFormatPage(CUi& ui) : m_ui(ui) {}

    CControls ToControls() const;
    // Leaving the page or confirming the sheet: the tab width, then the font size, are checked;
    // the first refused is told and named, and nothing is taken.
    Field OnKillActive(const CControls& controls);

    // The colour chooser on the colour's current value: true when a colour was chosen, and the
    // samples are then to be shown again.
    bool OnChooseColour(Colour which);
    // The person completed a choice in the font list.
    void OnFontSelected(const std::string& name) { m_strFontName = name; }

    std::uint32_t GetColour(Colour which) const;
    CSample Sample(Colour which) const;

    int m_nTabWidth = 0;
    std::string m_strFontName;
    int m_nFontSize = 0;  // points
    std::uint32_t m_crKeyColor = 0;
    std::uint32_t m_crCommentColor = 0;
    std::uint32_t m_crStringColor = 0;
    std::uint32_t m_crTagColor = 0;
    int m_nSpaceTabs = 0;
    int m_nLineNumbers = 0;

private:
    std::uint32_t& ColourMember(Colour which);

    CUi& m_ui;
};
