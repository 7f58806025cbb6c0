#include "project/JavaProjectDoc.h"
#include "project/SourceMarksObserver.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "support/TempDir.h"
#include "support/TestProjectHost.h"

#include <gtest/gtest.h>

namespace {

using COpened = std::vector<std::pair<std::string, int>>;
using CMarks = std::map<std::string, std::vector<CLineMarker>>;

class CMarksSeen : public CSourceMarksObserver {
public:
    void OnSourceMarksChanged(const CSourceMarks& marks) override { m_seen.push_back(marks.All()); }
    std::vector<CMarks> m_seen;
};

bool WalkEnabled(CJavaProjectDoc& project)
{
    CCmdUI ui(Cmd::ID_BUILD_NEXTERROR, nullptr);
    return project.UpdateCommand(ui) && ui.IsEnabled();
}

}  // namespace

// Would catch a run that is no compile touching the marks, a compile that leaves old marks or
// marks a file it cannot find, a walk that goes on over the last output while a new run shows
// its own, skips a message or runs past an end without a word, and a double-click that the walk
// does not go on from.
TEST(CompileMarks, ACompileReplacesTheMarksAndTheWalkFollowsTheLastOutput)
{
    CTempDir dir;
    const std::string a = dir.Write("A.java", "class A {}\n");
    const std::string b = dir.Write("B.java", "class B {}\n");
    CTestProjectHost host;
    CJavaProjectDoc project(host);
    project.AddJavaFile(a);
    project.AddJavaFile(b);
    CMarksSeen seen;
    project.GetSourceMarks().AddObserver(&seen);

    project.OnRunStarted(dir.Path(), CJavaProjectDoc::ERunKind::Compile);
    const std::string compile = "A.java:2: error: x\r\n  int x\r\n  ^\r\nB.java:1: warning: w\r\nGone.java:3: error: z\r\n"
                                "A.java:5: error: v\r\n";
    project.OnRunEnded(compile);
    const CMarks marks = {{a, {{1, EMarkerKind::Error, "error: x"}, {4, EMarkerKind::Error, "error: v"}}},
                          {b, {{0, EMarkerKind::Warning, "warning: w"}}}};
    EXPECT_EQ(seen.m_seen, std::vector<CMarks> {marks});
    EXPECT_TRUE(WalkEnabled(project));
    for (int i = 0; i < 4; ++i)
        project.RunCommand(Cmd::ID_BUILD_NEXTERROR);
    EXPECT_EQ(host.m_openedAt, (COpened {{a, 1}, {b, 0}, {a, 4}}));
    EXPECT_EQ(host.m_statusTexts, (std::vector<std::string> {"A.java:2: error: x", "B.java:1: warning: w",
                                                             "A.java:5: error: v", "No more messages"}));
    // The walk goes on from a double-clicked line: a message's, or one between two of them.
    host.m_openedAt.clear();
    project.JumpToMessage(compile, 3);
    project.RunCommand(Cmd::ID_BUILD_NEXTERROR);
    project.JumpToMessage(compile, 4);
    project.RunCommand(Cmd::ID_BUILD_PREVERROR);
    project.RunCommand(Cmd::ID_BUILD_PREVERROR);
    EXPECT_EQ(host.m_openedAt, (COpened {{b, 0}, {a, 4}, {b, 0}, {a, 1}})) << "the double-click on B's line opens it";

    project.OnRunStarted(dir.Path(), CJavaProjectDoc::ERunKind::Other);
    EXPECT_FALSE(WalkEnabled(project)) << "the Process Window shows the new run's output";
    project.OnRunEnded("Exception in thread \"main\"\r\n\tat A.main(A.java:7)\r\nB.java:1: error: printed\r\n");
    EXPECT_EQ(seen.m_seen.size(), 1u) << "a run leaves the compile's marks";
    EXPECT_EQ(project.GetSourceMarks().All(), marks);
    host.m_openedAt.clear();
    project.RunCommand(Cmd::ID_BUILD_NEXTERROR);
    EXPECT_EQ(host.m_openedAt, (COpened {{a, 6}}));

    project.OnRunStarted(dir.Path(), CJavaProjectDoc::ERunKind::Compile);
    project.OnRunEnded("Exit code: 0\r\nNo Errors");
    EXPECT_EQ(seen.m_seen.back(), CMarks {}) << "a clean compile takes every mark away";
    EXPECT_FALSE(WalkEnabled(project));
    project.GetSourceMarks().RemoveObserver(&seen);
}
