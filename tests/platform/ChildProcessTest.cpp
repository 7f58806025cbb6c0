#include "support/TempDir.h"

#include "platform/ChildProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>

#include <thread>

namespace {

CSpawnRequest Request(std::string application, std::vector<std::string> argv)
{
    CSpawnRequest request;
    request.strApplication = std::move(application);
    request.argv = std::move(argv);
    return request;
}

}  // namespace

TEST(ChildProcess, ExitCodeFromWaitStatus)
{
    EXPECT_EQ(CChildProcess::ExitCodeFromStatus(W_EXITCODE(0, 0), std::nullopt), 0);
    EXPECT_EQ(CChildProcess::ExitCodeFromStatus(W_EXITCODE(255, 0), std::nullopt), 255);
    EXPECT_EQ(CChildProcess::ExitCodeFromStatus(W_EXITCODE(0, SIGSEGV), std::nullopt), 128 + SIGSEGV);
    EXPECT_EQ(CChildProcess::ExitCodeFromStatus(W_EXITCODE(0, SIGKILL), 11), 11);
    // Asked to end, but it died of something else first: that is what it reports.
    EXPECT_EQ(CChildProcess::ExitCodeFromStatus(W_EXITCODE(0, SIGSEGV), 11), 128 + SIGSEGV);
    EXPECT_EQ(CChildProcess::ExitCodeFromStatus(W_EXITCODE(3, 0), 11), 3);
}

TEST(ChildProcess, OutputGoesToTheGivenDescriptor)
{
    CUniqueFd readEnd;
    CUniqueFd writeEnd;
    ASSERT_TRUE(CChildProcess::MakePipe(readEnd, writeEnd));
    EXPECT_GT(readEnd.Get(), 2);
    EXPECT_NE(::fcntl(readEnd.Get(), F_GETFD) & FD_CLOEXEC, 0);
    EXPECT_NE(::fcntl(writeEnd.Get(), F_GETFD) & FD_CLOEXEC, 0);

    CSpawnRequest request = Request("/usr/bin/printf", {"printf", "%s|%s", "a b", "c"});
    request.nOutputFd = writeEnd.Get();
    CChildProcess child;
    ASSERT_EQ(child.Start(request), 0);
    writeEnd.Reset();
    std::string text;
    char buffer[64];
    ssize_t n = 0;
    while ((n = ::read(readEnd.Get(), buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    EXPECT_EQ(text, "a b|c");
    EXPECT_EQ(child.WaitForExit(), 0);
}

TEST(ChildProcess, ChildStillRunningWhenItsObjectGoesIsEnded)
{
    pid_t pid = -1;
    {
        CChildProcess child;
        ASSERT_EQ(child.Start(Request("/usr/bin/sleep", {"sleep", "600"})), 0);
        pid = child.Pid();
    }
    // Reaped as well as ended: the number no longer names a child of ours.
    EXPECT_EQ(::waitpid(pid, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

// Would catch a failed exec or working folder reported as a started child (a run that then
// "ends" with code 127 instead of "Failed to start process"), or the wrong reason.
TEST(ChildProcess, StartFailuresGiveTheirReasonAndLeaveNoChild)
{
    CTempDir dir;
    const std::string plain = dir.Write("plain.txt", "not a program");
    struct Row {
        std::string application;
        std::string folder;
        int nError;
    };
    const Row rows[] = {
        {dir.File("missing"), "", ENOENT},
        {plain, "", EACCES},
        {"/bin/true", dir.File("no/such/folder"), ENOENT},
    };
    for (const Row& row : rows) {
        CSpawnRequest request = Request(row.application, {"tool"});
        request.strFolder = row.folder;
        CChildProcess child;
        EXPECT_EQ(child.Start(request), row.nError) << row.application << " in " << row.folder;
        EXPECT_FALSE(child.IsStarted());
    }
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "no child is left to reap";
}

// Would catch a child that outlives the thread that started it, as it would outlive a program
// killed while it ran; and one asked to end with a thread that lives on.
TEST(ChildProcess, ChildEndsWithTheThreadThatStartedItWhenAsked)
{
    for (const bool bEnd : {true, false}) {
        CChildProcess child;
        CSpawnRequest request = Request("/usr/bin/sleep", {"sleep", "600"});
        request.bEndWithStarter = bEnd;
        std::thread([&] { ASSERT_EQ(child.Start(request), 0); }).join();
        if (bEnd) {
            EXPECT_EQ(child.WaitForExit(), 128 + SIGKILL);
        } else {
            EXPECT_TRUE(child.IsRunning());
        }
    }
}
