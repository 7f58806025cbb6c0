#include "platform/FileIo.h"

#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <dlfcn.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using FileIo::FileStatus;

namespace {

std::atomic<int> g_nUmaskCalls {0};

}  // namespace

// Every call of umask() in this program comes here first, so a test can see that a save leaves
// the process-wide mask alone: setting it, even for a moment, changes it for every thread.
extern "C" mode_t umask(mode_t mask) noexcept
{
    ++g_nUmaskCalls;
    using Umask = mode_t (*)(mode_t);
    static const auto next = reinterpret_cast<Umask>(::dlsym(RTLD_NEXT, "umask"));
    return next(mask);
}

namespace {

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

int CountFiles(const std::string& folder)
{
    int n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

}  // namespace

TEST(FileIo, ReadsWholeFileAndReportsMissingOne)
{
    CTempDir dir;
    const std::string bytes("a\r\nb\0c", 6);
    const auto path = dir.Write("x.bin", bytes);
    const auto read = FileIo::ReadWholeFile(path);
    EXPECT_EQ(read.status, FileStatus::Ok);
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_EQ(FileIo::ReadWholeFile(dir.File("missing")).status, FileStatus::NotFound);
    EXPECT_EQ(FileIo::ReadWholeFile(dir.File("x.bin/below")).status, FileStatus::NotFound);
}

TEST(FileIo, ReplacingWritesNewContentAndKeepsMode)
{
    CTempDir dir;
    const auto path = dir.Write("p.jpr", "old content");
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(FileIo::WriteFileReplacing(path, "new"), FileStatus::Ok);
    EXPECT_EQ(CTempDir::Read(path), "new");
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(CountFiles(dir.Path()), 1) << "the temporary file must not stay behind";
}

// The user's own folder would let rename replace the file, so only asking whether the file
// may be written stops it.
TEST(FileIo, ReadOnlyTargetIsRefusedAndLeftAlone)
{
    CTempDir dir;
    const auto path = dir.Write("own/p.jpr", "old");
    ::chmod(path.c_str(), 0444);
    Unprivileged::MakeTraversable(dir.Path());
    Unprivileged::GiveToUser(dir.File("own"));
    Unprivileged::GiveToUser(path);
    EXPECT_EQ(Unprivileged::Run([&] { return FileIo::WriteFileReplacing(path, "new"); }), FileStatus::AccessDenied);
    EXPECT_EQ(CTempDir::Read(path), "old");
}

// Whether a file may be written is the system's answer, not its mode bits.
TEST(FileIo, TargetWithoutWriteBitsIsWrittenWhereTheSystemAllowsIt)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may write a file without write bits";
    CTempDir dir;
    const auto path = dir.Write("p.jpr", "old");
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(FileIo::WriteFileReplacing(path, "new"), FileStatus::Ok);
    EXPECT_EQ(CTempDir::Read(path), "new");
    EXPECT_EQ(ModeOf(path), 0444u);
}

// A folder that takes no new file does not stop the save of a file the user may write there.
// Past the size limit such a save fails before any old byte changes, as the usual save does.
TEST(FileIo, FileInAFolderTheUserMayNotWriteIsWrittenInPlace)
{
    CTempDir dir;
    const auto path = dir.Write("shared/p.jpr", "previous");
    ::chmod(dir.File("shared").c_str(), 0555);
    Unprivileged::MakeTraversable(dir.Path());
    Unprivileged::GiveToUser(path);
    EXPECT_EQ(Unprivileged::Run([&] { return FileIo::WriteFileReplacing(path, "new"); }), FileStatus::Ok);
    EXPECT_EQ(CTempDir::Read(path), "new");

    EXPECT_EQ(Unprivileged::Run([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  rlimit small {16, 16};
                  ::setrlimit(RLIMIT_FSIZE, &small);
                  return FileIo::WriteFileReplacing(path, std::string(4096, 'x'));
              }),
              FileStatus::DiskFull);
    EXPECT_EQ(CTempDir::Read(path), "new");
    EXPECT_EQ(Unprivileged::Run([&] { return FileIo::WriteFileReplacing(path, ""); }), FileStatus::Ok);
    EXPECT_EQ(CTempDir::Read(path), "") << "a shorter content leaves no old tail";
}

// A new file gets what the kernel gives any new file, and an existing one its own mode, with
// the umask never set on the way: other threads' files would get the wrong mode meanwhile.
TEST(FileIo, NewFileGetsTheUmaskModeAndNoSaveSetsTheUmask)
{
    CTempDir dir;
    const mode_t old = ::umask(027);
    const int nCallsBefore = g_nUmaskCalls;
    const auto newStatus = FileIo::WriteFileReplacing(dir.File("new.jpr"), "x");
    const auto existing = dir.Write("old.jpr", "y");
    ::chmod(existing.c_str(), 0604);
    const auto oldStatus = FileIo::WriteFileReplacing(existing, "z");
    const int nCallsDuring = g_nUmaskCalls - nCallsBefore;
    ::umask(old);
    ASSERT_GT(nCallsBefore, 0) << "umask calls are not seen";
    EXPECT_EQ(newStatus, FileStatus::Ok);
    EXPECT_EQ(oldStatus, FileStatus::Ok);
    EXPECT_EQ(ModeOf(dir.File("new.jpr")), 0640u);
    EXPECT_EQ(ModeOf(existing), 0604u);
    EXPECT_EQ(nCallsDuring, 0);
}

TEST(FileIo, WriteIntoMissingFolderIsNotFound)
{
    CTempDir dir;
    EXPECT_EQ(FileIo::WriteFileReplacing(dir.File("no/such/p.jpr"), "x"), FileStatus::NotFound);
}

TEST(FileIo, SymbolicLinkSurvivesAndItsTargetIsReplaced)
{
    CTempDir dir;
    const auto real = dir.Write("real.jpr", "old");
    const auto link = dir.File("link.jpr");
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    ASSERT_EQ(FileIo::WriteFileReplacing(link, "new"), FileStatus::Ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(CTempDir::Read(real), "new");
}

// A write that fails half-way (here: past the file-size limit, which stands in for a full
// disk and holds even for root) must leave the previous file intact and no temporary behind.
TEST(FileIo, FailedWriteLeavesPreviousFileIntact)
{
    CTempDir dir;
    const auto path = dir.Write("p.jpr", "previous");
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit {};
    ::getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit small = oldLimit;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto status = FileIo::WriteFileReplacing(path, std::string(4096, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(status, FileStatus::DiskFull);
    EXPECT_EQ(CTempDir::Read(path), "previous");
    EXPECT_EQ(CountFiles(dir.Path()), 1);
}

TEST(FileIo, ErrnoMapsToTheReportedKind)
{
    using FileIo::FileDirection;
    EXPECT_EQ(FileIo::StatusFromErrno(ENOENT, FileDirection::Reading), FileStatus::NotFound);
    EXPECT_EQ(FileIo::StatusFromErrno(EACCES, FileDirection::Reading), FileStatus::AccessDenied);
    EXPECT_EQ(FileIo::StatusFromErrno(EROFS, FileDirection::Writing), FileStatus::AccessDenied);
    EXPECT_EQ(FileIo::StatusFromErrno(ENOSPC, FileDirection::Writing), FileStatus::DiskFull);
    EXPECT_EQ(FileIo::StatusFromErrno(EIO, FileDirection::Writing), FileStatus::Other);
}
