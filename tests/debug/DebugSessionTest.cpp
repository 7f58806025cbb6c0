// Debug sessions against real JVMs, on one small packaged program compiled once for all of
// them: its main class in one package, a helper in another that loads only when first used.
#include "DebugTestSupport.h"

#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using namespace DebugTest;

const std::string kMain = "app/Main.java";
const std::string kHelper = "app/util/Helper.java";

const char* const kMainSource = R"(package app;

import app.util.Helper;
import java.util.ArrayList;
import java.util.List;

public class Main {
    public static void main(String[] args) throws Exception {
        String mode = args.length > 0 ? args[0] : "plain";
        int count = 3;
        String greeting = "Hi \"there\"";
        int[] numbers = {4, 5, 6};
        List<Integer> many = new ArrayList<>();
        for (int i = 0; i < 150; ++i)
            many.add(i);
        java.util.Map<String, Integer> ages = new java.util.TreeMap<>(java.util.Map.of("bob", 7, "ada", 9));
        List<String> names = new ArrayList<>(List.of("ada", "bob")); // @names
        Helper helper = new Helper(count); // @new-helper
        int total = helper.sum(numbers); // @call-sum
        System.out.println("total " + total); // @print-total
        if (mode.equals("throw"))
            throw new IllegalStateException("bad mode"); // @throw
        if (mode.equals("read")) {
            System.out.print("echo ");
            int b;
            while ((b = System.in.read()) >= 0 && b != '\n') // @read
                System.out.write(b);
            System.out.println();
            helper.sum(numbers);
        }
        if (mode.equals("spin"))
            while (true)
                Thread.sleep(50);
        System.out.println("done " + greeting.length() + names.size());
    }
}
)";

const char* const kHelperSource = R"(package app.util;

public class Helper {
    private final int factor;
    private final String label = "helper";

    public Helper(int factor) {
        this.factor = factor;
    }

    public int sum(int[] values) {
        int total = 0; // @sum-first
        for (int v : values)
            total += v * factor; // @sum-loop
        return total;
    }
}
)";

class DebugSession : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_program = std::make_unique<CJavaProgram>(
            std::map<std::string, std::string> {{kMain, kMainSource}, {kHelper, kHelperSource}});
    }
    static void TearDownTestSuite() { s_program.reset(); }

    void SetUp() override { ASSERT_TRUE(s_program->Compiled()); }

    static CDebugLaunch Launch(const std::string& arguments, std::vector<CDebugBreakpoint> breakpoints,
                               const std::string& jdk = kJdk)
    {
        CDebugLaunch launch;
        launch.strJavaBin = jdk;
        launch.strDebuggerJar = ONDRIK_DEBUGGER_JAR;
        launch.strSourceRoot = s_program->Root();
        launch.strPackage = "app";
        launch.strMainClass = "Main";
        launch.strArguments = arguments;
        launch.breakpoints = std::move(breakpoints);
        return launch;
    }

    void Start(const std::string& arguments, std::vector<CDebugBreakpoint> breakpoints)
    {
        const auto error = m_session.Start(Launch(arguments, std::move(breakpoints)));
        ASSERT_FALSE(error) << *error;
    }

    // Waits for the next stop after the ones seen so far, and for the variables that follow it.
    CDebugStop NextStop()
    {
        const std::size_t nSeen = m_seenStops;
        const bool bStopped = DispatchUntil(m_session, [&] {
            return (m_events.stops.size() > nSeen && m_events.variables.size() > nSeen) || m_events.bEnded;
        });
        if (!bStopped || m_events.stops.size() <= nSeen) {
            ADD_FAILURE() << "no stop; errors: " << Joined(m_events.errors) << "; output: " << m_events.err;
            return {};
        }
        ++m_seenStops;
        return m_events.stops[nSeen];
    }

    void RunToEnd()
    {
        EXPECT_TRUE(DispatchUntil(m_session, [&] { return m_events.bEnded; })) << Joined(m_events.errors);
    }

    static std::string Joined(const std::vector<std::string>& texts)
    {
        std::string all;
        for (const std::string& text : texts)
            all += text + " | ";
        return all;
    }

    const CDebugVariable* Variable(const std::vector<CDebugVariable>& variables, const std::string& name) const
    {
        const auto it = std::find_if(variables.begin(), variables.end(),
                                     [&](const CDebugVariable& v) { return v.strName == name; });
        return it == variables.end() ? nullptr : &*it;
    }

    CDebugChildren ExpandAndWait(std::int64_t nRef)
    {
        const std::size_t nBefore = m_events.children.size();
        m_session.Expand(nRef);
        EXPECT_TRUE(DispatchUntil(m_session, [&] { return m_events.children.size() > nBefore; }));
        return m_events.children.size() > nBefore ? m_events.children.back() : CDebugChildren {};
    }

    static std::unique_ptr<CJavaProgram> s_program;
    CRecordingObserver m_events;
    CDebugSession m_session {m_events};
    std::size_t m_seenStops = 0;
};

