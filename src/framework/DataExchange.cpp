#include "DataExchange.h"

#include "Ui.h"

#include <charconv>

namespace DataExchange {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string Replace(std::string text, std::string_view what, std::string_view with)
{
    const size_t at = text.find(what);
    if (at != std::string::npos)
        text.replace(at, what.size(), with);
    return text;
}

}  // namespace

std::optional<int> ParseInteger(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string RangeMessage(int nMin, int nMax)
{
    return Replace(Replace(kIntegerOutOfRange, "%1", std::to_string(nMin)), "%2", std::to_string(nMax));
}

std::optional<int> RangeInt(CUi& ui, std::string_view text, int nMin, int nMax)
{
    const std::optional<int> value = ParseInteger(text);
    if (!value) {
        ui.MessageBox(kNotAnInteger, MsgButtons::Ok, MsgIcon::Warning);
        return std::nullopt;
    }
    if (*value < nMin || *value > nMax) {
        ui.MessageBox(RangeMessage(nMin, nMax), MsgButtons::Ok, MsgIcon::Warning);
        return std::nullopt;
    }
    return value;
}

}  // namespace DataExchange
