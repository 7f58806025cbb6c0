#include "AboutDlg.h"

#include "framework/DesktopShell.h"

CAboutDlg::CAboutDlg(CDesktopShell& shell, std::string javaBin) : m_shell(shell), m_strJavaBin(std::move(javaBin)) {}

std::string CAboutDlg::ProductLine()
{
    return std::string(kProductName) + " Version " + ONDRIK_VERSION;
}

bool CAboutDlg::OnVisitWebSite()
{
    return m_shell.Open(kWebSite);
}