std::unique_ptr<CJavaProgram> DebugSession::s_program;

// Would fail if breakpoints were set too late (a class that loads after the start) or matched
// by file name without its package folder, or if the session missed the program's exit.
TEST_F(DebugSession, BreakpointsInMainAndInALaterClassOfAnotherPackageAreBothHit)
{
    Start("", {s_program->At(kMain, "@new-helper"), s_program->At(kHelper, "@sum-first")});
    const CDebugStop first = NextStop();
    EXPECT_EQ(first.reason, DebugStopReason::Breakpoint);
    EXPECT_EQ(first.location, (CDebugLocation {kMain, "app.Main", "main", s_program->LineOf(kMain, "@new-helper")}));
    EXPECT_EQ(m_session.State(), DebugState::Stopped);

    m_session.Continue();
    const CDebugStop second = NextStop();
    EXPECT_EQ(second.location, (CDebugLocation {kHelper, "app.util.Helper", "sum", s_program->LineOf(kHelper, "@sum-first")}));
    ASSERT_EQ(second.frames.size(), 2u);
    EXPECT_EQ(second.frames[1].nLine, s_program->LineOf(kMain, "@call-sum"));
    EXPECT_EQ(second.nDepth, 2);

    m_session.Continue();
    RunToEnd();
    EXPECT_EQ(m_events.exitCode, 0);
    EXPECT_EQ(m_events.out, "total 45\ndone 102\n");
    EXPECT_TRUE(m_events.errors.empty()) << Joined(m_events.errors);
    ASSERT_TRUE(m_events.pid);
    EXPECT_TRUE(ProcessGone(*m_events.pid));
}

// Would fail on a step that runs on (a lost step request), a step into that stops inside the
// JDK, or a step out that does not come back to the caller.
TEST_F(DebugSession, StepOverIntoAndOut)
{
    Start("", {s_program->At(kMain, "@names")});
    NextStop();
    m_session.Step(DebugStepKind::Into);
    EXPECT_EQ(m_session.State(), DebugState::Running);
    const CDebugStop throughJdk = NextStop();
    EXPECT_EQ(throughJdk.reason, DebugStopReason::Step);
    EXPECT_EQ(throughJdk.location, (CDebugLocation {kMain, "app.Main", "main", s_program->LineOf(kMain, "@new-helper")}));

    m_session.Step(DebugStepKind::Over);
    const CDebugStop over = NextStop();
    EXPECT_EQ(over.location.nLine, s_program->LineOf(kMain, "@call-sum"));

    m_session.Step(DebugStepKind::Into);
    const CDebugStop into = NextStop();
    EXPECT_EQ(into.location, (CDebugLocation {kHelper, "app.util.Helper", "sum", s_program->LineOf(kHelper, "@sum-first")}));

    m_session.Step(DebugStepKind::Out);
    const CDebugStop out = NextStop();
    EXPECT_EQ(out.location.strMethod, "main");
    EXPECT_EQ(out.location.nLine, s_program->LineOf(kMain, "@call-sum"));
    EXPECT_EQ(out.frames.size(), 1u);
}

