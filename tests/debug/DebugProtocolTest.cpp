// The debugger's messages on Ondrik's side, by table: every command as the debugger reads it,
// every event as the session gets it, and the lines that are no event.
#include "debug/DebugProtocol.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

namespace {

using json = nlohmann::json;
using namespace DebugProtocol;

// Would fail on a command whose name, field names or field types differ from what the debugger
// reads (docs/debugger-protocol.md), or that is not one line.
TEST(DebugProtocol, CommandsAreOneJsonLineEach)
{
    struct Row {
        std::string line;
        const char* expected;
    };
    const Row rows[] = {
        {Hello(), R"({"command":"hello","protocol":1})"},
        {Launch("app.Main", {"-ea", "-Dx=a b"}, {"one", "two words", ""}, "lib/a.jar:."),
         R"({"command":"launch","main":"app.Main","options":["-ea","-Dx=a b"],"args":["one","two words",""],
             "classPath":"lib/a.jar:."})"},
        {Launch("Main", {}, {}, ""), R"({"command":"launch","main":"Main","options":[],"args":[]})"},
        {SetBreakpoint({"app/Main.java", 12}), R"({"command":"setBreakpoint","file":"app/Main.java","line":12})"},
        {ClearBreakpoint({"Main.java", 3}), R"({"command":"clearBreakpoint","file":"Main.java","line":3})"},
        {Continue(), R"({"command":"continue"})"},
        {Step(DebugStepKind::Over), R"({"command":"step","kind":"over"})"},
        {Step(DebugStepKind::Into), R"({"command":"step","kind":"into"})"},
        {Step(DebugStepKind::Out), R"({"command":"step","kind":"out"})"},
        {RunToLine({"app/util/Helper.java", 40}), R"({"command":"runToLine","file":"app/util/Helper.java","line":40})"},
        {Pause(), R"({"command":"pause"})"},
        {Stop(), R"({"command":"stop"})"},
        {Input("a \"b\"\n"), R"({"command":"input","text":"a \"b\"\n"})"},
        {EndInput(), R"({"command":"endInput"})"},
        {Variables(2), R"({"command":"variables","frame":2})"},
        {Expand(123456789012), R"({"command":"expand","ref":123456789012})"},
    };
    for (const Row& row : rows) {
        ASSERT_FALSE(row.line.empty());
        EXPECT_EQ(row.line.find('\n'), row.line.size() - 1) << row.line;
        EXPECT_EQ(json::parse(row.line), json::parse(row.expected)) << row.line;
    }
}

// Would fail on an event read into the wrong fields, a default taken where the debugger sent a
// value, or a value sent where none was given.
TEST(DebugProtocol, EventsAreReadIntoTheirFields)
{
    const CDebugLocation helper {"app/util/Helper.java", "app.util.Helper", "sum", 12};
    const CDebugLocation main {"app/Main.java", "app.Main", "main", 15};
    CDebugStop stop;
    stop.reason = DebugStopReason::Exception;
    stop.strThread = "main";
    stop.location = main;
    stop.nFrame = 1;
    stop.frames = {helper, main};
    stop.nDepth = 2;
    stop.strExceptionType = "java.lang.IllegalStateException";
    stop.strExceptionMessage = "bad";
    CDebugVariables variables;
    variables.nFrame = 0;
    variables.variables = {{"this", "app.Point", "app.Point (id=7)", 7}, {"n", "int", "42", 0}};
    variables.bLocalsAvailable = false;
    CDebugChildren children;
    children.nRef = 7;
    children.variables = {{"[0]", "int", "1", 0}};
    children.nMore = 900;

    struct Row {
        const char* line;
        CEvent expected;
    };
    const Row rows[] = {
        {R"({"event":"hello","protocol":1,"vm":"17.0.15"})", CHello {1, "17.0.15"}},
        {R"({"event":"started","pid":4242})", CStarted {4242}},
        {R"({"event":"breakpointResolved","file":"app/Main.java","line":15})",
         CBreakpointResolved {{"app/Main.java", 15}}},
        {R"({"event":"stopped","reason":"exception","thread":"main","frame":1,"depth":2,
            "location":{"file":"app/Main.java","class":"app.Main","method":"main","line":15},
            "frames":[{"file":"app/util/Helper.java","class":"app.util.Helper","method":"sum","line":12},
                      {"file":"app/Main.java","class":"app.Main","method":"main","line":15}],
            "exception":{"type":"java.lang.IllegalStateException","message":"bad"}})",
         stop},
        {R"({"event":"resumed"})", CResumed {}},
        {R"j({"event":"variables","frame":0,"localsAvailable":false,"variables":[
            {"name":"this","type":"app.Point","value":"app.Point (id=7)","ref":7},
            {"name":"n","type":"int","value":"42"}]})j",
         variables},
        {R"({"event":"children","ref":7,"more":900,"variables":[{"name":"[0]","type":"int","value":"1"}]})", children},
        {R"({"event":"output","stream":"err","text":"caf\u00e9\n"})", COutput {DebugStream::Err, "caf\xe9\n"}},
        {R"({"event":"exited","code":-1})", CExited {-1}},
        {R"({"event":"error","message":"The program is not stopped.","command":"continue"})",
         CError {"The program is not stopped.", "continue"}},
        {R"({"event":"error","message":"Malformed message.","future":[1,2]})", CError {"Malformed message.", ""}},
    };
    for (const Row& row : rows) {
        const CParsed parsed = ParseEvent(row.line);
        ASSERT_TRUE(parsed.event) << row.line << ": " << parsed.strError;
        EXPECT_TRUE(*parsed.event == row.expected) << row.line;
    }
}

