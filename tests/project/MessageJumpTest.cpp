#include "project/JavaProjectDoc.h"
#include "project/MessageJump.h"

#include "platform/Paths.h"
#include "support/TempDir.h"
#include "support/TestProjectHost.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using COpened = std::vector<std::pair<std::string, int>>;

}  // namespace

// Which line of the output opens which file at which line: the file name at the line's start
// or after a separator with the number one character after it, else a stack-trace frame.
TEST(MessageJump, LineNamesAProjectFileAndItsLine)
{
    struct Row {
        const char* output;
        int nLine;
        COpened opened;
    };
    const Row rows[] = {
        {"/home/u/p/Main.java:12: error: ';' expected\r\n", 0, {{"/p/Main.java", 11}}},
        {"Note: x\r\nHelper.java:3: warning\r\nExit code: 1", 1, {{"/p/Helper.java", 2}}},
        {"a\rb\r\nMain.java:2: error\r\n", 2, {{"/p/Main.java", 1}}},  // a lone CR ends a line too
        {"Main.java:1: see Helper.java:9\r\n", 0, {{"/p/Main.java", 0}}},  // Helper comes first, but not at the start
        {"Main.java\r\n", 0, {{"/p/Main.java", -1}}},                   // no number reads as 0
        {"\tat app.Main.run(Main.java:14)\r\n", 0, {{"/p/Main.java", 13}}},
        {"src Main.java:12: error\r\n", 0, {}},    // after a blank
        {"C:\\p\\Main.java:12: error\r\n", 0, {}},  // after a backslash, not this platform's separator
        {"x-Main.java:12\r\n", 0, {}},
        {"see Main.java, /p/Main.java:5\r\n", 0, {}},  // only the first occurrence counts
        {"\tat java.base/java.lang.Thread.run(Thread.java:833)\r\n", 0, {}},
        {"Main.java:4: error", 0, {}},  // the last line has no CR: it cannot be chosen
        {"\r\nMain.java:4\r\n", 0, {}},  // an empty line
        {"Main.java:4\r\n", 5, {}},
        {"Main.java:4\r\n", -1, {}},
    };
    for (const Row& row : rows) {
        CTestProjectHost host;
        CJavaProjectDoc project(host);
        project.AddJavaFile("/p/Helper.java");
        project.AddJavaFile("/p/Main.java");
        project.JumpToMessage(row.output, row.nLine);
        EXPECT_EQ(host.m_openedAt, row.opened) << row.output << " line " << row.nLine;
        EXPECT_EQ(project.GetLastCompileOutput(), row.output) << "the output is kept as the last output";
    }
}

