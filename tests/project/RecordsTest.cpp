#include "project/JavaClass.h"
#include "project/JavaFileList.h"
#include "project/VelmarFileList.h"

#include "framework/Archive.h"

#include <gtest/gtest.h>

namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

template <typename T>
std::string Store(T& component)
{
    CArchive ar;
    component.Serialize(ar);
    return ar.Bytes();
}

}  // namespace

TEST(Records, PlainFileIsNamePathProjectPath)
{
    CVelmarFile file("/p/x.jpr");
    file.SetPath("/p/a.html");
    EXPECT_EQ(Store(file), std::string("\x06" "a.html" "\x09" "/p/a.html" "\x08" "/p/x.jpr"));
}

TEST(Records, EmptyClassAndEmptyList)
{
    CJavaClass a("A");
    EXPECT_EQ(Store(a), Bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x41}));
    CJavaClassList none;
    EXPECT_EQ(Store(none), Bytes({0, 0, 0, 0}));
}

TEST(Records, JavaFileNestsClassesAndRoundTrips)
{
    CJavaFileList files;
    auto file = std::make_unique<CJavaFile>("/p/p.jpr");
    file->SetPath("/p/Main.java");
    auto main = std::make_unique<CJavaClass>("Main");
    main->AppendMethod("main(String args[])");
    auto inner = std::make_unique<CJavaClass>("Helper");
    inner->AppendMethod("run()");
    inner->GetInnerClasses().Add(std::make_unique<CJavaClass>("Deep"));
    main->GetInnerClasses().Add(std::move(inner));
    file->GetClasses().Add(std::move(main));
    file->GetClasses().Add(std::make_unique<CJavaClass>("Other"));
    files.Add(std::move(file));

    const std::string bytes = Store(files);
    // count, name, path, project path, then the class list of the file.
    EXPECT_EQ(bytes.substr(0, 4), Bytes({1, 0, 0, 0}));
    EXPECT_EQ(bytes.substr(4, 10), std::string("\x09" "Main.java"));

    CArchive in(bytes);
    CJavaFileList back;
    back.Serialize(in);
    ASSERT_FALSE(in.Failed());
    EXPECT_EQ(in.Remaining(), 0u);
    ASSERT_EQ(back.GetCount(), 1);
    const CJavaFile* f = back.GetAt(0);
    EXPECT_EQ(f->GetPath(), "/p/Main.java");
    EXPECT_EQ(f->GetProjectPath(), "/p/p.jpr");
    ASSERT_EQ(f->GetClasses().GetCount(), 2);
    const CJavaClass* m = f->GetClasses().GetAt(0);
    EXPECT_EQ(m->GetName(), "Main");
    EXPECT_EQ(m->GetMethods(), std::vector<std::string>{"main(String args[])"});
    ASSERT_NE(m->FindInnerClass("Helper"), nullptr);
    EXPECT_TRUE(m->FindInnerClass("Helper")->HasInnerClass("Deep"));
    EXPECT_EQ(Store(back), bytes);
}

// A stored count outside 0..255 would write past the slots; it is a damaged file.
TEST(Records, CountsOutsideTheSlotsAreRefused)
{
    for (int count : {256, -1, 0x7FFFFFFF}) {
        CArchive ar;
        ar.WriteI32(count);
        for (int i = 0; i < 300; ++i)
            ar.WriteString("x");
        CArchive in(ar.Bytes());
        CVelmarFileList list;
        list.Serialize(in);
        EXPECT_TRUE(in.Failed()) << count;
        EXPECT_LE(list.GetCount(), 255);
    }
    CArchive ar;
    ar.WriteI32(255);
    for (int i = 0; i < 255 * 3; ++i)
        ar.WriteString("x");
    CArchive in(ar.Bytes());
    CVelmarFileList list;
    list.Serialize(in);
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(list.GetCount(), 255);
}

// Classes nested without end in a crafted file must not exhaust the stack.
TEST(Records, NestingBeyondAnyRealFileIsRefused)
{
    std::string bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += Bytes({1, 0, 0, 0, 0, 0});  // a list of one class with no methods, whose inner list...
    CArchive in(bytes);
    CJavaClassList list;
    list.Serialize(in);
    EXPECT_TRUE(in.Failed());
}
