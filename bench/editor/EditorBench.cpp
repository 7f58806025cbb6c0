// The Java window's colouring against the editor's own Java colouring on the same text, the
// cost of one keystroke's line pass at the end of a small and of a large file, and opening a
// large file until its first paint with the memory it takes, on the offscreen platform.
#include "scanner/JavaSourceGenerator.h"

#include "editor/SourceEditing.h"
#include "editor/HtmlColouring.h"
#include "editor/JavaColouring.h"
#include "editor/SyntaxColourer.h"
#include "editor/SyntaxWindowDoc.h"
#include "editor/qt/ScintillaTextModel.h"
#include "editor/qt/SourceMargins.h"
#include "editor/qt/SyntaxWindowView.h"
#include "framework/qt/QtDesktopShell.h"
#include "support/BenchProjectHost.h"
#include "support/QtBenchMain.h"

#include <Qsci/qscilexerjava.h>
#include <Qsci/qsciscintilla.h>

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using Sci = QsciScintillaBase;

// Most sources here end their lines in LF alone.
std::string JavaText(std::size_t bytes)
{
    std::string text = GenerateJavaSource(bytes);
    std::erase(text, '\r');
    return text;
}

// A page of paragraphs, tables, links, applets and comments, its tags in either case, until it
// holds bytes bytes.
std::string HtmlText(std::size_t bytes)
{
    static const char* const kBlocks[] = {
        "<p>Some running text with a table and the word code in it, <b>bold</b> and <i>slanted</i>.</p>\n",
        "<TABLE BORDER=1 WIDTH=\"100%\">\n<TR><TD ALIGN=\"left\">cell</TD><TD>another</TD></TR>\n</TABLE>\n",
        "<!-- a comment\n     over two lines -->\n",
        "<a href=\"page.html#top\" title=\"say \\\"hi\\\"\">a link</a><br>\n",
        "<APPLET CODE=\"Hello.class\" WIDTH=300 HEIGHT=300>\n<param name=\"n\" value=\"1\">\n</APPLET>\n",
        "<h2>Heading</h2>\n<ul>\n\t<li>one</li>\n\t<li>two</li>\n</ul>\n",
    };
    std::string text = "<HTML>\n<HEAD><TITLE>Generated</TITLE></HEAD>\n<BODY>\n";
    for (std::size_t i = 0; text.size() < bytes; ++i)
        text += kBlocks[(i * 7 + i / 6) % std::size(kBlocks)];
    text.resize(bytes);
    return text;
}

std::string SourceText(EColouring rules, std::size_t bytes)
{
    return rules == EColouring::Html ? HtmlText(bytes) : JavaText(bytes);
}

void Load(QsciScintilla& editor, const std::string& text)
{
    editor.SendScintilla(Sci::SCI_CLEARALL);
    editor.SendScintilla(Sci::SCI_APPENDTEXT, static_cast<unsigned long>(text.size()), text.data());
}

void ClearStyles(QsciScintilla& editor)
{
    editor.SendScintilla(Sci::SCI_STARTSTYLING, 0UL, 0xffL);
    editor.SendScintilla(Sci::SCI_SETSTYLING, static_cast<unsigned long>(editor.SendScintilla(Sci::SCI_GETLENGTH)),
                         0L);
}

long ResidentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long nPages = 0, nResident = 0;
    statm >> nPages >> nResident;
    return nResident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The whole-text pass of a Java source or a page, classes found and written to the editor's
// styles.
template <EColouring rules>
void BM_FullPass1MB(benchmark::State& state)
{
    const std::string text = SourceText(rules, 1 << 20);
    QsciScintilla editor;
    Load(editor, text);
    CScintillaTextModel model(editor);
    CSyntaxColourer colourer(model, rules);
    for (auto _ : state) {
        state.PauseTiming();
        ClearStyles(editor);
        state.ResumeTiming();
        colourer.ColourAll();
        model.WriteAllClasses();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(text.size()));
}
BENCHMARK(BM_FullPass1MB<EColouring::Java>)->Name("BM_FullPass1MB")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullPass1MB<EColouring::Html>)->Name("BM_HtmlFullPass1MB")->Unit(benchmark::kMillisecond);

// The passes alone, without the editor: what the two kinds of window differ by.
void BM_JavaPassOnly1MB(benchmark::State& state)
{
    const std::string text = JavaText(1 << 20);
    for (auto _ : state)
        benchmark::DoNotOptimize(JavaColouring::FullPass(text));
}
BENCHMARK(BM_JavaPassOnly1MB)->Unit(benchmark::kMillisecond);

// The same over a source as written today, with character literals and text blocks.
void BM_JavaPassOnlyToday1MB(benchmark::State& state)
{
    std::string text = GenerateJavaSource(1 << 20, EJavaSource::Today);
    std::erase(text, '\r');
    for (auto _ : state)
        benchmark::DoNotOptimize(JavaColouring::FullPass(text));
}
BENCHMARK(BM_JavaPassOnlyToday1MB)->Unit(benchmark::kMillisecond);

void BM_HtmlPassOnly1MB(benchmark::State& state)
{
    const std::string text = HtmlText(1 << 20);
    for (auto _ : state)
        benchmark::DoNotOptimize(HtmlColouring::FullPass(text));
}
BENCHMARK(BM_HtmlPassOnly1MB)->Unit(benchmark::kMillisecond);

