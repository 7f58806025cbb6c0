// Debugging in the running program, against a real JVM: a breakpoint set by a click in the
// margin and one by F9 while the program runs, Debug building with -g and stopping with the
// arrow on the line, steps, the Debug bar's locals and an expanded object, input through the
// Process Window, the program's end with its exit code, Stop leaving no JVM, and every
// session command enabled exactly in the states it applies to.
#include "QuarnelAppFixture.h"

#include "debug/DebugTestSupport.h"

#include "debug/ProjectDebugCommands.h"
#include "debug/qt/DebugPane.h"
#include "debug/qt/DebugWindowsQt.h"
#include "editor/SyntaxWindowDoc.h"
#include "editor/qt/SourceMargins.h"
#include "editor/qt/SyntaxWindowView.h"
#include "framework/CmdUI.h"
#include "run/ArgumentsDlg.h"
#include "framework/CommandIds.h"
#include "projectwindow/qt/ProjectWindowsQt.h"
#include "run/qt/ProcessWindowDlgQt.h"

#include <Qsci/qsciscintilla.h>

#include <QLineEdit>
#include <QTreeWidget>

#include <filesystem>
#include <unistd.h>

namespace {

using Sci = QsciScintillaBase;
using Phase = CDebugController::Phase;

const char* const kMain = R"(package shop;

import shop.model.Cart;

public class Main {
    public static void main(String[] args) throws java.io.IOException {
        Cart cart = new Cart("Ada"); // @cart
        int count = 0; // @count
        java.io.BufferedReader in = new java.io.BufferedReader(new java.io.InputStreamReader(System.in));
        for (String line = in.readLine(); line != null; line = in.readLine()) {
            cart.add(Integer.parseInt(line.trim())); // @add
            count++;
        }
        System.out.println("items " + count + " total " + cart.total());
    }
}
)";

const char* const kCart = R"(package shop.model;

import java.util.ArrayList;
import java.util.List;

public class Cart {
    private final String owner;
    private final List<Integer> items = new ArrayList<>();

    public Cart(String owner) {
        this.owner = owner;
    }

    public void add(int price) {
        items.add(price);
    }

    public int total() {
        int sum = 0;
        for (int price : items)
            sum += price;
        return sum;
    }
}
)";

constexpr int kSessionCommands[] = {Cmd::ID_DEBUG_CONTINUE,    Cmd::ID_DEBUG_STEPOVER, Cmd::ID_DEBUG_STEPINTO,
                                    Cmd::ID_DEBUG_STEPOUT,     Cmd::ID_DEBUG_RUNTOCURSOR, Cmd::ID_DEBUG_PAUSE,
                                    Cmd::ID_DEBUG_STOP};

// Which of kSessionCommands each state enables, in their order.
const std::map<Phase, std::vector<bool>> kEnabled = {
    {Phase::Idle, {false, false, false, false, false, false, false}},
    {Phase::Building, {false, false, false, false, false, false, true}},
    {Phase::Running, {false, false, false, false, false, true, true}},
    {Phase::Stopped, {true, true, true, true, true, false, true}},
};

int LineOf(const std::string& text, const std::string& marker)
{
    const std::string before = text.substr(0, text.find(marker));
    return static_cast<int>(std::count(before.begin(), before.end(), '\n'));
}

class DebuggerTest : public QuarnelAppTest {
protected:
    void SetUp() override
    {
        // The program's folder holds the debugger, as after installing.
        std::filesystem::create_directories(m_home.Dir().File("install"));
        ASSERT_EQ(::symlink(ONDRIK_DEBUGGER_JAR, m_home.Dir().File("install/debugger.jar").c_str()), 0);
        m_main = m_home.Dir().Write("Shop/src/shop/Main.java", kMain);
        m_home.Dir().Write("Shop/src/shop/model/Cart.java", kCart);
        CScriptedUi ui;
        CRecordingShell shell;
        CQuarnelApp maker(ui, shell, Environment());
        CJavaProjectDoc project(maker.ProjectHost());
        m_project = m_home.Dir().File("Shop/Shop.jpr");
        project.SetPathName(m_project);
        project.AddJavaFile(m_main);
        project.AddJavaFile(m_home.Dir().File("Shop/src/shop/model/Cart.java"));
        project.SetMainJavaFile("Main.java");
        ASSERT_TRUE(project.OnSaveDocument(m_project));
    }

    CDebugController& Controller() const
    {
        return static_cast<CProjectDebugCommands*>(m_app->GetOpenProject()->GetRunCommands())->GetController();
    }
    CDebugPane* Pane() const
    {
        auto* commands = static_cast<CProjectDebugCommands*>(m_app->GetOpenProject()->GetRunCommands());
        return static_cast<CDebugWindowsQt&>(commands->GetDebugHost()).GetDebugPane();
    }
    CProcessWindowDlgQt* ProcessWindow() const
    {
        return static_cast<CProjectWindowsQt*>(m_app->GetOpenProject()->GetWindows())->GetProcessWindow();
    }

