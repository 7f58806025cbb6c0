#pragma once

// Golden files of the colouring tests: stored letters, one per byte, compared with what the passes give.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Compares letters with the stored file; on a difference writes them beside it as NAME.new and
// fails. After reviewing the difference, accept it by moving NAME.new over NAME.
inline void ExpectGolden(const std::filesystem::path& path, const std::string& letters)
{
    const std::string stored = ReadFile(path);
    if (stored == letters)
        return;
    std::ofstream(path.string() + ".new", std::ios::binary) << letters;
    std::size_t nAt = 0;
    while (nAt < std::min(stored.size(), letters.size()) && stored[nAt] == letters[nAt])
        ++nAt;
    const std::size_t nLine = 1 + std::count(letters.begin(), letters.begin() + nAt, '\n');
    ADD_FAILURE() << path.string() << " differs from the passes' classes from line " << nLine << " on; they are in "
                  << path.string() << ".new";
}

// The files of folder whose names end in extension (".java"), in name order.
inline std::vector<std::filesystem::path> GoldenFiles(const std::filesystem::path& folder, const std::string& extension)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == extension)
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}
