// What the source window does beside colouring, in a 10 MB Java file on the offscreen platform,
// its lines unwrapped: placing a compile's 1,000 marks, also from the build's output, moving the
// caret through the file with the function drop-down following it (which must never rescan the
// text), a typed character with its paint with the line numbers off and on, and finding a
// brace's partner across the whole file.
#include "scanner/JavaSourceGenerator.h"

#include "editor/SyntaxWindowDoc.h"
#include "editor/qt/ChildFrame.h"
#include "editor/qt/FunctionList.h"
#include "editor/qt/ScintillaTextModel.h"
#include "editor/qt/SyntaxWindowView.h"
#include "framework/DocumentObserver.h"
#include "framework/qt/DocManager.h"
#include "framework/qt/QtDesktopShell.h"
#include "project/JavaProjectDoc.h"
#include "support/BenchProjectHost.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

using Sci = QsciScintillaBase;

// Counts the scans of a document: each one tells its views to update.
class CScanCounter : public CDocumentObserver {
public:
    void OnDocumentUpdate(CDocument&) override { ++m_nScans; }
    int m_nScans = 0;
};

// A source window on a 10 MB file as the program makes one: frame, drop-down, view, the whole
// text coloured and written.
struct CLargeWindow {
    explicit CLargeWindow(bool bLineNumbers)
        : doc(host.m_ui, host), manager(host.m_ui)
    {
        doc.SetText(GenerateJavaSource(10 << 20));
        CEditorSettings settings;
        settings.nLineNumbers = bLineNumbers ? 1 : 0;
        frame = std::make_unique<CChildFrame>(manager, doc, true);
        view = new CSyntaxWindowView(doc, settings, shell);
        frame->SetSourceView(view);
        frame->resize(900, 700);
        frame->show();
        view->OnInitialUpdate();
        static_cast<CScintillaTextModel&>(view->GetTextModel()).WriteAllClasses();
        // The Java window wraps long lines, which the editor does for a large file bit by bit
        // while the program is idle, for minutes; that would be measured with whatever runs
        // meanwhile. Unwrapped, only what is measured runs.
        view->GetEditor()->SendScintilla(Sci::SCI_SETWRAPMODE, static_cast<unsigned long>(Sci::SC_WRAP_NONE));
        QApplication::processEvents();
    }
    // Lets the editor paint what changed and runs what it told of meanwhile.
    void Paint() const
    {
        view->GetEditor()->viewport()->repaint();
        QApplication::processEvents();
    }

    CBenchProjectHost host;
    CQtDesktopShell shell;
    CSyntaxWindowDoc doc;
    CDocManager manager;
    std::unique_ptr<CChildFrame> frame;
    CSyntaxWindowView* view = nullptr;
};

// 1,000 marks spread over the file, each with its message, put in place of the last ones.
void BM_PlaceMarkers10MB(benchmark::State& state)
{
    CLargeWindow window(true);
    const int nLines = window.view->GetTextModel().GetLineCount();
    std::vector<CLineMarker> markers;
    for (int i = 0; i < 1000; ++i)
        markers.push_back({i * (nLines / 1000), i % 3 == 0 ? EMarkerKind::Warning : EMarkerKind::Error,
                           "Shape.java:" + std::to_string(i) + ": error: cannot find symbol"});
    for (auto _ : state)
        window.doc.SetLineMarkers(markers);
    state.counters["marks"] = static_cast<double>(window.view->GetLineMarkers().size());
}
BENCHMARK(BM_PlaceMarkers10MB)->Unit(benchmark::kMillisecond);