// What a later reader of the output (markers, walking the errors) takes from a line: the path as
// written, the line, the kind and the text; for a frame, its file under its package's folders.
TEST(MessageJump, ParseLineReadsJavacMessagesAndStackFrames)
{
    using EKind = MessageJump::CToolMessage::EKind;
    struct Row {
        const char* line;
        std::optional<MessageJump::CToolMessage> expected;
    };
    const auto message = [](const char* path, int nLine, EKind kind, const char* text, const char* qualified = "") {
        return std::optional<MessageJump::CToolMessage>({path, nLine, kind, text, qualified, ""});
    };
    const Row rows[] = {
        {"org/example/app/Main.java:12: error: cannot find symbol",
         message("org/example/app/Main.java", 12, EKind::Error, "cannot find symbol")},
        {"/home/u/p/A.java:3: warning: [deprecation] f() in B has been deprecated",
         message("/home/u/p/A.java", 3, EKind::Warning, "[deprecation] f() in B has been deprecated")},
        {"Main.java:7: error: ';' expected", message("Main.java", 7, EKind::Error, "';' expected")},
        {"my dir/A.java:2: Note: something", message("my dir/A.java", 2, EKind::Other, "Note: something")},
        {"C:\\p\\A.java:4: error: x", message("C:\\p\\A.java", 4, EKind::Error, "x")},
        {"Main.java:7:", message("Main.java", 7, EKind::Other, "")},
        {"\tat org.example.app.Main.main(Main.java:9)",
         message("Main.java", 9, EKind::Other, "", "org/example/app/Main.java")},
        {"\tat app//org.example.Outer$Inner.lambda$run$0(Outer.java:31)",
         message("Outer.java", 31, EKind::Other, "", "org/example/Outer.java")},
        {"\tat java.base/java.lang.Thread.run(Thread.java:833)",
         message("Thread.java", 833, EKind::Other, "", "java/lang/Thread.java")},
        {"\tat Main.main(Main.java:3)", message("Main.java", 3, EKind::Other, "", "Main.java")},
        {"\tat java.base/jdk.internal.reflect.NativeMethodAccessorImpl.invoke0(Native Method)", std::nullopt},
        {"Main.java:0: error: x", std::nullopt},
        {":12: error: x", std::nullopt},
        {"Exit code: 1", std::nullopt},
        {"12:30 the time", std::nullopt},
        {"1 error", std::nullopt},
        {"Note: Main.java uses unchecked or unsafe operations.", std::nullopt},
    };
    for (const Row& row : rows) {
        const auto found = MessageJump::ParseLine(row.line);
        ASSERT_EQ(found.has_value(), row.expected.has_value()) << row.line;
        if (!found)
            continue;
        EXPECT_EQ(found->strPath, row.expected->strPath) << row.line;
        EXPECT_EQ(found->nLine, row.expected->nLine) << row.line;
        EXPECT_EQ(found->kind, row.expected->kind) << row.line;
        EXPECT_EQ(found->strText, row.expected->strText) << row.line;
        EXPECT_EQ(found->strQualifiedFile, row.expected->strQualifiedFile) << row.line;
    }
}

