#include "app/InstanceSocket.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t ModeOf(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

}  // namespace

// Without a runtime folder the socket goes into a folder of the user's own under the temp
// folder; one that another user made first, opened to others, or put there as a link to
// somewhere else would let others reach or replace the socket.
TEST(InstanceSocket, TheRuntimeFolderOrAPrivateFolderUnderTheTempFolderOrNone)
{
    const uid_t uid = ::getuid();
    const std::string name = "ondrik-" + std::to_string(uid);
    EXPECT_EQ(InstanceSocket::PlaceFor("/run/user/7", "/nowhere", 7).strPath, "/run/user/7/ondrik.socket");
    {
        CTempDir temp;
        for (const char* runtime : {"", "relative/run"}) {
            const auto place = InstanceSocket::PlaceFor(runtime, temp.Path(), uid);
            EXPECT_EQ(place.strPath, temp.File(name + "/ondrik.socket")) << runtime;
            EXPECT_EQ(ModeOf(temp.File(name)), 0700u);
        }
    }
    {
        CTempDir temp;
        std::filesystem::create_directory(temp.File(name));
        ::chmod(temp.File(name).c_str(), 0755);
        const auto place = InstanceSocket::PlaceFor("", temp.Path(), uid);
        EXPECT_EQ(place.strPath, "") << "a folder open to others";
        EXPECT_NE(place.strError, "");
    }
    {
        CTempDir temp;
        std::filesystem::create_directory(temp.File("elsewhere"));
        ::chmod(temp.File("elsewhere").c_str(), 0700);
        std::filesystem::create_directory_symlink(temp.File("elsewhere"), temp.File(name));
        EXPECT_EQ(InstanceSocket::PlaceFor("", temp.Path(), uid).strPath, "") << "a link to a private folder";
    }
    {
        CTempDir temp;
        EXPECT_EQ(InstanceSocket::PlaceFor("", temp.Path(), uid + 1).strPath, "") << "a folder of another user's";
    }
}
