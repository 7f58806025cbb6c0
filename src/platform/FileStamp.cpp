#include "FileStamp.h"

#include <sys/stat.h>

namespace {

CFileStamp FromStat(const struct stat& st)
{
    CFileStamp stamp;
    stamp.bExists = true;
    stamp.nDevice = static_cast<std::uint64_t>(st.st_dev);
    stamp.nInode = static_cast<std::uint64_t>(st.st_ino);
    stamp.nSize = static_cast<std::int64_t>(st.st_size);
    stamp.nModifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    return stamp;
}

}  // namespace

CFileStamp CFileStamp::Of(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? FromStat(st) : CFileStamp {};
}

CFileStamp CFileStamp::OfDescriptor(int fd)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? FromStat(st) : CFileStamp {};
}
