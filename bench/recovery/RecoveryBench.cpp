// What keeping a recovery file of a 10 MB document costs the user-interface thread, against a
// plain copy of its text, and what the writer's thread then spends writing it. Before each
// measured step a byte is typed in the middle of the text, as the user does between writes.
#include "scanner/JavaSourceGenerator.h"

#include "app/qt/RecoveryManager.h"
#include "editor/SyntaxWindowDoc.h"
#include "editor/qt/SyntaxWindowView.h"
#include "framework/qt/DocManager.h"
#include "framework/qt/QtDesktopShell.h"
#include "platform/FileIo.h"
#include "support/BenchProjectHost.h"
#include "support/QtBenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr std::size_t kTenMegabytes = 10 << 20;

// A Java window holding 10 MB of source, in a folder of its own for the recovery files.
struct CTenMegabyteWindow {
    CTenMegabyteWindow() : doc(host.m_ui, host), docs(host.m_ui)
    {
        char folder[] = "/tmp/ondrik-bench-XXXXXX";
        strFolder = ::mkdtemp(folder);
        doc.SetText(GenerateJavaSource(kTenMegabytes));
        view = std::make_unique<CSyntaxWindowView>(doc, CEditorSettings {}, shell);
        view->OnInitialUpdate();
    }
    ~CTenMegabyteWindow()
    {
        view.reset();
        std::filesystem::remove_all(strFolder);
    }
    // A keystroke in the middle: the editor's gap moves there, as it does while the user types.
    void TypeInTheMiddle()
    {
        CTextModel& text = view->GetTextModel();
        const TextPos nMiddle = text.GetLength() / 2;
        text.Replace(nMiddle, nMiddle, "x");
    }

    CBenchProjectHost host;
    CQtDesktopShell shell;
    CSyntaxWindowDoc doc;
    CDocManager docs;
    std::unique_ptr<CSyntaxWindowView> view;
    std::string strFolder;
};

void BM_CopyText10MB(benchmark::State& state)
{
    CTenMegabyteWindow window;
    for (auto _ : state) {
        state.PauseTiming();
        window.TypeInTheMiddle();
        state.ResumeTiming();
        std::string copy(window.view->GetTextModel().GetAllBytes());
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_CopyText10MB)->Unit(benchmark::kMillisecond);

// The timer's step on the user-interface thread: the text copied into the file's bytes and
// handed to the writer. The writer finishes each file before the next step, as it does in the
// seconds between two of them.
void BM_RecoveryWriteOnUiThread10MB(benchmark::State& state)
{
    CTenMegabyteWindow window;
    CRecoveryManager recovery(window.docs, window.host.m_ui, window.strFolder + "/recovery");
    for (auto _ : state) {
        state.PauseTiming();
        recovery.WaitForWrites(std::chrono::seconds(60));
        window.TypeInTheMiddle();
        state.ResumeTiming();
        recovery.WriteNow(window.doc);
    }
    recovery.WaitForWrites(std::chrono::seconds(60));
}
BENCHMARK(BM_RecoveryWriteOnUiThread10MB)->Unit(benchmark::kMillisecond);

// The writer's thread: the file written beside its last version, synced and renamed over it.
void BM_RecoveryFileOnWriterThread10MB(benchmark::State& state)
{
    CTenMegabyteWindow window;
    const std::string bytes = CRecoveryRecord().Encode(window.view->GetTextModel().GetAllBytes());
    const std::string file = window.strFolder + "/doc-1.rec";
    for (auto _ : state)
        benchmark::DoNotOptimize(FileIo::WriteFileReplacing(file, bytes));
}
BENCHMARK(BM_RecoveryFileOnWriterThread10MB)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
