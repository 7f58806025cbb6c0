#include "DebugProtocol.h"

#include <nlohmann/json.hpp>

#include <limits>

namespace DebugProtocol {

namespace {

using json = nlohmann::json;

// Reads the members of one object, each of a required type; the first that is missing or of
// another type becomes the error, and every later read gives an empty value.
class CMembers {
public:
    CMembers(const json& object, std::string what) : m_object(object), m_strWhat(std::move(what)) {}

    bool Failed() const { return !m_strError.empty(); }
    const std::string& Error() const { return m_strError; }

    std::string Text(const char* name, bool bRequired = true)
    {
        const json* value = Find(name, bRequired);
        if (value == nullptr)
            return {};
        if (!value->is_string())
            return Fail(name, "a text"), std::string();
        return value->get<std::string>();
    }

    std::int64_t Number(const char* name, std::int64_t nMin, std::int64_t nMax, bool bRequired = true)
    {
        const json* value = Find(name, bRequired);
        if (value == nullptr)
            return 0;
        std::int64_t n = 0;
        if (value->is_number_unsigned()) {
            const auto u = value->get<std::uint64_t>();
            if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
                return Fail(name, "a number in range"), 0;
            n = static_cast<std::int64_t>(u);
        } else if (value->is_number_integer()) {
            n = value->get<std::int64_t>();
        } else {
            return Fail(name, "a whole number"), 0;
        }
        if (n < nMin || n > nMax)
            return Fail(name, "a number in range"), 0;
        return n;
    }

    int Int(const char* name, int nMin, bool bRequired = true)
    {
        return static_cast<int>(Number(name, nMin, std::numeric_limits<int>::max(), bRequired));
    }

    bool Bool(const char* name, bool bDefault)
    {
        const json* value = Find(name, false);
        if (value == nullptr)
            return bDefault;
        if (!value->is_boolean())
            return Fail(name, "true or false"), bDefault;
        return value->get<bool>();
    }

    const json* Object(const char* name, bool bRequired = true)
    {
        const json* value = Find(name, bRequired);
        if (value != nullptr && !value->is_object())
            return Fail(name, "an object"), nullptr;
        return value;
    }

    const json* Array(const char* name)
    {
        const json* value = Find(name, true);
        if (value != nullptr && !value->is_array())
            return Fail(name, "a list"), nullptr;
        return value;
    }

    // An error found below this object, as in one of its list's items.
    void Take(const CMembers& inner)
    {
        if (!Failed() && inner.Failed())
            m_strError = inner.Error();
    }

    void FailWith(std::string error)
    {
        if (!Failed())
            m_strError = std::move(error);
    }

private:
    const json* Find(const char* name, bool bRequired)
    {
        if (Failed())
            return nullptr;
        const auto it = m_object.find(name);
        if (it == m_object.end() || it->is_null()) {
            if (bRequired)
                Fail(name, "a value");
            return nullptr;
        }
        return &*it;
    }

    void Fail(const char* name, const char* kind)
    {
        if (!Failed())
            m_strError = m_strWhat + " needs " + kind + " \"" + name + "\"";
    }

