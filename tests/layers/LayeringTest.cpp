// The source tree's layers point one way: platform <- framework <- project <- run <- editor,
// projectwindow, prefs, bars <- debug <- app, tools <- main. Qt stays in qt/ folders and main.cpp.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The debugger sits above the runner and below the application; its Debug bar docks like the
// other bars and marks lines in the editors.
const std::map<std::string, int> kLayers = {
    {"platform", 0}, {"framework", 1}, {"project", 2},       {"run", 3},   {"editor", 4},
    {"prefs", 4},    {"bars", 4},      {"projectwindow", 4}, {"debug", 5}, {"app", 6},
    {"tools", 6},
};

struct CSourceFile {
    std::string strPath;   // relative to src/
    std::string strLayer;  // first folder, or "" for main.cpp
    bool bQt = false;      // inside a qt/ folder, or main.cpp
};

std::vector<CSourceFile> SourceFiles()
{
    std::vector<CSourceFile> files;
    const fs::path root = ONDRIK_SOURCE_DIR;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
            continue;
        CSourceFile file;
        file.strPath = fs::relative(entry.path(), root).generic_string();
        const auto slash = file.strPath.find('/');
        file.strLayer = slash == std::string::npos ? "" : file.strPath.substr(0, slash);
        file.bQt = file.strPath == "main.cpp" || file.strPath.find("/qt/") != std::string::npos;
        files.push_back(file);
    }
    return files;
}

int RankOf(const std::string& layer)
{
    const auto it = kLayers.find(layer);
    return it == kLayers.end() ? 7 : it->second;  // main.cpp sits on top
}

// One rule broken, as "file:line: what".
std::vector<std::string> Violations(const CSourceFile& file, std::set<std::pair<std::string, std::string>>& peerEdges)
{
    static const std::regex local(R"(^\s*#\s*include\s*"([a-z]+)/([^"]*)\")");
    static const std::regex system(R"(^\s*#\s*include\s*<(Q[A-Za-z]|Qsci/))");
    std::vector<std::string> found;
    std::ifstream in(fs::path(ONDRIK_SOURCE_DIR) / file.strPath);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        const std::string where = file.strPath + ":" + std::to_string(n) + ": ";
        std::smatch match;
        if (std::regex_search(line, match, system) && !file.bQt)
            found.push_back(where + "a Qt header outside a qt/ folder");
        if (!std::regex_search(line, match, local) || kLayers.count(match[1]) == 0)
            continue;
        const std::string target = match[1];
        if (RankOf(target) > RankOf(file.strLayer))
            found.push_back(where + "includes " + target + ", a layer above " + file.strLayer);
        else if (RankOf(target) == RankOf(file.strLayer) && target != file.strLayer)
            peerEdges.insert({file.strLayer, target});
        if (!file.bQt && std::string(match[2]).rfind("qt/", 0) == 0)
            found.push_back(where + "a plain file includes Qt code of " + target);
    }
    return found;
}

}  // namespace

// Would fail on a plain layer that includes one above it (the project reaching into the
// runner), on a Qt header in plain code, and on two layers of one level that include each other.
TEST(Layering, IncludesPointDownAndQtStaysInQtFolders)
{
    const std::vector<CSourceFile> files = SourceFiles();
    ASSERT_GT(files.size(), 50u) << "the source tree was not found at " << ONDRIK_SOURCE_DIR;
    std::vector<std::string> found;
    std::set<std::pair<std::string, std::string>> peerEdges;
    for (const CSourceFile& file : files) {
        for (std::string& violation : Violations(file, peerEdges))
            found.push_back(std::move(violation));
    }
    for (const auto& [from, to] : peerEdges) {
        if (peerEdges.count({to, from}) != 0 && from < to)
            found.push_back(from + " and " + to + " include each other");
    }
    for (const std::string& violation : found)
        ADD_FAILURE() << violation;
}

// Would fail on a layer's library that links a library of a layer above it.
TEST(Layering, LibrariesLinkDownward)
{
    static const std::regex link(R"(target_link_libraries\s*\(\s*ondrik_([a-z]+)\w*([^)]*)\))");
    static const std::regex library(R"(ondrik_([a-z]+))");
    int nChecked = 0;
    for (const auto& entry : fs::recursive_directory_iterator(ONDRIK_SOURCE_DIR)) {
        if (entry.path().filename() != "CMakeLists.txt")
            continue;
        std::ifstream in(entry.path());
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), link); it != std::sregex_iterator(); ++it) {
            const std::string layer = (*it)[1];
            if (kLayers.count(layer) == 0)
                continue;
            ++nChecked;
            const std::string libs = (*it)[2];
            for (auto lib = std::sregex_iterator(libs.begin(), libs.end(), library); lib != std::sregex_iterator();
                 ++lib) {
                const std::string used = (*lib)[1];
                if (RankOf(used) > RankOf(layer))
                    ADD_FAILURE() << entry.path().string() << ": ondrik_" << layer << " links ondrik_" << used
                                  << ", a layer above";
            }
        }
    }
    EXPECT_GE(nChecked, 10) << "the libraries' link lines were not found";
}
