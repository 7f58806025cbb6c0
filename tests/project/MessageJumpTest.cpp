#include "project/JavaProjectDoc.h"

#include "support/TestProjectHost.h"

#include <gtest/gtest.h>

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
