#include "app/AppEnvironment.h"
#include "app/CommandLineInfo.h"
#include "app/qt/QuarnelApp.h"
#include "run/qt/ArgumentsDlgQt.h"
#include "framework/qt/MDIFrameWnd.h"
#include "framework/qt/QtDesktopShell.h"
#include "framework/qt/QtUi.h"

#include <QApplication>

#include <iostream>

int main(int argc, char* argv[])
{
    const CCommandLineInfo cmdInfo = CCommandLineInfo::Parse(std::vector<std::string>(argv + 1, argv + argc));
    if (cmdInfo.bHelp) {
        std::cout << CCommandLineInfo::Usage() << "\n";
        return 0;
    }
    if (!cmdInfo.strError.empty()) {
        std::cerr << "ondrik: " << cmdInfo.strError << "; " << CCommandLineInfo::Usage() << "\n";
        return 2;
    }

    QApplication qtApp(argc, argv);
    QApplication::setApplicationName("Ondrik");
    QApplication::setOrganizationName("Kestrune");
    CArgumentsDlgQt::Install();
    CQtUi ui;
    CQtDesktopShell shell;
    CQuarnelApp app(ui, shell, CAppEnvironment::FromProcess());
    if (!app.InitInstance(cmdInfo))
        return 1;
    ui.SetOwner(app.GetMainWnd());
    return QApplication::exec();
}
