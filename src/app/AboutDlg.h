#pragma once

#include "framework/ModalDialog.h"

#include <string>

class CDesktopShell;

// The About box: the product's name and version, its picture, the web site's address and the
// "Visit Web Site" button that opens it.
class CAboutDlg : public CModalDialog {
public:
    static constexpr const char* kProductName = "Ondrik";
    static constexpr const char* kWebSite = "https://ondrik.kestrune.example/";

    CAboutDlg(CDesktopShell& shell, std::string javaBin);

    std::string DialogName() const override { return "About Ondrik"; }

    // "Ondrik Version 0.1.0"
    static std::string ProductLine();
    // The JDK the program builds and runs with.
    const std::string& GetJavaBin() const { return m_strJavaBin; }

    // Opens the web site with the desktop's default handler; false when nothing took it.
    bool OnVisitWebSite();

private:
    CDesktopShell& m_shell;
    std::string m_strJavaBin;
};
