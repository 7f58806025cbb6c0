// The program as main.cpp starts it, driven by the steps on its command line instead of a
// person, for the tests that need it as a process of its own: ended by a signal, or killed.
// The steps are done in order; then each open text document is written to standard output as
//
//     doc <path in hex> <text in hex>
//
// followed by "ready", and the program runs on until it is ended. Every message box and dialog
// is written as "box: TEXT" and answered Cancel, so a test sees any question the program asked.
//
// Steps: open=PATH; new=TYPE (JavaDocument, HTMLDocument); type=TEXT, keys into the active
// window's editor, "\n" in it being Enter; kept, which waits until every modified document has
// its recovery file on disk; run, Run Application, which waits until the tool runs.
#include "app/AppEnvironment.h"
#include "app/CommandLineInfo.h"
#include "app/qt/QuarnelApp.h"
#include "app/qt/RecoveryManager.h"
#include "app/qt/SignalCloser.h"
#include "editor/TextDocument.h"
#include "editor/qt/TextEditView.h"
#include "framework/CommandIds.h"
#include "framework/DesktopShell.h"
#include "framework/ModalDialog.h"
#include "framework/Ui.h"
#include "framework/qt/MDIChildWnd.h"
#include "framework/qt/MDIFrameWnd.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

namespace {

class CAnsweringUi : public CUi {
public:
    MsgAnswer MessageBox(const std::string& text, MsgButtons, MsgIcon, const std::string&) override
    {
        Show(text);
        return MsgAnswer::Cancel;
    }
    std::optional<std::vector<std::string>> GetOpenFileNames(const CFileDialogSpec& request) override
    {
        Show("open " + request.title);
        return std::nullopt;
    }
    std::optional<std::string> GetSaveFileName(const CFileDialogSpec& request) override
    {
        Show("save " + request.title);
        return std::nullopt;
    }
    std::optional<std::uint32_t> ChooseColour(std::uint32_t) override { return std::nullopt; }
    std::optional<std::string> ChooseFolder(const std::string& title, const std::string&) override
    {
        Show("folder " + title);
        return std::nullopt;
    }
    int DoModal(CModalDialog& dialog) override
    {
        Show("dialog " + dialog.DialogName());
        return kIdCancel;
    }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

private:
    static void Show(const std::string& text)
    {
        std::printf("box: %s\n", text.c_str());
        std::fflush(stdout);
    }
};

class CNoShell : public CDesktopShell {
public:
    bool Open(const std::string&) override { return false; }
};

std::string Hex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex = "-";
    for (const unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

// Keys as a keyboard sends them; a letter no key of its own gives comes with its text alone,
// as from a compose key.
void TypeText(QWidget& editor, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(&editor, static_cast<char>(c.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&editor, &press);
        QApplication::sendEvent(&editor, &release);
    }
}

bool Do(CQuarnelApp& app, const std::string& step)
{
    const auto equals = step.find('=');
    const std::string verb = step.substr(0, equals);
    const std::string arg = equals == std::string::npos ? std::string() : step.substr(equals + 1);
    if (verb == "open")
        return app.OpenDocumentFile(arg) != nullptr;
    if (verb == "new")
        return app.OpenNewDocumentOfType(arg);
    if (verb == "type") {
        CMDIChildWnd* frame = app.GetMainWnd()->GetActiveFrame();
        auto* view = frame != nullptr ? dynamic_cast<CTextEditView*>(frame->GetActiveView()) : nullptr;
        if (view == nullptr)
            return false;
        std::size_t from = 0;
        for (;;) {
            const auto enter = arg.find("\\n", from);
            TypeText(*view->GetEditor(), QString::fromStdString(arg.substr(from, enter - from)));
            if (enter == std::string::npos)
                break;
            QTest::keyClick(view->GetEditor(), Qt::Key_Return);
            from = enter + 2;
        }
        return true;
    }
    if (verb == "kept") {
        CRecoveryManager* recovery = app.GetRecovery();
        return recovery != nullptr && QTest::qWaitFor([&] {
                   for (CDocument* doc : app.GetDocManager().GetDocuments()) {
                       if (doc->IsModified() && recovery->FileOf(*doc).empty())
                           return false;
                   }
                   return recovery->WaitForWrites(std::chrono::milliseconds(10));
               }, 20000);
    }
    if (verb == "run") {
        return app.SendCommand(Cmd::ID_BUILD_RUN) &&
               QTest::qWaitFor([&] { return app.GetCapturedRun().IsRunning(); }, 20000);
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    CAnsweringUi ui;
    CNoShell shell;
    CQuarnelApp app(ui, shell, CAppEnvironment::FromProcess());
    const CSignalCloser closer(app);
    CCommandLineInfo info;
    info.bNoLogo = true;
    if (!app.InitInstance(info))
        return 1;
    const std::vector<std::string> steps(argv + 1, argv + argc);
    QTimer::singleShot(0, &qtApp, [&] {
        for (const std::string& step : steps) {
            if (!Do(app, step)) {
                std::printf("failed: %s\n", step.c_str());
                std::fflush(stdout);
                QCoreApplication::exit(2);
                return;
            }
        }
        for (CDocument* doc : app.GetDocManager().GetDocuments()) {
            if (auto* text = dynamic_cast<CTextDocument*>(doc))
                std::printf("doc %s %s\n", Hex(text->GetPathName()).c_str(), Hex(text->GetText()).c_str());
        }
        std::printf("ready\n");
        std::fflush(stdout);
    });
    return QApplication::exec();
}
