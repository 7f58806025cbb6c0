// Feeds arbitrary bytes to the reader of the debugger's events, as a line from a debugger gone
// wrong would come. Whatever it accepts must hold together, and the bytes themselves must
// cross the protocol's text unchanged both ways.
#include "debug/DebugProtocol.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckEvent(const DebugProtocol::CEvent& event)
{
    if (const auto* stop = std::get_if<CDebugStop>(&event)) {
        Check(stop->nFrame >= 0 && stop->nDepth >= 0);
        Check(stop->frames.empty() || static_cast<std::size_t>(stop->nFrame) < stop->frames.size());
    } else if (const auto* children = std::get_if<CDebugChildren>(&event)) {
        Check(children->nRef > 0 && children->nMore >= 0);
        for (const CDebugVariable& variable : children->variables)
            Check(variable.nRef >= 0);
    } else if (const auto* resolved = std::get_if<DebugProtocol::CBreakpointResolved>(&event)) {
        Check(resolved->breakpoint.nLine >= 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DebugProtocol::CParsed parsed = DebugProtocol::ParseEvent(bytes);
    Check(parsed.event.has_value() != !parsed.strError.empty());
    if (parsed.event)
        CheckEvent(*parsed.event);

    Check(DebugProtocol::TextToBytes(DebugProtocol::BytesToText(bytes)) == bytes);
    const std::string line = DebugProtocol::Input(bytes);
    Check(!line.empty() && line.find('\n') == line.size() - 1);
    const nlohmann::json command = nlohmann::json::parse(line);
    Check(DebugProtocol::TextToBytes(command.at("text").get<std::string>()) == bytes);
    return 0;
}