// Would fail on values rendered wrongly (a string unquoted, a number as an object), on objects
// that do not expand into their fields, arrays into their elements, or collections into their
// first 100 entries (a map's named by their keys).
TEST_F(DebugSession, LocalsFieldsAnArrayAStringAndAList)
{
    Start("", {s_program->At(kHelper, "@sum-loop")});
    NextStop();
    const CDebugVariables& inSum = m_events.variables.back();
    EXPECT_TRUE(inSum.bLocalsAvailable);
    const CDebugVariable* self = Variable(inSum.variables, "this");
    const CDebugVariable* values = Variable(inSum.variables, "values");
    const CDebugVariable* total = Variable(inSum.variables, "total");
    ASSERT_TRUE(self && values && total);
    EXPECT_EQ(total->strValue, "0");
    EXPECT_EQ(values->strValue.rfind("int[3] (id=", 0), 0u) << values->strValue;

    const CDebugChildren fields = ExpandAndWait(self->nRef);
    ASSERT_EQ(fields.variables.size(), 2u);
    EXPECT_EQ(fields.variables[0], (CDebugVariable {"factor", "int", "3", 0}));
    EXPECT_EQ(fields.variables[1], (CDebugVariable {"label", "java.lang.String", "\"helper\"", 0}));
    const CDebugChildren elements = ExpandAndWait(values->nRef);
    ASSERT_EQ(elements.variables.size(), 3u);
    EXPECT_EQ(elements.variables[2], (CDebugVariable {"[2]", "int", "6", 0}));

    // The caller's frame: a string with quotes in it, and a list.
    m_session.RequestVariables(1);
    ASSERT_TRUE(DispatchUntil(m_session, [&] { return m_events.variables.back().nFrame == 1; }));
    const CDebugVariables& inMain = m_events.variables.back();
    const CDebugVariable* greeting = Variable(inMain.variables, "greeting");
    const CDebugVariable* names = Variable(inMain.variables, "names");
    ASSERT_TRUE(greeting && names);
    EXPECT_EQ(greeting->strValue, R"("Hi \"there\"")");
    EXPECT_NE(names->strValue.find("java.util.ArrayList (id="), std::string::npos) << names->strValue;
    EXPECT_NE(names->strValue.find("size=2"), std::string::npos) << names->strValue;
    const CDebugChildren entries = ExpandAndWait(names->nRef);
    ASSERT_EQ(entries.variables.size(), 2u);
    EXPECT_EQ(entries.variables[1].strValue, "\"bob\"");

    const CDebugVariable* many = Variable(inMain.variables, "many");
    const CDebugVariable* ages = Variable(inMain.variables, "ages");
    ASSERT_TRUE(many && ages);
    const CDebugChildren first100 = ExpandAndWait(many->nRef);
    ASSERT_EQ(first100.variables.size(), 100u);
    EXPECT_EQ(first100.nMore, 50);
    EXPECT_EQ(first100.variables[99].strName, "[99]");
    EXPECT_NE(first100.variables[99].strValue.find("java.lang.Integer (id="), std::string::npos);
    EXPECT_EQ(first100.variables[99].strValue.substr(first100.variables[99].strValue.size() - 3), " 99");
    const CDebugChildren byKey = ExpandAndWait(ages->nRef);
    ASSERT_EQ(byKey.variables.size(), 2u);
    EXPECT_EQ(byKey.variables[0].strName, "[\"ada\"]");
    EXPECT_EQ(byKey.variables[0].strValue.substr(byKey.variables[0].strValue.size() - 2), " 9");
}

// Would fail if an uncaught exception ran the program to its end instead of stopping where it
// was thrown, or lost its type and message.
TEST_F(DebugSession, UncaughtExceptionStopsAtItsLine)
{
    Start("throw", {});
    const CDebugStop stop = NextStop();
    EXPECT_EQ(stop.reason, DebugStopReason::Exception);
    EXPECT_EQ(stop.location.nLine, s_program->LineOf(kMain, "@throw"));
    EXPECT_EQ(stop.strExceptionType, "java.lang.IllegalStateException");
    EXPECT_EQ(stop.strExceptionMessage, "bad mode");
    m_session.Continue();
    RunToEnd();
    EXPECT_EQ(m_events.exitCode, 1);
    EXPECT_NE(m_events.err.find("IllegalStateException: bad mode"), std::string::npos) << m_events.err;
}

// Would fail if the program's input did not reach it through the debugger byte for byte, if a
// breakpoint set while the program runs were not resolved against the classes already loaded,
// or if a pause showed the JDK's reading code instead of the program's line that reads.
TEST_F(DebugSession, InputPauseAndABreakpointSetWhileRunning)
{
    Start("read", {});
    ASSERT_TRUE(DispatchUntil(m_session, [&] { return m_events.out.find("total") != std::string::npos; }));
    m_session.SetBreakpoint(s_program->At(kHelper, "@sum-first"));
    ASSERT_TRUE(DispatchUntil(m_session, [&] { return !m_events.resolved.empty(); }));
    EXPECT_EQ(m_events.resolved[0], s_program->At(kHelper, "@sum-first"));

    m_session.Pause();
    const CDebugStop paused = NextStop();
    EXPECT_EQ(paused.reason, DebugStopReason::Pause);
    EXPECT_EQ(paused.location.nLine, s_program->LineOf(kMain, "@read"));
    EXPECT_GT(paused.nFrame, 0);

    m_session.Continue();
    m_session.SendInput("caf\xc3\xa9 \xff\n");
    const CDebugStop hit = NextStop();
    EXPECT_EQ(hit.location.strFile, kHelper);
    const std::string echoed = "total 45\necho caf\xc3\xa9 \xff\n";
    DispatchUntil(m_session, [&] { return m_events.out.size() >= echoed.size(); }, 5s);
    EXPECT_EQ(m_events.out, echoed);
    m_session.ClearBreakpoint(s_program->At(kHelper, "@sum-first"));
    m_session.Continue();
    RunToEnd();
    EXPECT_EQ(m_events.exitCode, 0);
    EXPECT_TRUE(m_events.errors.empty()) << Joined(m_events.errors);
}