    const json& m_object;
    std::string m_strWhat;
    std::string m_strError;
};

CDebugLocation ReadLocation(const json& object, CMembers& outer)
{
    CDebugLocation location;
    if (!object.is_object()) {
        outer.FailWith("a frame needs to be an object");
        return location;
    }
    CMembers members(object, "a frame");
    location.strFile = members.Text("file");
    location.strClass = members.Text("class");
    location.strMethod = members.Text("method");
    location.nLine = members.Int("line", -1);
    outer.Take(members);
    return location;
}

std::vector<CDebugVariable> ReadVariables(const json* list, CMembers& outer)
{
    std::vector<CDebugVariable> variables;
    if (list == nullptr)
        return variables;
    variables.reserve(list->size());
    for (const json& item : *list) {
        if (!item.is_object()) {
            outer.FailWith("a variable needs to be an object");
            break;
        }
        CMembers members(item, "a variable");
        CDebugVariable variable;
        variable.strName = members.Text("name");
        variable.strType = members.Text("type");
        variable.strValue = members.Text("value");
        variable.nRef = members.Number("ref", 1, std::numeric_limits<std::int64_t>::max(), false);
        outer.Take(members);
        if (outer.Failed())
            break;
        variables.push_back(std::move(variable));
    }
    return variables;
}

std::optional<DebugStopReason> ReasonNamed(const std::string& name)
{
    if (name == "breakpoint")
        return DebugStopReason::Breakpoint;
    if (name == "step")
        return DebugStopReason::Step;
    if (name == "exception")
        return DebugStopReason::Exception;
    if (name == "pause")
        return DebugStopReason::Pause;
    return std::nullopt;
}

CDebugStop ReadStop(CMembers& members, std::string& error)
{
    CDebugStop stop;
    const std::string reason = members.Text("reason");
    stop.strThread = members.Text("thread");
    stop.nFrame = members.Int("frame", 0, false);
    stop.nDepth = members.Int("depth", 0);
    if (const json* frames = members.Array("frames")) {
        for (const json& frame : *frames) {
            stop.frames.push_back(ReadLocation(frame, members));
            if (members.Failed())
                break;
        }
    }
    if (const json* location = members.Object("location", false))
        stop.location = ReadLocation(*location, members);
    if (const json* exception = members.Object("exception", false)) {
        CMembers thrown(*exception, "an exception");
        stop.strExceptionType = thrown.Text("type");
        stop.strExceptionMessage = thrown.Text("message", false);
        members.Take(thrown);
    }
    if (members.Failed())
        return stop;
    if (const auto known = ReasonNamed(reason))
        stop.reason = *known;
    else
        error = "unknown reason \"" + reason + "\" to stop";
    if (error.empty() && !stop.frames.empty() && static_cast<std::size_t>(stop.nFrame) >= stop.frames.size())
        error = "the stop shows frame " + std::to_string(stop.nFrame) + " of " + std::to_string(stop.frames.size());
    return stop;
}

std::optional<CEvent> ReadEvent(const std::string& name, const json& message, std::string& error)
{
    CMembers members(message, "the event \"" + name + "\"");
    std::optional<CEvent> event;
    if (name == "hello") {
        CHello hello;
        hello.nProtocol = members.Int("protocol", 0);
        hello.strVm = members.Text("vm", false);
        event = hello;
    } else if (name == "started") {
        event = CStarted {members.Number("pid", 1, std::numeric_limits<std::int64_t>::max())};
    } else if (name == "breakpointResolved") {
        CBreakpointResolved resolved;
        resolved.breakpoint.strFile = members.Text("file");
        resolved.breakpoint.nLine = members.Int("line", 1);
        event = resolved;
    } else if (name == "stopped") {
        event = ReadStop(members, error);
    } else if (name == "resumed") {
        event = CResumed {};
    } else if (name == "variables") {
        CDebugVariables variables;
        variables.nFrame = members.Int("frame", 0);
        variables.bLocalsAvailable = members.Bool("localsAvailable", true);
        variables.variables = ReadVariables(members.Array("variables"), members);
        event = std::move(variables);
    } else if (name == "children") {
        CDebugChildren children;
        children.nRef = members.Number("ref", 1, std::numeric_limits<std::int64_t>::max());
        children.nMore = members.Int("more", 0, false);
        children.variables = ReadVariables(members.Array("variables"), members);
        event = std::move(children);
    } else if (name == "output") {
        COutput output;
        const std::string stream = members.Text("stream");
        output.strBytes = TextToBytes(members.Text("text"));
        if (!members.Failed() && stream != "out" && stream != "err")
            error = "unknown output stream \"" + stream + "\"";
        output.stream = stream == "err" ? DebugStream::Err : DebugStream::Out;
        event = std::move(output);
    } else if (name == "exited") {
        event = CExited {static_cast<int>(members.Number("code", std::numeric_limits<int>::min(),
                                                          std::numeric_limits<int>::max()))};
    } else if (name == "error") {
        CError reported;
        reported.strMessage = members.Text("message");
        reported.strCommand = members.Text("command", false);
        event = reported;
    } else {
        error = "unknown event \"" + name + "\"";
        return std::nullopt;
    }
    if (members.Failed())
        error = members.Error();
    if (!error.empty())
        return std::nullopt;
    return event;
}

std::string Line(const json& message)
{
    // Texts that are no valid UTF-8 (a path's stray bytes) go out with replacement characters
    // rather than not at all.
    return message.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

std::string Command(const char* name)
{
    return Line(json {{"command", name}});
}

json Place(const char* command, const CDebugBreakpoint& place)
{
    return json {{"command", command}, {"file", place.strFile}, {"line", place.nLine}};
}

}  // namespace

CParsed ParseEvent(std::string_view line)
{
    CParsed parsed;
    json message;
    try {
        message = json::parse(line);
    } catch (const json::exception& e) {
        // The library's message says where the text went wrong; its own prefix says nothing.
        std::string what = e.what();
        if (const auto cut = what.find("] "); cut != std::string::npos)
            what.erase(0, cut + 2);
        parsed.strError = "not JSON: " + what;
        return parsed;
    }
    if (!message.is_object()) {
        parsed.strError = "not a JSON object";
        return parsed;
    }
    const auto name = message.find("event");
    if (name == message.end() || !name->is_string()) {
        parsed.strError = "no \"event\" name";
        return parsed;
    }
    parsed.event = ReadEvent(name->get<std::string>(), message, parsed.strError);
    return parsed;
}

std::string Hello()
{
    return Line(json {{"command", "hello"}, {"protocol", kVersion}});
}

std::string Launch(const std::string& mainClass, const std::vector<std::string>& options,
                   const std::vector<std::string>& arguments, const std::string& classPath)
{
    json message {{"command", "launch"}, {"main", mainClass}, {"options", options}, {"args", arguments}};
    if (!classPath.empty())
        message["classPath"] = classPath;
    return Line(message);
}

std::string SetBreakpoint(const CDebugBreakpoint& breakpoint)
{
    return Line(Place("setBreakpoint", breakpoint));
}

std::string ClearBreakpoint(const CDebugBreakpoint& breakpoint)
{
    return Line(Place("clearBreakpoint", breakpoint));
}

std::string Continue()
{
    return Command("continue");
}

std::string Step(DebugStepKind kind)
{
    const char* name = kind == DebugStepKind::Over ? "over" : kind == DebugStepKind::Into ? "into" : "out";
    return Line(json {{"command", "step"}, {"kind", name}});
}

std::string RunToLine(const CDebugBreakpoint& place)
{
    return Line(Place("runToLine", place));
}

std::string Pause()
{
    return Command("pause");
}

std::string Stop()
{
    return Command("stop");
}

std::string Input(std::string_view bytes)
{
    return Line(json {{"command", "input"}, {"text", BytesToText(bytes)}});
}

std::string EndInput()
{
    return Command("endInput");
}

std::string Variables(int nFrame)
{
    return Line(json {{"command", "variables"}, {"frame", nFrame}});
}

std::string Expand(std::int64_t nRef)
{
    return Line(json {{"command", "expand"}, {"ref", nRef}});
}

std::string BytesToText(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xc0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3f));
        }
    }
    return text;
}

std::string TextToBytes(std::string_view text)
{
    // The reader has checked the text is UTF-8. A character above U+00FF is no byte; it is
    // kept as written rather than lost.
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if ((lead == 0xc2 || lead == 0xc3) && i + 1 < text.size()) {
            bytes += static_cast<char>(((lead & 0x03) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3f));
            ++i;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

}  // namespace DebugProtocol
