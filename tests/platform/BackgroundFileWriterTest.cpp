#include "platform/BackgroundFileWriter.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>
#include <vector>

// Would fail if a write could overtake a later removal of the same path (a closed document's
// recovery file coming back), if any but the newest bytes of a path were left, or if a failed
// write went unreported. Runs under ThreadSanitizer too.
TEST(BackgroundFileWriter, TheNewestRequestForAPathIsWhatIsLeftAndFailuresAreTold)
{
    CTempDir dir;
    std::mutex lock;
    std::vector<std::pair<std::string, FileIo::FileStatus>> done;
    CBackgroundFileWriter writer([&](const std::string& path, FileIo::FileStatus status) {
        const std::lock_guard guard(lock);
        done.emplace_back(path, status);
    });
    const std::string removed = dir.File("removed.rec");
    const std::string rewritten = dir.File("rewritten.rec");
    for (int i = 0; i < 200; ++i) {
        writer.Write(removed, std::string(10000 + i, 'x'));
        writer.Remove(removed);
        writer.Write(rewritten, std::to_string(i));
    }
    ASSERT_TRUE(writer.Flush(std::chrono::seconds(30)));
    EXPECT_FALSE(std::filesystem::exists(removed));
    EXPECT_EQ(CTempDir::Read(rewritten), "199");

    const std::string nowhere = dir.File("no such folder/x.rec");
    writer.Write(nowhere, "lost");
    ASSERT_TRUE(writer.Flush(std::chrono::seconds(30)));
    const std::lock_guard guard(lock);
    ASSERT_FALSE(done.empty());
    EXPECT_EQ(done.back(), std::make_pair(nowhere, FileIo::FileStatus::NotFound));
}
