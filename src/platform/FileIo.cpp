#include "FileIo.h"

#include "Paths.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileIo {

namespace {

// Closes the descriptor on every way out.
class CFd {
public:
    explicit CFd(int fd) : m_fd(fd) {}
    ~CFd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CFd(const CFd&) = delete;
    CFd& operator=(const CFd&) = delete;
    int Get() const { return m_fd; }
    int Release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The file a write should replace: a symbolic link is followed so the link itself survives.
std::string ResolveTarget(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr)
            return resolved;
    }
    return path;
}

}  // namespace

FileStatus StatusFromErrno(int err, FileDirection direction)
{
    switch (err) {
    case 0:
        return FileStatus::Ok;
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return FileStatus::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return FileStatus::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return direction == FileDirection::Writing ? FileStatus::DiskFull : FileStatus::Other;
    default:
        return FileStatus::Other;
    }
}

FileReadResult ReadWholeFile(const std::string& path)
{
    FileReadResult result;
    CFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        result.status = StatusFromErrno(errno, FileDirection::Reading);
        return result;
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        result.bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.status = StatusFromErrno(errno, FileDirection::Reading);
            result.bytes.clear();
            return result;
        }
        if (n == 0)
            break;
        result.bytes.append(buffer, static_cast<size_t>(n));
    }
    return result;
}

FileStatus WriteFileReplacing(const std::string& path, std::string_view bytes)
{
    const std::string target = ResolveTarget(path);

    mode_t mode = 0666;
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        if (!S_ISREG(st.st_mode))
            return FileStatus::Other;
        // The system decides, not the mode bits: root may write a file that has none, and a
        // file with write bits may still not be ours to write. A file the user may not write is
        // refused even where its folder would let rename replace it.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return StatusFromErrno(errno, FileDirection::Writing);
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    std::string folder = Paths::FolderOf(target);
    if (folder.empty() && !target.empty() && target.front() == Paths::kSeparator)
        folder = "/";
    std::string temp = (folder.empty() ? std::string(".") : folder) + "/." + Paths::NameOf(target) + ".XXXXXX";
    CFd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.Get() < 0)
        return StatusFromErrno(errno, FileDirection::Writing);

    auto fail = [&](int err) {
        ::unlink(temp.c_str());
        return StatusFromErrno(err, FileDirection::Writing);
    };
    if (!WriteAll(fd.Get(), bytes))
        return fail(errno);
    if (::fchmod(fd.Get(), mode) != 0)
        return fail(errno);
    if (::fsync(fd.Get()) != 0)
        return fail(errno);
    if (::close(fd.Release()) != 0)
        return fail(errno);
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail(errno);
    return FileStatus::Ok;
}

bool FileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool SetCurrentFolder(const std::string& folder)
{
    return ::chdir(folder.c_str()) == 0;
}

}  // namespace FileIo