// The same 1,000 marks from the end of a build, as the program gets them: javac's output read
// for its messages (each with its quoted line, caret and detail), the file looked for, the marks
// made, and the window given those of its file.
void BM_MarkersFromBuildOutput10MB(benchmark::State& state)
{
    CLargeWindow window(true);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("ondrik-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "Shape.java").string();
    std::ofstream(path, std::ios::binary) << window.doc.GetText();
    window.doc.SetPathName(path);
    CJavaProjectDoc project(window.host);
    project.AddJavaFile(path);
    const int nLines = window.view->GetTextModel().GetLineCount();
    std::string output;
    for (int i = 0; i < 1000; ++i)
        output += "Shape.java:" + std::to_string(i * (nLines / 1000) + 1) + ": " +
                  (i % 3 == 0 ? "warning: [rawtypes] found raw type: List" : "error: cannot find symbol") +
                  "\r\n        area(x, y);\r\n        ^\r\n  symbol:   method area(int,int)\r\n  location: class Shape\r\n";
    output += "667 errors\r\n333 warnings\r\nExit code: 1\r\nThere were errors";
    for (auto _ : state) {
        project.OnRunStarted(folder.string(), CJavaProjectDoc::ERunKind::Compile);
        project.OnRunEnded(output);
        window.doc.SetLineMarkers(project.GetSourceMarks().For(path));
    }
    state.counters["marks"] = static_cast<double>(window.view->GetLineMarkers().size());
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_MarkersFromBuildOutput10MB)->Unit(benchmark::kMillisecond);

// The caret goes to each of 1,000 lines spread over the file in turn, and the window shows
// where it is: panes, brace, and the drop-down's entry found from the last scan's positions.
void BM_CaretThroughFile10MB(benchmark::State& state)
{
    CLargeWindow window(true);
    CScanCounter scans;
    window.doc.AddObserver(&scans);
    QsciScintilla* editor = window.view->GetEditor();
    const long nLines = editor->SendScintilla(Sci::SCI_GETLINECOUNT);
    const CFunctionList* list = window.frame->GetFunctionList();
    long nStep = 0;
    for (auto _ : state) {
        editor->SendScintilla(Sci::SCI_GOTOLINE, static_cast<unsigned long>((nStep++ % 1000) * (nLines / 1000)));
        window.Paint();
        benchmark::DoNotOptimize(list->currentIndex());
    }
    state.counters["rescans"] = scans.m_nScans;
    state.counters["entries"] = list->count();
    window.doc.RemoveObserver(&scans);
}
BENCHMARK(BM_CaretThroughFile10MB)->Unit(benchmark::kMicrosecond);

// A character typed at the end of the file as the keyboard types it, the line pass that
// follows, and the paint: with the line numbers off (0) and on (1).
void BM_TypedCharacterInWindow10MB(benchmark::State& state)
{
    CLargeWindow window(state.range(0) != 0);
    QsciScintilla* editor = window.view->GetEditor();
    editor->SendScintilla(Sci::SCI_DOCUMENTEND);
    window.Paint();
    bool bType = true;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, bType ? Qt::Key_X : Qt::Key_Backspace, Qt::NoModifier, bType ? "x" : "");
        QApplication::sendEvent(editor, &press);
        bType = !bType;
        window.Paint();
    }
}
BENCHMARK(BM_TypedCharacterInWindow10MB)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The partner of a brace at one end of the file lies at the other: the longest search the
// caret beside a brace can ask for.
void BM_BracePartnerAcross10MB(benchmark::State& state)
{
    CLargeWindow window(true);
    QsciScintilla* editor = window.view->GetEditor();
    CTextModel& text = window.view->GetTextModel();
    text.Replace(0, 0, "class Outer {\n");
    text.Replace(text.GetLength(), text.GetLength(), "}\n");
    window.view->OnSyntaxColourUpdate();
    static_cast<CScintillaTextModel&>(text).WriteAllClasses();
    const TextPos nLast = text.GetLength() - 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(editor->SendScintilla(Sci::SCI_BRACEMATCH, static_cast<unsigned long>(nLast), 0L));
    state.counters["partner"] = static_cast<double>(editor->SendScintilla(Sci::SCI_BRACEMATCH, static_cast<unsigned long>(nLast), 0L));
}
BENCHMARK(BM_BracePartnerAcross10MB)->Unit(benchmark::kMillisecond);

}  // namespace
