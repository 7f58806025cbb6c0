#pragma once

#include <string>

class CUi;

// Page "Process Window": the font of the tools' output, taken by the window when it opens.
class CProcessFontPage {
public:
    static constexpr const char* kTitle = "Process Window";
    static constexpr const char* kNote =
        "Changes will not be visible until the Process Window has been closed and reopened.";
    static constexpr int kMinFontSize = 6;
    static constexpr int kMaxFontSize = 24;

    struct CControls {
        std::string strFontSize;
    };

    explicit CProcessFontPage(CUi& ui) : m_ui(ui) {}

    CControls ToControls() const { return {std::to_string(m_nFontSize)}; }
    // Leaving the page or confirming the sheet: false, with the person told, while the size is
    // refused; the members then stay as they were.
    bool OnKillActive(const CControls& controls);
    // The person completed a choice in the font list.
    void OnFontSelected(const std::string& name) { m_strFontName = name; }

    std::string m_strFontName;
    int m_nFontSize = 0;  // points

private:
    CUi& m_ui;
};