// The path the message names wins over a project file of the same name; only where it names no
// file does the name decide.
TEST(MessageJump, ResolveFileTriesThePathBeforeTheName)
{
    const std::set<std::string> files = {"/p/src/a/Doc.java", "/p/src/b/Doc.java", "/lib/src/x/Ext.java",
                                         "/p/src/org/app/Main.java", "/p/run/Rel.java"};
    MessageJump::CMessagePlaces places;
    places.strRunFolder = "/p/src";
    places.strSourceRoot = "/p/src";
    places.isFile = [&files](const std::string& path) { return files.count(Paths::Absolute(path)) != 0; };
    places.projectFile = [](const std::string& name) -> std::optional<std::string> {
        if (name == "Doc.java" || name == "Main.java")
            return "/project/" + name;
        return std::nullopt;
    };
    struct Row {
        const char* line;
        std::optional<std::string> file;
    };
    const Row rows[] = {
        {"b/Doc.java:1: error: x", "/p/src/b/Doc.java"},
        {"./b/Doc.java:1: error: x", "/p/src/b/Doc.java"},
        {"a/Doc.java:1: error: x", "/p/src/a/Doc.java"},
        {"/lib/src/x/Ext.java:5: error: x", "/lib/src/x/Ext.java"},  // javac found it by the source path
        {"c/Doc.java:1: error: x", "/project/Doc.java"},              // no such file: by name
        {"\tat org.app.Main.main(Main.java:3)", "/p/src/org/app/Main.java"},
        {"\tat other.Main.main(Main.java:3)", "/project/Main.java"},
        {"Gone.java:1: error: x", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(MessageJump::ResolveFile(*MessageJump::ParseLine(row.line), places), row.file) << row.line;

    places.strRunFolder.clear();
    EXPECT_EQ(MessageJump::ResolveFile(*MessageJump::ParseLine("Rel.java:1: x"), places), std::nullopt)
        << "a relative path with no known folder names no file";
}

// The double-click on a compiler message for the second of two Document.java opens that one, not
// the first of the name; a stack-trace line opens its class's file under the source root.
TEST(MessageJump, JumpOpensTheFileTheMessagesPathNames)
{
    CTempDir dir;
    const std::string first = dir.Write("src/org/example/app/Document.java", "package org.example.app;\n");
    const std::string second = dir.Write("src/org/example/util/Document.java", "package org.example.util;\n");
    const std::string main = dir.Write("src/org/example/app/Main.java", "package org.example.app;\n");
    const std::string outside = dir.Write("lib/Extra.java", "class Extra {}\n");
    CTestProjectHost host;
    CJavaProjectDoc project(host);
    project.AddJavaFile(first);
    project.AddJavaFile(main);
    project.SetMainJavaFile("Main.java");
    project.SetLastRunFolder(dir.File("src"));
    const std::string output = "org/example/util/Document.java:3: error: x\r\n" + outside +
                               ":2: error: y\r\n\tat org.example.app.Main.main(Main.java:4)\r\n"
                               "org/example/gone/Document.java:5: error: z\r\n";
    for (int nLine = 0; nLine < 4; ++nLine)
        project.JumpToMessage(output, nLine);
    EXPECT_EQ(host.m_openedAt, (COpened {{second, 2}, {outside, 1}, {main, 3}, {first, 4}}));
}

// Which lines of a whole output are messages: javac's quoted source line and caret are not, even
// when the source reads like a message; its indented lines after the caret are the message's
// detail; a line that only looks like a quote (no caret under it) is read as any line.
TEST(MessageJump, ReadMessagesSkipsJavacsQuotedSourceAndKeepsItsDetail)
{
    struct Row {
        int nOutputLine;
        const char* path;
        int nLine;
        const char* detail;
    };
    struct Case {
        const char* output;
        std::vector<Row> messages;
    };
    const Case cases[] = {
        {"app/Main.java:6: error: cannot find symbol\r\n        String s = \"a:1:b\";\r\n        ^\r\n"
         "  symbol:   method foo()\r\n  location: class Main\r\n"
         "./app/Helper.java:6: warning: [rawtypes] found raw type: List\r\n    java.util.List raw;\r\n             ^\r\n"
         "  missing type arguments for generic class List<E>\r\n  where E is a type-variable:\r\n"
         "    E extends Object declared in interface List\r\n1 error\r\n1 warning\r\nExit code: 1\r\nThere were errors",
         {{0, "app/Main.java", 6, "symbol:   method foo()\nlocation: class Main"},
          {5, "./app/Helper.java", 6,
           "missing type arguments for generic class List<E>\nwhere E is a type-variable:\n  E extends Object "
           "declared in interface List"}}},
        {"A.java:1: error: x\r\nB.java:2: error: y\r\nC.java:3: note\r\n", {{0, "A.java", 1, ""}, {1, "B.java", 2, ""},
                                                                            {2, "C.java", 3, ""}}},
        {"A.java:1: error: x\r\n  q.java:9: \r\n", {{0, "A.java", 1, ""}, {1, "  q.java", 9, ""}}},
        {"Exception in thread \"main\" java.lang.Error\r\n\tat a.B.run(B.java:7)\r\n\tat a.B.main(B.java:3)\r\n",
         {{1, "B.java", 7, ""}, {2, "B.java", 3, ""}}},
        {"A.java:1: error: x\r\n  int x\r\n  ^", {{0, "A.java", 1, ""}}},  // the unended last line is no line
        {"A.java:5: error: x", {}},
    };
    for (const Case& c : cases) {
        const std::vector<MessageJump::COutputMessage> read = MessageJump::ReadMessages(c.output);
        std::vector<Row> found;
        for (const MessageJump::COutputMessage& m : read)
            found.push_back({m.nOutputLine, m.message.strPath.c_str(), m.message.nLine, m.message.strDetail.c_str()});
        ASSERT_EQ(found.size(), c.messages.size()) << c.output;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].nOutputLine, c.messages[i].nOutputLine) << c.output;
            EXPECT_STREQ(found[i].path, c.messages[i].path) << c.output;
            EXPECT_EQ(found[i].nLine, c.messages[i].nLine) << c.output;
            EXPECT_STREQ(found[i].detail, c.messages[i].detail) << c.output;
        }
    }
}
