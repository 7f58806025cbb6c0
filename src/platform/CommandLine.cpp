#include "CommandLine.h"

#include <dirent.h>

#include <algorithm>

namespace CommandLine {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The program's name: quotes only group, every backslash is kept.
std::size_t SplitProgramName(std::string_view line, CArgument& argument)
{
    bool bInQuotes = false;
    std::size_t i = 0;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            bInQuotes = !bInQuotes;
            argument.bQuoted = true;
        } else if (IsBlank(c) && !bInQuotes) {
            break;
        } else {
            argument.strText += c;
        }
    }
    return i;
}

std::vector<std::string> ListFolder(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    ::closedir(dir);
    return names;
}

// Switches whose value the JDK's tools read as a path list themselves, wildcards included.
bool TakesAPathList(std::string_view argument)
{
    for (const std::string_view option :
         {"-cp", "-classpath", "--class-path", "-sourcepath", "--source-path", "-p", "--module-path"}) {
        if (argument == option)
            return true;
    }
    return false;
}

bool HasWildcard(std::string_view text)
{
    return text.find_first_of("*?") != std::string_view::npos;
}

void ExpandOne(const std::string& argument, const std::string& folder, std::vector<std::string>& out)
{
    const std::size_t cut = argument.rfind('/');
    const std::string prefix = cut == std::string::npos ? std::string() : argument.substr(0, cut + 1);
    const std::string_view pattern = std::string_view(argument).substr(prefix.size());
    if (!HasWildcard(pattern) || HasWildcard(prefix)) {
        out.push_back(argument);
        return;
    }
    std::string searched = prefix;
    if (prefix.empty() || prefix[0] != '/') {
        const std::string base = folder.empty() ? std::string(".") : folder;
        searched = prefix.empty() ? base : base + "/" + prefix;
    }
    std::vector<std::string> matches;
    for (std::string& name : ListFolder(searched)) {
        if (name[0] == '.' && pattern[0] != '.')
            continue;
        if (MatchesWildcard(pattern, name))
            matches.push_back(prefix + name);
    }
    if (matches.empty()) {
        out.push_back(argument);
        return;
    }
    std::sort(matches.begin(), matches.end());
    out.insert(out.end(), matches.begin(), matches.end());
}

}  // namespace

std::vector<CArgument> Split(std::string_view line)
{
    std::vector<CArgument> arguments;
    std::size_t i = 0;
    while (i < line.size() && IsBlank(line[i]))
        ++i;
    if (i == line.size())
        return arguments;
    arguments.emplace_back();
    i += SplitProgramName(line.substr(i), arguments.back());

    for (;;) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i == line.size())
            break;
        CArgument argument;
        bool bInQuotes = false;
        while (i < line.size()) {
            const char c = line[i];
            if (c == '\\') {
                std::size_t nBackslashes = 0;
                while (i < line.size() && line[i] == '\\') {
                    ++nBackslashes;
                    ++i;
                }
                if (i < line.size() && line[i] == '"') {
                    argument.strText.append(nBackslashes / 2, '\\');
                    if (nBackslashes % 2 == 1) {
                        argument.strText += '"';
                        ++i;
                    }
                    // An even run leaves the quote to the next round, where it groups.
                } else {
                    argument.strText.append(nBackslashes, '\\');
                }
            } else if (c == '"') {
                argument.bQuoted = true;
                if (bInQuotes && i + 1 < line.size() && line[i + 1] == '"') {
                    argument.strText += '"';
                    i += 2;
                } else {
                    bInQuotes = !bInQuotes;
                    ++i;
                }
            } else if (IsBlank(c) && !bInQuotes) {
                break;
            } else {
                argument.strText += c;
                ++i;
            }
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

bool MatchesWildcard(std::string_view pattern, std::string_view name)
{
    // Greedy match with one backtrack point: the last "*" seen.
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t star = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            starName = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string> Expand(const std::vector<CArgument>& arguments, const std::string& folder)
{
    std::vector<std::string> argv;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const CArgument& argument = arguments[i];
        const bool bPathList = i > 1 && TakesAPathList(arguments[i - 1].strText);
        if (i == 0 || argument.bQuoted || bPathList || !HasWildcard(argument.strText))
            argv.push_back(argument.strText);
        else
            ExpandOne(argument.strText, folder, argv);
    }
    return argv;
}

std::vector<std::string> ToArgv(std::string_view commandLine, const std::string& folder)
{
    return Expand(Split(commandLine), folder);
}

std::string Quote(std::string_view argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\"*?") == std::string_view::npos)
        return std::string(argument);
    std::string quoted = "\"";
    std::size_t nBackslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++nBackslashes;
            continue;
        }
        // Backslashes count only before a quote: there each one is doubled.
        quoted.append(c == '"' ? 2 * nBackslashes + 1 : nBackslashes, '\\');
        nBackslashes = 0;
        quoted += c;
    }
    quoted.append(2 * nBackslashes, '\\');
    return quoted + "\"";
}

}  // namespace CommandLine
