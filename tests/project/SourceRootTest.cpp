#include "project/SourceRoot.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The package a main file declares decides every command line; a comment, an import or a missing
// semicolon read wrongly gives a class the JVM cannot find.
TEST(SourceRoot, ReadsThePackageDeclaredBeforeAnythingElse)
{
    struct Row {
        const char* text;
        const char* package;
    };
    const Row rows[] = {
        {"package org.example.app;\nclass Main {}", "org.example.app"},
        {"/* package old; */\r\n// package older;\r\n\tpackage  a . b /* x */ . c ;", "a.b.c"},
        {"/** Licence. */\n@Deprecated\n@Anno(value = (1 + 2))\npackage annotated;", "annotated"},
        {"package \xc3\xa9t\xc3\xa9.x$_1;", "\xc3\xa9t\xc3\xa9.x$_1"},
        {"import java.util.List;\npackage late;", ""},
        {"class Main {}\npackage late;", ""},
        {"package missing.semicolon\nclass Main {}", ""},
        {"package 1digit;", ""},
        {"package a..b;", ""},
        {"packages x;", ""},
        {"package", ""},
        {"/* never closed package x;", ""},
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SourceRoot::ReadPackage(row.text), row.package) << row.text;
}

// The root is the folder above the package's folders, matched whole folder by whole folder; the
// class keeps the Part's rule for a name (up to its last ".").
TEST(SourceRoot, FindsTheRootAboveThePackagesFoldersOrNothing)
{
    struct Row {
        const char* path;
        const char* package;
        std::optional<CSourceRoot> expected;
    };
    const auto root = [](const char* path, const char* package, const char* folder, const char* relative,
                         const char* className) {
        return std::optional<CSourceRoot>(CSourceRoot {path, folder, relative, package, className});
    };
    const Row rows[] = {
        {"/p/src/Main.java", "", root("/p/src/Main.java", "", "/p/src", "Main.java", "Main")},
        {"/p/a.b.java", "", root("/p/a.b.java", "", "/p", "a.b.java", "a.b")},
        {"/p/Main", "", root("/p/Main", "", "/p", "Main", "")},
        {"/p/src/org/example/app/Main.java", "org.example.app",
         root("/p/src/org/example/app/Main.java", "org.example.app", "/p/src", "org/example/app/Main.java",
              "org.example.app.Main")},
        {"/app/Main.java", "app", root("/app/Main.java", "app", "/", "app/Main.java", "app.Main")},
        {"/p/src/xorg/example/app/Main.java", "org.example.app", std::nullopt},
        {"/p/src/app/Main.java", "org.example.app", std::nullopt},
        {"/p/src/Main.java", "app", std::nullopt},
        {"app/Main.java", "app", std::nullopt},
    };
    for (const Row& row : rows) {
        const std::optional<CSourceRoot> found = SourceRoot::Find(row.path, row.package);
        ASSERT_EQ(found.has_value(), row.expected.has_value()) << row.path;
        if (!found)
            continue;
        EXPECT_EQ(found->strPath, row.expected->strPath);
        EXPECT_EQ(found->strRoot, row.expected->strRoot) << row.path;
        EXPECT_EQ(found->strRelativePath, row.expected->strRelativePath) << row.path;
        EXPECT_EQ(found->strPackage, row.expected->strPackage) << row.path;
        EXPECT_EQ(found->strClassName, row.expected->strClassName) << row.path;
    }
    const std::string message = SourceRoot::MismatchMessage("/p/src/Main.java", "org.example.app");
    for (const char* named : {"Main.java", "org.example.app", "/p/src\n", "org/example/app"})
        EXPECT_NE(message.find(named), std::string::npos) << named << " in " << message;
}

// Create Jar packs the classes of every package under the root; folders that cannot be packages
// (a blank, a dot, a link) are not gone into, so a root high up does not take in unrelated trees.
TEST(SourceRoot, PackageFoldersWithClassesUnderTheRoot)
{
    CTempDir dir;
    for (const char* file : {"org/example/app/Main.class", "org/example/app/Main$1.class", "org/example/util/Text.class",
                             "org/example/util/Text.java", "org/example/empty/readme.txt", "Top.class",
                             "my dir/X.class", ".hidden/Y.class", "org/example/app/sub-folder/Z.class"})
        dir.Write(file, "");
    std::filesystem::create_directory_symlink(dir.File("org"), dir.File("loop"));
    EXPECT_EQ(SourceRoot::PackageFoldersWithClasses(dir.Path()),
              (std::vector<std::string> {"org/example/app", "org/example/util"}));
    EXPECT_TRUE(SourceRoot::PackageFoldersWithClasses(dir.File("nothing here")).empty());
}
