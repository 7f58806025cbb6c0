// Messages that go wrong, from either side: the debugger program answers every line it cannot
// carry out with an error and goes on; the session reports every line it cannot read, and a
// debugger that ends or speaks another version.
#include "DebugTestSupport.h"

#include "debug/DebuggerProcess.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using namespace DebugTest;
using json = nlohmann::json;

// The debugger program on its own, spoken to line by line.
class CRawDebugger {
public:
    CRawDebugger()
    {
        m_nStart = m_process.Start(kJdk + "/bin/java", {"java", "-jar", ONDRIK_DEBUGGER_JAR}, m_dir.Path());
    }

    bool Started() const { return m_nStart == 0; }

    void Send(const std::string& line)
    {
        const std::string text = line + "\n";
        ASSERT_EQ(::write(m_process.InputFd(), text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }

    // The next line the debugger writes; "" when none comes within the limit.
    std::string Receive()
    {
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        for (;;) {
            if (const auto end = m_pending.find('\n'); end != std::string::npos) {
                std::string line = m_pending.substr(0, end);
                m_pending.erase(0, end + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd fd {m_process.OutputFd(), POLLIN, 0};
            if (left.count() <= 0 || ::poll(&fd, 1, static_cast<int>(left.count())) <= 0)
                return {};
            char buffer[4096];
            const ssize_t n = ::read(m_process.OutputFd(), buffer, sizeof buffer);
            if (n <= 0)
                return {};
            m_pending.append(buffer, static_cast<std::size_t>(n));
        }
    }

    std::optional<int> CloseAndFinish()
    {
        m_process.CloseInput();
        return m_process.Finish(10s);
    }

private:
    CTempDir m_dir;
    CDebuggerProcess m_process;
    int m_nStart = -1;
    std::string m_pending;
};

// Would fail if the debugger program crashed or went silent on a line it cannot carry out, let
// a command through before the version was agreed, or outlived its input.
TEST(DebuggerConversation, TheDebuggerAnswersBadCommandsWithErrorsAndGoesOn)
{
    CRawDebugger debugger;
    ASSERT_TRUE(debugger.Started());
    const json hello = json::parse(debugger.Receive());
    EXPECT_EQ(hello.at("event"), "hello");
    EXPECT_EQ(hello.at("protocol"), 1);

    struct Row {
        std::string line;
        const char* error;
    };
    const Row rows[] = {
        {R"({"command":"launch","main":"X"})", R"(The first command must be "hello".)"},
        {R"({"command":"hello","protocol":2})", "Protocol version 2 is not supported; this debugger speaks version 1."},
        {R"({"command":"hello","protocol":1})", nullptr},
        {"garbage", "Malformed message: unexpected 'g' at character 1."},
        {"\xff\xfe", "Malformed message"},
        {"[1]", "Malformed message: not a JSON object."},
        {R"({"command":5})", R"(Malformed message: no "command" name.)"},
        {R"({"command":"continue"} x)", "Malformed message: text after the value at character 24."},
        {R"({"command":"a\x"})", "Malformed message: a bad escape"},
        {std::string(200, '[') + std::string(200, ']'), "Malformed message: nesting too deep"},
        {R"({"command":"frobnicate"})", R"(Unknown command "frobnicate".)"},
        {R"({"command":"setBreakpoint","file":"A.java"})", R"(The command "setBreakpoint" needs a whole number "line".)"},
        {R"({"command":"setBreakpoint","file":"A.java","line":0})", "needs a line number from 1 on."},
        {R"({"command":"variables","frame":-1})", "needs a frame number from 0 on."},
        {R"({"command":"launch","main":"X","options":"-ea"})", R"(needs "options" as a list of texts.)"},
        {R"({"command":"step","kind":"sideways"})", R"(Unknown kind of step "sideways".)"},
        {R"({"command":"continue"})", "The program has not been started."},
        {R"({"command":"clearBreakpoint","file":"A.java","line":3})", "There is no breakpoint at A.java:3."},
    };
    for (const Row& row : rows) {
        debugger.Send(row.line);
        if (row.error == nullptr)
            continue;
        const std::string answer = debugger.Receive();
        ASSERT_FALSE(answer.empty()) << "no answer to " << row.line.substr(0, 60);
        const json error = json::parse(answer);
        EXPECT_EQ(error.at("event"), "error") << answer;
        EXPECT_NE(error.at("message").get<std::string>().find(row.error), std::string::npos)
            << row.line.substr(0, 60) << " gave " << answer;
    }
    EXPECT_EQ(debugger.CloseAndFinish(), 0);
}

// A stand-in for the JDK whose java is a script: the session takes it for the debugger.
class CScriptedDebugger {
public:
    explicit CScriptedDebugger(const std::string& script)
    {
        const std::string java = m_jdk.Write("bin/java", "#!/bin/sh\n" + script);
        ::chmod(java.c_str(), 0755);
    }

    CDebugLaunch Launch() const
    {
        CDebugLaunch launch;
        launch.strJavaBin = m_jdk.Path();
        launch.strDebuggerJar = ONDRIK_DEBUGGER_JAR;
        launch.strSourceRoot = m_jdk.Path();
        launch.strMainClass = "Main";
        return launch;
    }

private:
    CTempDir m_jdk;
};

// Would fail if the session crashed on, or silently dropped, a line it cannot read, or did not
// notice a debugger that ended before the program did.
TEST(DebuggerConversation, TheSessionReportsLinesItCannotReadAndADebuggerThatDies)
{
    CScriptedDebugger script(R"(echo '{"event":"hello","protocol":1}'
echo 'not json at all'
echo '{"event":"teleported","to":"mars"}'
echo '{"event":"started","pid":7}'
echo 'Picked up JAVA_TOOL_OPTIONS: -Xmx1g' >&2
printf '{"event":"output","stream":"out","te'
exit 3
)");
    CRecordingObserver events;
    CDebugSession session(events);
    ASSERT_FALSE(session.Start(script.Launch()));
    ASSERT_TRUE(DispatchUntil(session, [&] { return events.bEnded; }));
    // The parser's own words on where a line went wrong are its business; the start is ours.
    const std::vector<std::string> expected = {
        "The debugger sent a message Ondrik cannot read: not JSON: parse error at line 1, column 2",
        "The debugger sent a message Ondrik cannot read: unknown event \"teleported\".",
        "The debugger sent a message Ondrik cannot read: not JSON: parse error at line 1, column 37",
        "The debugger ended before the program did (exit code 3).",
    };
    ASSERT_EQ(events.errors.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(events.errors[i].substr(0, expected[i].size()), expected[i]);
    EXPECT_EQ(events.pid, 7);
    EXPECT_EQ(events.debugger, "Picked up JAVA_TOOL_OPTIONS: -Xmx1g");
    EXPECT_EQ(session.State(), DebugState::Ended);
}

// Would fail if the session went on with a debugger of another protocol version, or if ending
// it did not close the debugger's input (the script would wait there for ever).
TEST(DebuggerConversation, ADebuggerOfAnotherVersionIsEnded)
{
    CScriptedDebugger script(R"(echo '{"event":"hello","protocol":2}'
cat >/dev/null
)");
    CRecordingObserver events;
    CDebugSession session(events);
    ASSERT_FALSE(session.Start(script.Launch()));
    ASSERT_TRUE(DispatchUntil(session, [&] { return events.bEnded; }, 10s));
    ASSERT_FALSE(events.errors.empty());
    EXPECT_EQ(events.errors[0], "The debugger speaks protocol version 2, Ondrik version 1.");
}

// Would fail if a missing JDK or debugger jar were found only once the session runs, with a
// message that does not say what is missing.
TEST(DebuggerConversation, AMissingJavaOrDebuggerIsSaidAtTheStart)
{
    CRecordingObserver events;
    CDebugSession noJava(events);
    CDebugLaunch launch;
    launch.strJavaBin = "/nonexistent/jdk";
    launch.strDebuggerJar = ONDRIK_DEBUGGER_JAR;
    launch.strMainClass = "Main";
    EXPECT_EQ(noJava.Start(launch), "Couldn't locate Java: /nonexistent/jdk/bin/java is missing.");

    CDebugSession noJar(events);
    launch.strJavaBin = kJdk;
    launch.strDebuggerJar = "/nonexistent/debugger.jar";
    EXPECT_EQ(noJar.Start(launch), "The debugger /nonexistent/debugger.jar is missing.");
    EXPECT_EQ(noJar.State(), DebugState::NotStarted);
}

}  // namespace
