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

// Both records written out from their layout, so a field stored and loaded in the wrong place,
// or a count of the wrong width, fails here even when store and load agree with each other.
// Strings under 255 bytes have a one-byte length; a string array's count is 16 bits, a list's 32.
TEST(Records, JavaFileAndClassAreLaidOutFieldByField)
{
    const std::string inner = Bytes({0x01, 0x00}) + "\x03" "h()" +  // methods of In
                              Bytes({0x00, 0x00, 0x00, 0x00}) +         // no inner classes
                              "\x02" "In";
    const std::string classA = Bytes({0x02, 0x00}) + "\x03" "f()" "\x08" "g(int x)" +  // methods of A
                               Bytes({0x01, 0x00, 0x00, 0x00}) + inner +               // one inner class
                               "\x01" "A";
    const std::string fileBefore = std::string("\x06" "A.java") + "\x0D" "/p/src/A.java" + "\x08" "/p/p.jpr" +
                                   Bytes({0x01, 0x00, 0x00, 0x00}) + classA;  // one class
    const std::string emptyExtra(1, '\0');

    CJavaFile file("/p/p.jpr");
    file.SetPath("/p/src/A.java");
    auto a = std::make_unique<CJavaClass>("A");
    a->AppendMethod("f()");
    a->AppendMethod("g(int x)");
    auto in = std::make_unique<CJavaClass>("In");
    in->AppendMethod("h()");
    a->GetInnerClasses().Add(std::move(in));
    EXPECT_EQ(Store(*a), classA);
    file.GetClasses().Add(std::move(a));
    EXPECT_EQ(Store(file), fileBefore + emptyExtra);

    // The extra string is never set by the program; a stored one loads and is written back as it was.
    const std::string stored = fileBefore + "\x05" "extra";
    CArchive ar(stored);
    CJavaFile back;
    back.Serialize(ar);
    ASSERT_FALSE(ar.Failed());
    EXPECT_EQ(ar.Remaining(), 0u);
    EXPECT_EQ(back.GetName(), "A.java");
    EXPECT_EQ(back.GetPath(), "/p/src/A.java");
    EXPECT_EQ(back.GetProjectPath(), "/p/p.jpr");
    EXPECT_EQ(back.GetExtra(), "extra");
    ASSERT_EQ(back.GetClasses().GetCount(), 1);
    const CJavaClass* loadedA = back.GetClasses().GetAt(0);
    EXPECT_EQ(loadedA->GetName(), "A");
    EXPECT_EQ(loadedA->GetMethods(), (std::vector<std::string>{"f()", "g(int x)"}));
    ASSERT_EQ(loadedA->GetInnerClasses().GetCount(), 1);
    const CJavaClass* loadedIn = loadedA->GetInnerClasses().GetAt(0);
    EXPECT_EQ(loadedIn->GetName(), "In");
    EXPECT_EQ(loadedIn->GetMethods(), std::vector<std::string>{"h()"});
    EXPECT_EQ(loadedIn->GetInnerClasses().GetCount(), 0);
    EXPECT_EQ(Store(back), stored);
}

// A file may hold a signature twice; loading keeps both, so the next store writes the record
// back unchanged, and the loaded methods replace the old ones in what the class says it has.
TEST(Records, LoadedMethodsAreKeptAsStoredAndKnown)
{
    const std::string stored = Bytes({0x03, 0x00}) + "\x03" "f()" "\x03" "g()" "\x03" "f()" +
                               Bytes({0x00, 0x00, 0x00, 0x00}) + "\x01" "A";
    CJavaClass a("Before");
    for (const char* old : {"old()", "x()", "y()", "z()"})
        a.AppendMethod(old);
    CArchive ar(stored);
    a.Serialize(ar);
    ASSERT_FALSE(ar.Failed());
    EXPECT_EQ(a.GetMethods(), (std::vector<std::string>{"f()", "g()", "f()"}));
    EXPECT_TRUE(a.HasMethod("f()"));
    EXPECT_TRUE(a.HasMethod("g()"));
    for (const char* old : {"old()", "x()", "y()", "z()"})
        EXPECT_FALSE(a.HasMethod(old)) << old;
    EXPECT_EQ(Store(a), stored);
    a.AppendMethod("h()");
    EXPECT_TRUE(a.HasMethod("h()"));
    EXPECT_TRUE(a.HasMethod("f()"));
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