// Would fail if Stop left the program's JVM running or gave another exit code than a stopped run.
TEST_F(DebugSession, StopEndsTheJvm)
{
    Start("read", {s_program->At(kMain, "@print-total")});
    NextStop();
    m_session.Stop();
    RunToEnd();
    EXPECT_EQ(m_events.exitCode, 11);
    EXPECT_EQ(m_session.State(), DebugState::Ended);
    ASSERT_TRUE(m_events.pid);
    EXPECT_TRUE(ProcessGone(*m_events.pid));
}

// Would fail if ending a session (closing the project or the IDE) while the program waits for
// input left its JVM behind.
TEST_F(DebugSession, EndingTheSessionLeavesNoJvm)
{
    Start("read", {});
    ASSERT_TRUE(DispatchUntil(m_session, [&] { return m_events.out.find("total") != std::string::npos; }));
    ASSERT_TRUE(m_events.pid);
    m_session.End();
    RunToEnd();
    EXPECT_TRUE(ProcessGone(*m_events.pid));
}

// The process numbers of the children of pid, from each of its threads.
std::vector<std::int64_t> ChildrenOf(std::int64_t pid)
{
    std::vector<std::int64_t> children;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        std::ifstream list(task.path() / "children");
        for (std::int64_t child = 0; list >> child;)
            children.push_back(child);
    }
    return children;
}

// Would fail if a program killed in the middle of a session (SIGKILL, a crash) left the program's
// JVM or the debugger running: the debugger must be told in a way it can act on, not be killed
// outright, and must end the JVM before it goes.
TEST_F(DebugSession, AKilledStarterLeavesNoJvm)
{
    CUniqueFd readEnd;
    CUniqueFd writeEnd;
    ASSERT_TRUE(CChildProcess::MakePipe(readEnd, writeEnd));
    CSpawnRequest request;
    request.strApplication = ONDRIK_DEBUG_STARTER;
    request.argv = {"starter", kJdk, ONDRIK_DEBUGGER_JAR, s_program->Root(), "app.Main", "spin"};
    request.nOutputFd = writeEnd.Get();
    CChildProcess starter;
    ASSERT_EQ(starter.Start(request), 0);
    writeEnd.Reset();
    std::string line;
    char byte = 0;
    while (line.find('\n') == std::string::npos && ::read(readEnd.Get(), &byte, 1) == 1)
        line += byte;
    const std::int64_t jvm = std::atoll(line.c_str());
    ASSERT_GT(jvm, 0) << line;
    const std::vector<std::int64_t> debugger = ChildrenOf(starter.Pid());
    ASSERT_EQ(debugger.size(), 1u);

    ASSERT_EQ(::kill(starter.Pid(), SIGKILL), 0);
    starter.WaitForExit();
    EXPECT_TRUE(ProcessGone(jvm));
    EXPECT_TRUE(ProcessGone(debugger.front()));
}

// Would fail if a JDK other than the default could not run the debugger or the program under it.
TEST_F(DebugSession, OtherInstalledJdksDebugToo)
{
    int nJdks = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/usr/lib/jvm")) {
        const std::string jdk = entry.path().string();
        if (entry.is_symlink() || !std::filesystem::exists(jdk + "/bin/javac") ||
            std::filesystem::equivalent(jdk, std::filesystem::canonical(kJdk)))
            continue;
        ++nJdks;
        CRecordingObserver events;
        CDebugSession session(events);
        ASSERT_FALSE(session.Start(Launch("", {s_program->At(kHelper, "@sum-first")}, jdk)));
        ASSERT_TRUE(DispatchUntil(session, [&] { return !events.stops.empty() || events.bEnded; })) << jdk;
        ASSERT_EQ(events.stops.size(), 1u) << jdk << ": " << Joined(events.errors) << events.debugger;
        EXPECT_EQ(events.stops[0].location.strFile, kHelper) << jdk;
        session.Continue();
        EXPECT_TRUE(DispatchUntil(session, [&] { return events.bEnded; })) << jdk;
        EXPECT_EQ(events.exitCode, 0) << jdk;
    }
    if (nJdks == 0)
        GTEST_SKIP() << "no JDK besides the default one";
}

}  // namespace