    void ExpectCommandsOf(Phase phase)
    {
        ASSERT_EQ(Controller().GetPhase(), phase);
        const std::vector<bool>& enabled = kEnabled.at(phase);
        for (std::size_t i = 0; i < enabled.size(); ++i)
            EXPECT_EQ(m_app->GetRouter().Update(kSessionCommands[i]).IsEnabled(), enabled[i])
                << "command " << kSessionCommands[i] << " in state " << static_cast<int>(phase);
    }

    // Debug from the project window, as the menu sends it there.
    void Debug()
    {
        m_app->GetDocManager().ActivateFrame(*m_app->GetOpenProject());
        ASSERT_TRUE(m_app->SendCommand(Cmd::ID_BUILD_DEBUG));
    }

    bool WaitFor(Phase phase, int nMs = 60000)
    {
        return QTest::qWaitFor([&] { return Controller().GetPhase() == phase; }, nMs);
    }

    // Waits for the next stop's arrow in the source window and the variables of its frame.
    void ExpectStopAt(CSyntaxWindowDoc& doc, int nLine)
    {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return doc.GetCurrentLine() == nLine && Controller().GetBarModel().AreRowsCurrent(); }, 60000))
            << "arrow on " << doc.GetCurrentLine() << ", expected " << nLine
            << "; output: " << m_app->GetCapturedRun().CopyOutput();
    }

    QTreeWidgetItem* VariableRow(const QString& name, QTreeWidgetItem* parent = nullptr) const
    {
        QTreeWidget* tree = Pane()->GetVariables();
        const int nCount = parent != nullptr ? parent->childCount() : tree->topLevelItemCount();
        for (int i = 0; i < nCount; ++i) {
            QTreeWidgetItem* item = parent != nullptr ? parent->child(i) : tree->topLevelItem(i);
            if (item->text(0) == name)
                return item;
        }
        return nullptr;
    }

    void PressKeys(QWidget* target, const QKeySequence& keys)
    {
        QApplication::setActiveWindow(m_app->GetMainWnd());
        QTest::keySequence(target, keys);
    }

    std::string m_main;
    std::string m_project;
};

