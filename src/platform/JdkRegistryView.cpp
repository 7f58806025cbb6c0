#include "JdkRegistryView.h"

#include "FileIo.h"
#include "Paths.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string RealPath(const std::string& path)
{
    char resolved[PATH_MAX];
    if (path.empty() || ::realpath(path.c_str(), resolved) == nullptr)
        return {};
    return resolved;
}

bool IsFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool HasCompiler(const std::string& jdkFolder)
{
    return !jdkFolder.empty() && IsFile(Paths::Join(Paths::Join(jdkFolder, "bin"), "javac"));
}

// The first executable javac in the folders of a PATH-like list; empty entries are skipped.
std::string FindOnSearchPath(std::string_view searchPath)
{
    while (!searchPath.empty()) {
        const size_t colon = searchPath.find(':');
        const std::string_view folder = searchPath.substr(0, colon);
        searchPath = colon == std::string_view::npos ? std::string_view() : searchPath.substr(colon + 1);
        if (folder.empty())
            continue;
        const std::string candidate = Paths::Join(folder, "javac");
        if (IsFile(candidate) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

CJdkSearch CJdkSearch::FromEnvironment()
{
    const char* path = std::getenv("PATH");
    return CJdkSearch{std::string(kDefaultJavaPath), path != nullptr ? path : ""};
}

std::string CJdkRegistryView::FindDefaultJdk(const CJdkSearch& search)
{
    // The default link may name a runtime without a compiler; a JDK on the search path then counts.
    std::string folder = RealPath(search.strDefaultJavaPath);
    if (HasCompiler(folder))
        return folder;
    const std::string javac = RealPath(FindOnSearchPath(search.strSearchPath));
    if (javac.empty())
        return {};
    // javac lies in the JDK's bin folder.
    folder = Paths::FolderOf(Paths::FolderOf(javac));
    if (folder.empty())
        folder = "/";
    return HasCompiler(folder) ? folder : std::string();
}

std::string CJdkRegistryView::ReadReleaseVersion(const std::string& jdkFolder)
{
    const auto read = FileIo::ReadWholeFile(Paths::Join(jdkFolder, "release"));
    if (read.status != FileIo::FileStatus::Ok)
        return {};
    constexpr std::string_view kKey = "JAVA_VERSION=";
    std::string_view rest = read.bytes;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        if (line.substr(0, kKey.size()) != kKey)
            continue;
        line.remove_prefix(kKey.size());
        if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
            line = line.substr(1, line.size() - 2);
        return std::string(line);
    }
    return {};
}

std::string CJdkRegistryView::FeatureVersion(std::string_view javaVersion)
{
    // Before 9 the feature version was the second number of "1.x".
    size_t end = 0;
    if (javaVersion.size() > 2 && javaVersion.substr(0, 2) == "1." && IsDigit(javaVersion[2]))
        end = 2;
    while (end < javaVersion.size() && IsDigit(javaVersion[end]))
        ++end;
    return std::string(javaVersion.substr(0, end));
}

CJdkRegistryView CJdkRegistryView::Discover(const CJdkSearch& search)
{
    CRegFile machine;
    const std::string folder = FindDefaultJdk(search);
    const std::string version = folder.empty() ? std::string() : FeatureVersion(ReadReleaseVersion(folder));
    if (!version.empty()) {
        const std::string key = std::string(kRoot) + "\\" + std::string(kJdkKey);
        machine.SetString(key, "CurrentVersion", version);
        machine.SetString(key + "\\" + version, "JavaHome", folder);
    }
    return CJdkRegistryView(std::move(machine));
}

std::string CJdkRegistryView::QueryValue(std::string_view keyPath, std::string_view name) const
{
    const CRegKey* key = m_machine.FindKey(std::string(kRoot) + "\\" + std::string(keyPath));
    if (key == nullptr)
        return {};
    for (const auto& value : key->values) {
        if (value.strName == name)
            return value.type == RegType::String ? value.strData : std::string();
    }
    return {};
}