// The editor's own Java lexer over the same text, forced over all of it.
void BM_QsciLexerJava1MB(benchmark::State& state)
{
    const std::string text = JavaText(1 << 20);
    QsciScintilla editor;
    auto* lexer = new QsciLexerJava(&editor);
    editor.setLexer(lexer);
    Load(editor, text);
    for (auto _ : state) {
        state.PauseTiming();
        ClearStyles(editor);
        state.ResumeTiming();
        editor.SendScintilla(Sci::SCI_COLOURISE, 0UL, -1L);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(text.size()));
}
BENCHMARK(BM_QsciLexerJava1MB)->Unit(benchmark::kMillisecond);

// One typed character on the last line and the line pass that follows it; the character
// replaces the line's last one, so the line keeps its length. With the line numbers, the editor
// has the margins of a source window, line numbers shown.
template <EColouring rules, bool bLineNumbers = false>
void BM_KeystrokeOnLastLine(benchmark::State& state)
{
    std::string text = SourceText(rules, static_cast<std::size_t>(state.range(0)));
    text += rules == EColouring::Html ? "\n<p class=\"last\">text <b>table</b> <!-- still open"
                                      : "    int last = 0; /* still open";
    QsciScintilla editor;
    if (bLineNumbers)
        (new CSourceMargins(editor, true))->ApplyFont();
    Load(editor, text);
    CScintillaTextModel model(editor);
    CSyntaxColourer colourer(model, rules);
    colourer.ColourAll();
    model.WriteAllClasses();
    colourer.ColourCaretLine();
    bool bX = false;
    for (auto _ : state) {
        const TextPos nEnd = model.GetLength();
        model.Replace(nEnd - 1, nEnd, (bX = !bX) ? "x" : "y");
        model.SetSelection(nEnd, nEnd);
        colourer.ColourCaretLine();
    }
}
BENCHMARK(BM_KeystrokeOnLastLine<EColouring::Java>)->Name("BM_KeystrokeOnLastLine")->Arg(10 << 10)->Arg(10 << 20)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeOnLastLine<EColouring::Html>)->Name("BM_HtmlKeystrokeOnLastLine")->Arg(10 << 10)->Arg(10 << 20)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeOnLastLine<EColouring::Java, true>)->Name("BM_KeystrokeOnLastLineWithLineNumbers")
    ->Arg(10 << 10)->Arg(10 << 20)->Unit(benchmark::kMicrosecond);

// Convert Linebreaks and Convert Tabs to Spaces in the editor itself, at two sizes ten times
// apart.
template <int nCommand>
void BM_ConvertInEditor(benchmark::State& state)
{
    std::string text = JavaText(static_cast<std::size_t>(state.range(0)));
    std::replace(text.begin(), text.end(), ' ', '\t');
    QsciScintilla editor;
    CScintillaTextModel model(editor);
    for (auto _ : state) {
        state.PauseTiming();
        Load(editor, text);
        editor.SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
        state.ResumeTiming();
        if (nCommand == 0)
            SourceEditing::ConvertLinebreaks(model);
        else
            SourceEditing::ConvertTabsToSpaces(model, 3);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(text.size()));
}
BENCHMARK(BM_ConvertInEditor<0>)->Name("BM_ConvertLinebreaksInEditor")->Arg(1 << 20)->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertInEditor<1>)->Name("BM_ConvertTabsInEditor")->Arg(1 << 20)->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond);

// A 10 MB file from its bytes to the first paint of its window, with the scan of its classes;
// the colours of the text below the first stretch are written afterwards while the program is
// idle, which the counter tells.
void BM_Open10MB(benchmark::State& state)
{
    const std::string text = JavaText(10 << 20);
    CBenchProjectHost host;
    CQtDesktopShell shell;
    long nResident = 0;
    long long nIdleMicroseconds = 0;
    for (auto _ : state) {
        const long nBefore = ResidentKilobytes();
        CSyntaxWindowDoc doc(host.m_ui, host);
        doc.SetText(text);
        auto view = std::make_unique<CSyntaxWindowView>(doc, CEditorSettings {}, shell);
        view->resize(900, 700);
        view->show();
        view->OnInitialUpdate();
        benchmark::DoNotOptimize(view->grab());
        nResident = ResidentKilobytes() - nBefore;
        state.PauseTiming();
        const auto start = std::chrono::steady_clock::now();
        static_cast<CScintillaTextModel&>(view->GetTextModel()).WriteAllClasses();
        nIdleMicroseconds += std::chrono::duration_cast<std::chrono::microseconds>(
                                 std::chrono::steady_clock::now() - start).count();
        state.ResumeTiming();
    }
    state.counters["resident_growth_MB"] = static_cast<double>(nResident) / 1024.0;
    state.counters["idle_writes_ms"] = static_cast<double>(nIdleMicroseconds) / 1000.0 / state.iterations();
}
BENCHMARK(BM_Open10MB)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same file in a bare editor with its own Java lexer.
void BM_OpenBareQsci10MB(benchmark::State& state)
{
    const std::string text = JavaText(10 << 20);
    long nResident = 0;
    for (auto _ : state) {
        const long nBefore = ResidentKilobytes();
        auto editor = std::make_unique<QsciScintilla>();
        editor->setLexer(new QsciLexerJava(editor.get()));
        Load(*editor, text);
        editor->resize(900, 700);
        editor->show();
        benchmark::DoNotOptimize(editor->grab());
        nResident = ResidentKilobytes() - nBefore;
    }
    state.counters["resident_growth_MB"] = static_cast<double>(nResident) / 1024.0;
}
BENCHMARK(BM_OpenBareQsci10MB)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
