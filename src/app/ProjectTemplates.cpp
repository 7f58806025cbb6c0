#include "ProjectTemplates.h"

namespace ProjectTemplates {

std::string ReplaceAll(std::string text, std::string_view what, std::string_view with)
{
    if (what.empty())
        return text;
    std::string result;
    std::size_t start = 0;
    for (std::size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, start)) {
        result.append(text, start, pos - start);
        result.append(with);
        start = pos + what.size();
    }
    result.append(text, start, std::string::npos);
    return result;
}

std::string TextModeBytes(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n')
            bytes.push_back('\r');
        bytes.push_back(c);
    }
    return bytes;
}

}  // namespace ProjectTemplates
