#include "app/AppEnvironment.h"
#include "app/CommandLineInfo.h"
#include "app/HeadlessRun.h"
#include "app/qt/DialogViews.h"
#include "app/qt/QuarnelApp.h"
#include "app/qt/SignalCloser.h"
#include "app/qt/SingleInstance.h"
#include "framework/qt/MDIFrameWnd.h"
#include "framework/qt/QtDesktopShell.h"
#include "framework/qt/QtUi.h"
#include "platform/MemoryPolicy.h"

#include <QApplication>

#include <algorithm>
#include <iostream>
#include <optional>
#include <string_view>

int main(int argc, char* argv[])
{
    MemoryPolicy::KeepLargeBlocksForReuse();
    // Help, the version, a wrong line, builds, runs and exports need no display, so they are
    // answered before Qt looks for one.
    const CCommandLineInfo rawInfo = CCommandLineInfo::Parse(std::vector<std::string>(argv + 1, argv + argc));
    if (const std::optional<int> exitCode = rawInfo.AnswerAtOnce(std::cout, std::cerr))
        return *exitCode;
    if (rawInfo.nAction != CCommandLineInfo::Action::Open)
        return RunHeadless(rawInfo, CAppEnvironment::FromProcess(), std::cout, std::cerr);

    // Qt takes its own options (-style, -platform, -geometry, ...) from what stands before "--"
    // and leaves the rest in its argument array; the arguments are read from there rather than
    // as Qt's strings, so file names that are not UTF-8 stay as they are.
    char** const optionsEnd =
        std::find_if(argv + 1, argv + argc, [](const char* arg) { return std::string_view(arg) == "--"; });
    std::vector<char*> qtArgv(argv, optionsEnd);
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArgv.size()) - 1;
    QApplication qtApp(qtArgc, qtArgv.data());
    std::vector<std::string> args(qtArgv.begin() + 1, qtArgv.begin() + qtArgc);
    args.insert(args.end(), optionsEnd, argv + argc);

    const CCommandLineInfo cmdInfo = CCommandLineInfo::Parse(args);
    if (const std::optional<int> exitCode = cmdInfo.AnswerAtOnce(std::cout, std::cerr))
        return *exitCode;

    CSingleInstance instance;
    if (!cmdInfo.bNewInstance) {
        switch (instance.Start(cmdInfo.fileNames)) {
        case CSingleInstance::Role::HandedOver: return 0;
        case CSingleInstance::Role::Failed: std::cerr << "ondrik: " << instance.GetError() << "\n"; return 1;
        case CSingleInstance::Role::Separate: std::cerr << "ondrik: " << instance.GetError() << "\n"; break;
        case CSingleInstance::Role::Listening: break;
        }
    }

    QApplication::setApplicationName("Ondrik");
    QApplication::setOrganizationName("Kestrune");
    QApplication::setDesktopFileName("ondrik");  // the desktop matches the windows to the menu entry
    CQtUi ui;
    InstallDialogViews(ui);
    CQtDesktopShell shell;
    CQuarnelApp app(ui, shell, CAppEnvironment::FromProcess());
    const CSignalCloser closer(app);
    // Boxes shown while the program starts belong to the main window too.
    ui.SetMainWindow([&app] { return app.GetMainWnd(); });
    if (!app.InitInstance(cmdInfo))
        return 1;
    instance.Serve(app);
    return QApplication::exec();
}
