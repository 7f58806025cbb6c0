#include "project/JavaClass.h"
#include "project/JavaFileList.h"
#include "project/VelmarFileList.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CVelmarFile> Entry(const std::string& path)
{
    auto file = std::make_unique<CVelmarFile>();
    file->SetPath(path);
    return file;
}

}  // namespace

TEST(JavaList, HoldsAtMost255Items)
{
    CVelmarFileList list;
    for (int i = 0; i < 255; ++i)
        ASSERT_TRUE(list.Add(Entry("/p/f" + std::to_string(i))));
    EXPECT_FALSE(list.Add(Entry("/p/extra")));
    EXPECT_EQ(list.GetCount(), 255);
    EXPECT_EQ(list.GetAt(254)->GetName(), "f254");
    EXPECT_EQ(list.GetAt(255), nullptr);
    EXPECT_EQ(list.GetAt(-1), nullptr);
}

TEST(JavaList, RemoveAtClosesTheGapAndIgnoresBadIndexes)
{
    CVelmarFileList list;
    list.Add(Entry("/p/a"));
    list.Add(Entry("/p/b"));
    list.Add(Entry("/p/c"));
    list.RemoveAt(3);
    list.RemoveAt(-1);
    EXPECT_EQ(list.GetCount(), 3);
    list.RemoveAt(0);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetAt(0)->GetName(), "b");
    EXPECT_EQ(list.GetAt(1)->GetName(), "c");
    list.RemoveAt(1);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetAt(0)->GetName(), "b");
    EXPECT_EQ(list.GetAt(1), nullptr);
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(JavaList, LookupsCompareExactly)
{
    CJavaFileList list;
    auto file = std::make_unique<CJavaFile>();
    file->SetPath("/p/src/Main.java");
    list.Add(std::move(file));
    EXPECT_NE(list.FindByPath("/p/src/Main.java"), nullptr);
    EXPECT_EQ(list.FindByPath("/p/src/main.java"), nullptr);
    EXPECT_TRUE(list.HasName("Main.java"));
    EXPECT_FALSE(list.HasName("MAIN.java"));
    EXPECT_EQ(list.FindByName("Main.java")->GetPath(), "/p/src/Main.java");

    CJavaClass outer("Outer");
    outer.GetInnerClasses().Add(std::make_unique<CJavaClass>("Inner"));
    outer.AppendMethod("run()");
    EXPECT_TRUE(outer.HasInnerClass("Inner"));
    EXPECT_FALSE(outer.HasInnerClass("inner"));
    EXPECT_TRUE(outer.HasMethod("run()"));
    EXPECT_FALSE(outer.HasMethod("run( )"));
}
