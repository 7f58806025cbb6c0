#include "platform/Paths.h"

#include <gtest/gtest.h>

TEST(Paths, FolderAndNameCutAtTheLastSeparator)
{
    struct Row {
        const char* path;
        const char* folder;
        const char* name;
    };
    const Row rows[] = {
        {"/home/u/src/A.java", "/home/u/src", "A.java"},
        {"A.java", "", "A.java"},
        {"/A.java", "", "A.java"},
        {"dir/", "dir", ""},
        {"", "", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Paths::FolderOf(row.path), row.folder) << row.path;
        EXPECT_EQ(Paths::NameOf(row.path), row.name) << row.path;
    }
}

TEST(Paths, ExtensionIsTheTextAfterTheLastDot)
{
    EXPECT_EQ(Paths::ExtensionOf("/p/x.jpr"), "jpr");
    EXPECT_EQ(Paths::ExtensionOf("/p/a.JPR"), "JPR");
    EXPECT_EQ(Paths::ExtensionOf("/p/x.tar.gz"), "gz");
    EXPECT_EQ(Paths::ExtensionOf("/p/noext"), "");
    EXPECT_EQ(Paths::Join("/a", "b.java"), "/a/b.java");
}
