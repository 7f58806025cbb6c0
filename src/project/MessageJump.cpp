#include "MessageJump.h"

#include "platform/Paths.h"

#include <cctype>
#include <climits>

namespace MessageJump {

std::optional<std::string_view> LineAt(std::string_view output, int nLine)
{
    if (nLine < 0)
        return std::nullopt;
    std::size_t start = 0;
    for (int i = 0;; ++i) {
        const std::size_t cr = output.find('\r', start);
        if (cr == std::string_view::npos)
            return std::nullopt;
        if (i == nLine)
            return output.substr(start, cr - start);
        start = cr + 1;
        if (start < output.size() && output[start] == '\n')
            ++start;
    }
}

std::optional<std::size_t> NameEnd(std::string_view line, std::string_view name)
{
    const std::size_t at = name.empty() ? std::string_view::npos : line.find(name);
    if (at == std::string_view::npos)
        return std::nullopt;
    if (at != 0 && line[at - 1] != Paths::kSeparator)
        return std::nullopt;
    return at + name.size();
}

int NumberAt(std::string_view line, std::size_t pos)
{
    long value = 0;
    for (; pos < line.size() && std::isdigit(static_cast<unsigned char>(line[pos])) != 0; ++pos) {
        value = value * 10 + (line[pos] - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

std::optional<CFrame> StackFrame(std::string_view line)
{
    const std::size_t at = line.find("at ");
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::size_t open = line.find('(', at);
    const std::size_t colon = open == std::string_view::npos ? open : line.find(':', open);
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = line.substr(open + 1, colon - open - 1);
    constexpr std::string_view kJava = ".java";
    if (name.size() <= kJava.size() || name.substr(name.size() - kJava.size()) != kJava)
        return std::nullopt;
    const int nLine = NumberAt(line, colon + 1);
    const std::size_t end = line.find_first_not_of("0123456789", colon + 1);
    if (nLine <= 0 || end == std::string_view::npos || line[end] != ')')
        return std::nullopt;
    return CFrame {std::string(name), nLine};
}

}  // namespace MessageJump