// Would fail if a line that is no event of this version were taken for one (and a default
// value shown as if the debugger had said it), or if reading it threw.
TEST(DebugProtocol, LinesThatAreNoEventSayWhy)
{
    struct Row {
        std::string line;
        const char* error;
    };
    const Row rows[] = {
        {"garbage", "not JSON: parse error"},
        {"", "not JSON"},
        {R"({"event":"resumed"} {})", "not JSON"},
        {"{\"event\":\"error\",\"message\":\"\xff\"}", "not JSON"},
        {"[1,2]", "not a JSON object"},
        {R"({"kind":"stopped"})", "no \"event\" name"},
        {R"({"event":7})", "no \"event\" name"},
        {R"({"event":"teleported"})", "unknown event \"teleported\""},
        {R"({"event":"stopped","reason":"breakpoint","depth":1,"frames":[]})",
         "the event \"stopped\" needs a value \"thread\""},
        {R"({"event":"stopped","reason":"nap","thread":"main","depth":0,"frames":[]})", "unknown reason \"nap\""},
        {R"({"event":"stopped","reason":"step","thread":"t","depth":1,"frame":3,
            "frames":[{"file":"","class":"A","method":"m","line":1}]})",
         "the stop shows frame 3 of 1"},
        {R"({"event":"stopped","reason":"step","thread":"t","depth":1,"frames":[7]})", "a frame needs to be an object"},
        {R"({"event":"stopped","reason":"step","thread":"t","depth":1,"frames":[{"file":"","class":"A","line":1}]})",
         "a frame needs a value \"method\""},
        {R"({"event":"output","stream":"out","text":5})", "needs a text \"text\""},
        {R"({"event":"output","stream":"tty","text":""})", "unknown output stream \"tty\""},
        {R"({"event":"exited","code":1.5})", "needs a whole number \"code\""},
        {R"({"event":"exited","code":99999999999})", "needs a number in range \"code\""},
        {R"({"event":"started","pid":18446744073709551615})", "needs a number in range \"pid\""},
        {R"({"event":"started","pid":null})", "needs a value \"pid\""},
        {R"({"event":"children","ref":-1,"variables":[]})", "needs a number in range \"ref\""},
        {R"({"event":"variables","frame":0,"variables":[1]})", "a variable needs to be an object"},
        {R"({"event":"variables","frame":0,"variables":{}})", "needs a list \"variables\""},
        {R"({"event":"variables","frame":0,"localsAvailable":"yes","variables":[]})",
         "needs true or false \"localsAvailable\""},
        {R"({"event":"breakpointResolved","file":"A.java","line":0})", "needs a number in range \"line\""},
        {std::string(10000, '[') + std::string(10000, ']'), "not a JSON object"},
    };
    for (const Row& row : rows) {
        const CParsed parsed = ParseEvent(row.line);
        EXPECT_FALSE(parsed.event) << row.line;
        EXPECT_NE(parsed.strError.find(row.error), std::string::npos) << row.line.substr(0, 80) << " gave "
                                                                        << parsed.strError;
    }
}

// Would fail if a byte of the program's input or output were lost or changed on its way
// through the protocol's text, as a byte that is no valid UTF-8 on its own would be.
TEST(DebugProtocol, EveryByteCrossesBothWays)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    const json input = json::parse(Input(bytes));
    EXPECT_EQ(TextToBytes(input.at("text").get<std::string>()), bytes);

    const json output {{"event", "output"}, {"stream", "out"}, {"text", BytesToText(bytes)}};
    const CParsed parsed = ParseEvent(output.dump());
    ASSERT_TRUE(parsed.event) << parsed.strError;
    EXPECT_EQ(std::get<COutput>(*parsed.event).strBytes, bytes);
}

}  // namespace
