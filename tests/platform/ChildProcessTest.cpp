#include "platform/ChildProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>

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
