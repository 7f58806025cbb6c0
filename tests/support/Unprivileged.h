#pragma once

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <type_traits>

// The tests run as root, whom no permission stops. A test of permissions runs its checks in a
// child process that has given up root for an unprivileged user; run by anyone else, the
// child keeps that identity, which no permission overrides either.
namespace Unprivileged {

inline constexpr uid_t kUid = 65534;
inline constexpr gid_t kGid = 65534;

// Lets the user pass through a folder (test folders are open to their owner alone).
inline void MakeTraversable(const std::string& folder)
{
    EXPECT_EQ(::chmod(folder.c_str(), 0755), 0) << folder;
}

// Hands a file or folder to the user; when not run by root the test owns it already.
inline void GiveToUser(const std::string& path)
{
    if (::geteuid() == 0) {
        EXPECT_EQ(::chown(path.c_str(), kUid, kGid), 0) << path;
    }
}

namespace Detail {

inline constexpr int kCheckFailed = 254;
inline constexpr int kCannotDropRoot = 255;

inline int PartCount()
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    return test != nullptr ? test->result()->total_part_count() : 0;
}

// Runs body in the child and returns its exit status as the parent saw it, or -1.
template <class Body>
int RunInChild(Body& body)
{
    const int nPartsBefore = PartCount();
    std::fflush(nullptr);  // or the child would write the parent's buffered output again
    const pid_t pid = ::fork();
    if (pid < 0) {
        ADD_FAILURE() << "fork failed";
        return -1;
    }
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kGid) != 0 || ::setuid(kUid) != 0))
            ::_exit(kCannotDropRoot);
        int nCode = 0;
        try {
            nCode = body();
            if (nCode < 0 || nCode >= kCheckFailed)
                ADD_FAILURE() << "the result " << nCode << " does not fit in an exit status";
        } catch (...) {
            // The child must never unwind into the rest of the parent's test.
            ADD_FAILURE() << "the child threw";
        }
        // A failed check was printed here; the parent learns of it from the status.
        if (PartCount() != nPartsBefore)
            nCode = kCheckFailed;
        std::fflush(nullptr);
        ::_exit(nCode);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            ADD_FAILURE() << "the child was lost";
            return -1;
        }
    }
    if (WIFSIGNALED(status)) {
        ADD_FAILURE() << "the child was killed by signal " << WTERMSIG(status);
        return -1;
    }
    const int nCode = WEXITSTATUS(status);
    if (nCode == kCannotDropRoot)
        ADD_FAILURE() << "the child could not give up root";
    else if (nCode == kCheckFailed)
        ADD_FAILURE() << "a check failed in the child (its output is above)";
    return nCode >= kCheckFailed ? -1 : nCode;
}

}  // namespace Detail

// Runs body as the user in a child process and waits for it. Checks (EXPECT_*) inside body
// count as this test's: one that fails there is printed by the child and fails the test here,
// as does a child that cannot give up root or ends by a signal. A body that returns a bool, an
// enumeration or a small number gives that value, carried back in the exit status, or nothing
// when the child failed.
template <class Body>
auto Run(Body body)
{
    using Result = std::invoke_result_t<Body&>;
    if constexpr (std::is_void_v<Result>) {
        auto wrapped = [&body] {
            body();
            return 0;
        };
        Detail::RunInChild(wrapped);
    } else {
        static_assert(std::is_integral_v<Result> || std::is_enum_v<Result>, "the result travels in an exit status");
        auto wrapped = [&body] { return static_cast<int>(body()); };
        const int nCode = Detail::RunInChild(wrapped);
        return nCode < 0 ? std::nullopt : std::optional<Result>(static_cast<Result>(nCode));
    }
}

}  // namespace Unprivileged
