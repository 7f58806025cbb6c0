// Find Next over a 10 MB source whose only match is at its very end, from a window's text
// model, against the editor's own search over the same text, with and without case folding.
#include "scanner/JavaSourceGenerator.h"

#include "editor/TextSearch.h"
#include "editor/qt/ScintillaTextModel.h"
#include "support/QtBenchMain.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using Sci = QsciScintillaBase;

constexpr const char* kNeedle = "uniqueNeedleAtTheEnd";

void Load(QsciScintilla& editor)
{
    std::string text = GenerateJavaSource(10 << 20);
    text += "\n// ";
    text += kNeedle;
    text += "\n";
    editor.SendScintilla(Sci::SCI_APPENDTEXT, static_cast<unsigned long>(text.size()), text.data());
}

void BM_FindNext10MB(benchmark::State& state)
{
    QsciScintilla editor;
    Load(editor);
    CScintillaTextModel model(editor);
    const CSearchOptions options {kNeedle, state.range(0) != 0, false, true};
    for (auto _ : state) {
        model.SetSelection(0, 0);
        const bool bFound = TextSearch::FindNext(model, options);
        benchmark::DoNotOptimize(bFound);
        if (!bFound)
            state.SkipWithError("not found");
    }
}
BENCHMARK(BM_FindNext10MB)->ArgName("matchCase")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_BareQsciSearch10MB(benchmark::State& state)
{
    QsciScintilla editor;
    Load(editor);
    const long nLength = editor.SendScintilla(Sci::SCI_GETLENGTH);
    const std::string needle = kNeedle;
    editor.SendScintilla(Sci::SCI_SETSEARCHFLAGS, state.range(0) != 0 ? static_cast<unsigned long>(Sci::SCFIND_MATCHCASE) : 0UL);
    for (auto _ : state) {
        editor.SendScintilla(Sci::SCI_SETTARGETRANGE, 0UL, nLength);
        const long nAt = editor.SendScintilla(Sci::SCI_SEARCHINTARGET, static_cast<unsigned long>(needle.size()),
                                              needle.c_str());
        benchmark::DoNotOptimize(nAt);
        if (nAt < 0)
            state.SkipWithError("not found");
    }
}
BENCHMARK(BM_BareQsciSearch10MB)->ArgName("matchCase")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
