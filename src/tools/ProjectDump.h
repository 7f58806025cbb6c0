#pragma once

#include <string>
#include <string_view>

class CJavaProjectDoc;

// The stable, readable text form of a project that ondrik-jpr dump prints.
namespace ProjectDump {

// A value in double quotes; backslash, quote, CR, LF, TAB and other control bytes escaped.
std::string Quote(std::string_view text);

std::string Dump(const CJavaProjectDoc& doc);

}  // namespace ProjectDump
