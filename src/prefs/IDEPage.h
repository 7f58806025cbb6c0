#pragma once

#include <string>

class CUi;

// Page "IDE": the program's own habits, where the JDK's help lies and where the JDK itself is.
// Nothing on it is checked: the paths are taken as typed.
class CIDEPage {
public:
    static constexpr const char* kTitle = "IDE";
    static constexpr const char* kJdkFolderTitle = "Find the JDK Folder:";
    // The help is HTML here: a javadoc index or any page.
    static constexpr const char* kHelpFilter = "HTML Files (*.html;*.htm)|*.html;*.htm|All Files (*.*)|*.*||";

    // What the page's controls hold.
    struct CControls {
        bool bSaveComp = false;
        bool bLoadLast = false;
        bool bShowArgs = false;
        bool bShowDrops = false;
        std::string strHelpPath;
        std::string strJavaBin;
    };

    explicit CIDEPage(CUi& ui) : m_ui(ui) {}

    CControls ToControls() const;
    // A check box hands back 1 or 0.
    void FromControls(const CControls& controls);

    // The folder chooser: a folder picked goes into the JDK field only.
    void OnBrowseJdkFolder(CControls& controls) const;
    // The file chooser: a file picked goes into the help field, and then every control into
    // the members.
    void OnBrowseHelpFile(CControls& controls);

    int m_nSaveComp = 0;
    int m_nLoadLast = 0;
    int m_nShowArgs = 0;
    int m_nShowDrops = 0;
    std::string m_strHelpPath;
    std::string m_strJavaBin;

private:
    CUi& m_ui;
};
