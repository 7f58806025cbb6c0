#include "project/VelmarFile.h"

#include "platform/Paths.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    const char* path;
    const char* recordedWith;
    const char* projectNow;
    const char* expectedPath;
    const char* expectedProjectPath;
};

}  // namespace

TEST(Relocate, FollowsTheProjectFolder)
{
    const Row rows[] = {
        // In a subfolder of the old project folder: keeps the subfolder.
        {"/old/src/A.java", "/old/p.jpr", "/new/p.jpr", "/new/src/A.java", "/new/p.jpr"},
        // Directly in the old project folder.
        {"/old/A.java", "/old/p.jpr", "/new/deeper/p.jpr", "/new/deeper/A.java", "/new/deeper/p.jpr"},
        // Elsewhere: only the part after the common prefix is appended, directly, to the new folder.
        {"/lib/x/B.java", "/old/p.jpr", "/new/p.jpr", "/newlib/x/B.java", "/new/p.jpr"},
        // Folder shorter than the old project folder: unchanged, project path too.
        {"/a/C.java", "/old/project/p.jpr", "/new/p.jpr", "/a/C.java", "/old/project/p.jpr"},
        // Same project path, or none recorded: unchanged.
        {"/old/D.java", "/old/p.jpr", "/old/p.jpr", "/old/D.java", "/old/p.jpr"},
        {"/old/E.java", "", "/new/p.jpr", "/old/E.java", ""},
    };
    for (const auto& row : rows) {
        CVelmarFile file(row.recordedWith);
        file.SetPath(row.path);
        EXPECT_EQ(file.Relocate(row.projectNow), row.expectedPath) << row.path;
        EXPECT_EQ(file.GetPath(), row.expectedPath) << row.path;
        EXPECT_EQ(file.GetProjectPath(), row.expectedProjectPath) << row.path;
        EXPECT_EQ(file.GetName(), Paths::NameOf(row.path));
    }
}
