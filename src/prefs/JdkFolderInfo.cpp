#include "JdkFolderInfo.h"

#include "platform/JdkRegistryView.h"
#include "platform/Paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

bool HasCompiler(const std::string& folder)
{
    std::error_code error;
    return !folder.empty() && std::filesystem::is_regular_file(Paths::Join(Paths::Join(folder, "bin"), "javac"), error);
}

}  // namespace

std::string CJdkFolderInfo::Describe(const std::string& folder)
{
    if (!HasCompiler(folder))
        return "No bin/javac in this folder.";
    const std::string version = CJdkRegistryView::ReadReleaseVersion(folder);
    if (version.empty())
        return "javac in bin/, version unknown";
    return "javac " + version + " in bin/";
}

std::vector<std::string> CJdkFolderInfo::InstalledJdks(const std::string& root)
{
    std::vector<std::string> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        const std::string folder = it->path().string();
        if (HasCompiler(folder))
            found.push_back(folder);
    }
    std::sort(found.begin(), found.end());
    return found;
}
