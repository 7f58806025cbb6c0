#include "FileIo.h"

#include "Paths.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <random>
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

// Makes a new file beside target under a name nobody uses, and sets temp to its path. The
// kernel gives it 0666 less the umask, as any new file; reading the umask would mean setting
// it, for every thread of the program at once. -1 with errno set on failure.
int CreateFileBeside(const std::string& target, std::string& temp)
{
    std::string folder = Paths::FolderOf(target);
    if (folder.empty() && !target.empty() && target.front() == Paths::kSeparator)
        folder = "/";
    const std::string stem = (folder.empty() ? std::string(".") : folder) + "/." + Paths::NameOf(target) + ".";
    constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::minstd_rand random {std::random_device {}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = stem;
        for (int i = 0; i < 6; ++i)
            temp += kLetters[pick(random)];
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes over target itself, for a folder where no new file may be made. Room for the new
// content is taken first, so a full disk or the file-size limit is met before any old byte
// changes.
FileStatus WriteInPlace(const std::string& target, std::string_view bytes)
{
    CFd fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    struct stat st {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0)
        return StatusFromErrno(errno, FileDirection::Writing);
    const off_t oldSize = st.st_size;
    const auto newSize = static_cast<off_t>(bytes.size());
    if (newSize > oldSize) {
        if (const int err = ::posix_fallocate(fd.Get(), oldSize, newSize - oldSize); err != 0) {
            // Whatever was added before the failure goes again; the failure is what is reported.
            [[maybe_unused]] const int nUndone = ::ftruncate(fd.Get(), oldSize);
            return StatusFromErrno(err, FileDirection::Writing);
        }
    }
    if (!WriteAll(fd.Get(), bytes))
        return StatusFromErrno(errno, FileDirection::Writing);
    if (newSize < oldSize && ::ftruncate(fd.Get(), newSize) != 0)
        return StatusFromErrno(errno, FileDirection::Writing);
    if (::fsync(fd.Get()) != 0)
        return StatusFromErrno(errno, FileDirection::Writing);
    if (::close(fd.Release()) != 0)
        return StatusFromErrno(errno, FileDirection::Writing);
    return FileStatus::Ok;
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
    result.stamp = CFileStamp::OfDescriptor(fd.Get());
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
    }

    std::string temp;
    CFd fd(CreateFileBeside(target, temp));
    if (fd.Get() < 0) {
        const int err = errno;
        // A folder the user may not write to can still hold a file the user may write.
        if (exists && (err == EACCES || err == EPERM || err == EROFS))
            return WriteInPlace(target, bytes);
        return StatusFromErrno(err, FileDirection::Writing);
    }

    auto fail = [&](int err) {
        ::unlink(temp.c_str());
        return StatusFromErrno(err, FileDirection::Writing);
    };
    if (!WriteAll(fd.Get(), bytes))
        return fail(errno);
    if (exists && ::fchmod(fd.Get(), st.st_mode & 07777) != 0)
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

namespace {

// Renames without replacing an existing file; false with errno set otherwise.
bool RenameNoReplace(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the no-replace rename: a hard link never replaces either.
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    ::unlink(from.c_str());
    return true;
}

}  // namespace

std::optional<std::string> KeepAside(const std::string& path)
{
    constexpr int kMostKept = 1000;
    for (int n = 0; n < kMostKept; ++n) {
        std::string target = path + ".bad" + (n == 0 ? std::string() : "." + std::to_string(n));
        if (RenameNoReplace(path, target))
            return target;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

bool SetCurrentFolder(const std::string& folder)
{
    return ::chdir(folder.c_str()) == 0;
}

}  // namespace FileIo
