#include "BreakpointFile.h"

#include "platform/FileIo.h"
#include "platform/Paths.h"

#include <charconv>
#include <climits>

namespace BreakpointFile {

namespace {

constexpr std::string_view kHeading = "Ondrik breakpoints ";
constexpr int kVersion = 1;

std::string LineError(int nLine, const std::string& what)
{
    return "line " + std::to_string(nLine) + ": " + what;
}

// A whole number from 1 up, and nothing else; none otherwise.
std::optional<int> LineNumber(std::string_view text)
{
    int nValue = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), nValue);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || text[0] == '-' ||
        text[0] == '+' || nValue < 1)
        return std::nullopt;
    return nValue;
}

}  // namespace

std::string PathFor(const std::string& jprPath)
{
    const bool bJpr = Paths::ExtensionOf(jprPath) == "jpr" && Paths::NameOf(jprPath).size() > 4;
    return (bJpr ? jprPath.substr(0, jprPath.size() - 4) : jprPath) + ".breakpoints";
}

std::string Format(const CBreakpoints::CFileLines& files, const std::string& projectFolder)
{
    std::string text = std::string(kHeading) + std::to_string(kVersion) + "\n";
    const std::string under = projectFolder.empty() ? std::string() : projectFolder + Paths::kSeparator;
    for (const auto& [path, lines] : files) {
        // A name with a line break or a tab in it has no line of its own here.
        if (path.find_first_of("\t\r\n") != std::string::npos)
            continue;
        const bool bUnder = !under.empty() && path.size() > under.size() && path.compare(0, under.size(), under) == 0;
        const std::string shown = bUnder ? path.substr(under.size()) : path;
        for (int nLine : lines)
            text += shown + "\t" + std::to_string(nLine + 1) + "\n";
    }
    return text;
}

CParsed Parse(std::string_view text, const std::string& projectFolder)
{
    CParsed parsed;
    int nLine = 0;
    bool bHeading = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++nLine;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!bHeading) {
            if (line.substr(0, kHeading.size()) != kHeading) {
                parsed.strError = LineError(nLine, "this is no breakpoints file");
                return parsed;
            }
            const std::string_view version = line.substr(kHeading.size());
            if (LineNumber(version) != kVersion) {
                parsed.strError = LineError(nLine, "version \"" + std::string(version) + "\" is not known");
                return parsed;
            }
            bHeading = true;
            continue;
        }
        if (line.empty())
            continue;
        const std::size_t tab = line.rfind('\t');
        if (tab == std::string_view::npos || tab == 0) {
            parsed.strError = LineError(nLine, "no file and line number parted by a tab");
            return parsed;
        }
        const std::optional<int> number = LineNumber(line.substr(tab + 1));
        if (!number) {
            parsed.strError = LineError(nLine, "\"" + std::string(line.substr(tab + 1)) + "\" is no line number");
            return parsed;
        }
        std::string path(line.substr(0, tab));
        if (path[0] != Paths::kSeparator)
            path = Paths::Join(projectFolder, path);
        parsed.files[path].push_back(*number - 1);
    }
    if (!bHeading)
        parsed.strError = LineError(1, "this is no breakpoints file");
    return parsed;
}

CReadResult Read(const std::string& jprPath)
{
    CReadResult result;
    const std::string path = PathFor(jprPath);
    const FileIo::FileReadResult file = FileIo::ReadWholeFile(path);
    if (file.status == FileIo::FileStatus::NotFound)
        return result;
    if (file.status != FileIo::FileStatus::Ok) {
        // A file that cannot even be opened is left where it is; it is not written over.
        result.status = ReadStatus::Damaged;
        result.strError = "it cannot be opened";
        return result;
    }
    CParsed parsed = Parse(file.bytes, Paths::FolderOf(jprPath));
    if (!parsed.strError.empty()) {
        result.status = ReadStatus::Damaged;
        result.strError = std::move(parsed.strError);
        result.keptAs = FileIo::KeepAside(path);
        return result;
    }
    result.status = ReadStatus::Read;
    result.files = std::move(parsed.files);
    return result;
}

bool Write(const std::string& jprPath, const CBreakpoints::CFileLines& files)
{
    return FileIo::WriteFileReplacing(PathFor(jprPath), Format(files, Paths::FolderOf(jprPath))) ==
           FileIo::FileStatus::Ok;
}

std::string DamagedMessage(const std::string& jprPath, const CReadResult& result)
{
    const std::string text = "The project's breakpoints could not be read from\n" + PathFor(jprPath) + "\n(" +
                             result.strError + ").\n";
    if (result.keptAs)
        return text + "The file was kept as\n" + *result.keptAs + "\nand the project starts without breakpoints.";
    return text + "The file was left as it is; the breakpoints set now are not kept until it is mended or removed.";
}

}  // namespace BreakpointFile
