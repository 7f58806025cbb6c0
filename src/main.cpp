#include "app/AppEnvironment.h"
#include "app/CommandLineInfo.h"
#include "app/qt/DialogViews.h"
#include "app/qt/QuarnelApp.h"
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
    CQtUi ui;
    InstallDialogViews(ui);
    CQtDesktopShell shell;
    CQuarnelApp app(ui, shell, CAppEnvironment::FromProcess());
    // Boxes shown while the program starts belong to the main window too.
    ui.SetMainWindow([&app] { return app.GetMainWnd(); });
    if (!app.InitInstance(cmdInfo))
        return 1;
    return QApplication::exec();
}
