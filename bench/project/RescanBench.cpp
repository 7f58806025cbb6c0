// Rescanning one Java file of the project, as happens before every save: each iteration is a
// full scan of the same text into the project's class information. The time per method should
// stay flat as the class grows. The same scan without a project shows what the project adds.
#include "project/JavaClass.h"
#include "project/JavaProjectDoc.h"
#include "project/JavaScanner.h"
#include "project/ProjectHost.h"

#include "framework/ModalDialog.h"
#include "framework/Ui.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Nobody is there to answer; a scan that asks anything is not measuring what it should.
class CSilentUi : public CUi {
public:
    MsgAnswer MessageBox(const std::string&, MsgButtons, MsgIcon, const std::string&) override
    {
        ++m_nMessages;
        return MsgAnswer::Cancel;
    }
    std::optional<std::vector<std::string>> GetOpenFileNames(const CFileDialogSpec&) override { return std::nullopt; }
    std::optional<std::string> GetSaveFileName(const CFileDialogSpec&) override { return std::nullopt; }
    std::optional<std::uint32_t> ChooseColour(std::uint32_t) override { return std::nullopt; }
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
    int DoModal(CModalDialog&) override { return kIdCancel; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

    int m_nMessages = 0;
};

class CBenchProjectHost : public CProjectHost {
public:
    CUi& GetUi() override { return m_ui; }
    std::string GetDefaultJavaOptions() const override { return {}; }
    std::string GetDefaultJavacSwitches() const override { return {}; }
    std::string GetJavaBin() const override { return {}; }
    void SetOpenProject(CJavaProjectDoc* project) override { m_pOpenProject = project; }
    CJavaProjectDoc* GetOpenProject() const override { return m_pOpenProject; }
    void AddRecentProject(const std::string&) override {}
    void SaveRecentProjects(const std::string&) override {}

    CSilentUi m_ui;
    CJavaProjectDoc* m_pOpenProject = nullptr;
};

// One public class with the given number of distinct methods, each with a small body, lines
// ended by CR LF as the editor holds them.
std::string ClassOfMethods(int methods)
{
    std::string out = "package org.example.generated;\r\n\r\npublic class Big extends Object {\r\n";
    out += "    private int count = 0;\r\n\r\n";
    for (int i = 0; i < methods; ++i) {
        const std::string n = std::to_string(i);
        out += "    // Adds " + n + " to what it is given\r\n";
        out += "    public int add" + n + "(int value, String label) {\r\n";
        out += "        if (value > " + n + ") {\r\n";
        out += "            count++;\r\n";
        out += "        }\r\n";
        out += "        return value + " + n + ";\r\n";
        out += "    }\r\n\r\n";
    }
    out += "}\r\n";
    return out;
}

void BM_RescanClass(benchmark::State& state)
{
    const int methods = static_cast<int>(state.range(0));
    const std::string text = ClassOfMethods(methods);
    const std::string path = "/src/Big.java";
    CBenchProjectHost host;
    CJavaProjectDoc project(host);
    project.AddJavaFile(path);
    CJavaScanner scanner;
    for (auto _ : state) {
        scanner.ScanSource(text, &project, path);
        benchmark::DoNotOptimize(project.GetJavaFiles().GetAt(0));
    }
    const CJavaClass* big = project.GetJavaFiles().GetAt(0)->GetClasses().FindClass("Big");
    if (big == nullptr || big->GetMethods().size() != static_cast<std::size_t>(methods) || host.m_ui.m_nMessages != 0) {
        state.SkipWithError("the scan did not put every method into the project");
        return;
    }
    state.SetComplexityN(methods);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * methods);
}
BENCHMARK(BM_RescanClass)->Arg(2000)->Arg(6000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_ScanClassWithoutProject(benchmark::State& state)
{
    const std::string text = ClassOfMethods(static_cast<int>(state.range(0)));
    CJavaScanner scanner;
    for (auto _ : state) {
        scanner.ScanSource(text, nullptr, "/src/Big.java");
        benchmark::DoNotOptimize(scanner.GetEntries().data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ScanClassWithoutProject)->Arg(2000)->Arg(6000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