// Would catch any link of the chain failing: a margin click or F9 that sets no breakpoint, a
// breakpoint that does not move with an edit or does not reach a running program, a build
// without -g (no locals), an arrow on the wrong line or in no window, the Debug bar without the
// frame's locals or an object's fields, input that does not reach the program, an end without
// its exit code, Stop leaving the JVM, and a command enabled where it does not apply.
TEST_F(DebuggerTest, ABreakpointedProgramStepsShowsItsValuesAndEnds)
{
    CQuarnelApp& app = Start();
    app.Settings().m_strJavaBin = DebugTest::kJdk;
    app.GetMainWnd()->show();
    app.OpenDocumentFile(m_project);
    auto* view = OpenView<CSyntaxWindowView>(m_main);
    ASSERT_NE(view, nullptr);
    auto* doc = view->GetSyntaxDocument();
    QsciScintilla* editor = view->GetEditor();
    ExpectCommandsOf(Phase::Idle);

    // A click in the symbol margin beside the line, then a line put in above it.
    const int nCart = LineOf(kMain, "@cart");
    const long nPos = editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(nCart));
    const QPoint margin(3, static_cast<int>(editor->SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, nPos)) + 3);
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, Qt::NoModifier, margin);
    EXPECT_EQ(view->GetTextModel().GetMarkedLines(ELineMark::Breakpoint), std::vector<int>{nCart});
    view->GetTextModel().Replace(0, 0, "// The shop's start\n");
    const std::string text = std::string("// The shop's start\n") + kMain;

    m_ui.ExpectMessage("Save changes to Main.java?", MsgAnswer::Yes, MsgButtons::YesNoCancel);
    Debug();
    ExpectCommandsOf(Phase::Building);
    EXPECT_EQ(ProcessWindow()->Model().GetCommandLine(), "javac shop/Main.java -g");
    EXPECT_EQ(ProcessWindow()->Model().GetStatusText(), "Building \"" + m_main + "\" with -g");
    ExpectStopAt(*doc, nCart + 1);
    EXPECT_EQ(CTempDir::Read(m_home.Dir().File("Shop/Shop.breakpoints")),
              "Ondrik breakpoints 1\nsrc/shop/Main.java\t" + std::to_string(nCart + 2) + "\n")
        << "the saved text's line";
    EXPECT_EQ(QApplication::focusWidget(), editor) << "the keys are in the source window";
    ExpectCommandsOf(Phase::Stopped);
    ASSERT_NE(VariableRow("args"), nullptr);

    PressKeys(editor, QKeySequence(Qt::Key_F10));
    ExpectStopAt(*doc, LineOf(text, "@count"));
    QTreeWidgetItem* cart = VariableRow("cart");
    ASSERT_NE(cart, nullptr) << "a local of the frame";
    cart->setExpanded(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return VariableRow("owner", cart) != nullptr; }, 30000));
    EXPECT_EQ(VariableRow("owner", cart)->text(1), "\"Ada\"");

    // On to the input, where it waits: a breakpoint set now is hit once a line comes.
    PressKeys(editor, QKeySequence(Qt::CTRL | Qt::Key_F5));
    ASSERT_TRUE(WaitFor(Phase::Running));
    ExpectCommandsOf(Phase::Running);
    const int nAdd = LineOf(text, "@add");
    view->GetTextModel().SetSelection(view->GetTextModel().LineStart(nAdd), view->GetTextModel().LineStart(nAdd));
    PressKeys(editor, QKeySequence(Qt::Key_F9));
    EXPECT_EQ(doc->GetCurrentLine(), -1) << "no arrow while it runs";
    auto* input = ProcessWindow()->findChild<QLineEdit*>("input");
    ASSERT_NE(input, nullptr);
    input->setFocus();
    input->setText("120");
    QTest::keyClick(input, Qt::Key_Return);
    ExpectStopAt(*doc, nAdd);
    QTreeWidgetItem* line = VariableRow("line");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(1), "\"120\"");

    PressKeys(editor, QKeySequence(Qt::Key_F9));
    PressKeys(editor, QKeySequence(Qt::CTRL | Qt::Key_F5));
    ASSERT_TRUE(WaitFor(Phase::Running));
    input->setFocus();
    QTest::keyClick(input, Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(WaitFor(Phase::Idle));
    ExpectCommandsOf(Phase::Idle);
    EXPECT_EQ(doc->GetCurrentLine(), -1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ProcessWindow()->IsWatching(); }, 10000));
    EXPECT_EQ(QApplication::focusWidget(), editor) << "back where the person came from to type";
    const std::string output = ProcessWindow()->Model().GetOutput().Text();
    EXPECT_NE(output.find("120\r\nitems 1 total 120\r\nExit code: 0\r\nNo Errors"), std::string::npos) << output;

    // A window opened later shows the project's breakpoints; so does one open when the project
    // opens, and none once it has closed.
    m_app->GetDocManager().CloseDocument(*doc);
    view = OpenView<CSyntaxWindowView>(m_main);
    ASSERT_NE(view, nullptr);
    doc = view->GetSyntaxDocument();
    editor = view->GetEditor();
    EXPECT_EQ(view->GetTextModel().GetMarkedLines(ELineMark::Breakpoint), std::vector<int>{nCart + 1});
    m_ui.ExpectMessage("Do you want to close the current project?", MsgAnswer::Ok, MsgButtons::OkCancel);
    ASSERT_TRUE(m_app->QueryCloseProject(nullptr));
    EXPECT_TRUE(view->GetTextModel().GetMarkedLines(ELineMark::Breakpoint).empty());
    m_app->OpenDocumentFile(m_project);
    EXPECT_EQ(view->GetTextModel().GetMarkedLines(ELineMark::Breakpoint), std::vector<int>{nCart + 1});

    // Stopped midway, the program leaves no JVM behind; the arguments asked for reach it.
    m_app->Settings().m_nShowArgs = 1;
    m_ui.ExpectDialog("Arguments", [](CModalDialog& dialog) {
        static_cast<CArgumentsDlg&>(dialog).m_strArguments = "a \"b c\"";
        return kIdOk;
    });
    Debug();
    ExpectStopAt(*doc, nCart + 1);
    EXPECT_EQ(VariableRow("args")->text(1).left(21), "java.lang.String[2] (");
    const std::int64_t pid = Controller().GetProgramPid();
    ASSERT_GT(pid, 0);
    PressKeys(editor, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F5));
    ASSERT_TRUE(WaitFor(Phase::Idle));
    EXPECT_TRUE(DebugTest::ProcessGone(pid));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ProcessWindow()->IsWatching(); }, 10000));
    const std::string stopped = ProcessWindow()->Model().GetOutput().Text();
    EXPECT_TRUE(stopped.ends_with("\r\nExit code: 11\r\nProcess terminated by user.")) << stopped;

    // Closing the project in the middle of a session asks only whether to close it, and ends the
    // program.
    m_ui.ExpectDialog("Arguments", [](CModalDialog&) { return kIdOk; });
    Debug();
    ExpectStopAt(*doc, nCart + 1);
    const std::int64_t closedPid = Controller().GetProgramPid();
    m_ui.ExpectMessage("Do you want to close the current project?", MsgAnswer::Ok, MsgButtons::OkCancel);
    ASSERT_TRUE(m_app->QueryCloseProject(nullptr));
    EXPECT_TRUE(DebugTest::ProcessGone(closedPid));
    EXPECT_EQ(doc->GetCurrentLine(), -1);
    EXPECT_FALSE(m_app->GetCapturedRun().IsRunning()) << "Run and Compile are free again";
}

}  // namespace
