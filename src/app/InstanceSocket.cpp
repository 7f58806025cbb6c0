#include "InstanceSocket.h"

#include "platform/Paths.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace InstanceSocket {

namespace {

std::string PrivateFolder(const std::string& folder, uid_t uid, std::string& error)
{
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot make " + folder + ": " + std::strerror(errno);
        return {};
    }
    // Someone else may have put a folder or a link there first: only our own closed folder will do.
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) {
        error = "cannot read " + folder + ": " + std::strerror(errno);
        return {};
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != uid || (info.st_mode & 077) != 0) {
        error = folder + " is not a folder of this user's closed to others";
        return {};
    }
    return folder;
}

}  // namespace

CPlace PlaceFor(std::string_view runtimeFolder, std::string_view tempFolder, uid_t uid)
{
    CPlace place;
    if (!runtimeFolder.empty() && runtimeFolder.front() == Paths::kSeparator) {
        place.strPath = Paths::Join(runtimeFolder, kSocketName);
        return place;
    }
    const std::string folder = PrivateFolder(
        Paths::Join(tempFolder, "ondrik-" + std::to_string(static_cast<unsigned long>(uid))), uid, place.strError);
    if (!folder.empty())
        place.strPath = Paths::Join(folder, kSocketName);
    return place;
}

CPlace PlaceFromProcess()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code ec;
    std::string temp = std::filesystem::temp_directory_path(ec).string();
    if (ec || temp.empty())
        temp = "/tmp";
    return PlaceFor(runtime != nullptr ? runtime : "", temp, ::getuid());
}

}  // namespace InstanceSocket
