// Feeds arbitrary bytes to the settings-file parser. Whatever it accepts must write out and
// read back as the same keys and values, and a value set afterwards must read back unchanged.
#include "platform/RegFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto parsed = CRegFile::Parse(text);
    if (!parsed)
        return 0;

    const std::string written = parsed->Write();
    const auto again = CRegFile::Parse(written);
    Check(again.has_value());
    Check(*again == *parsed);
    Check(again->Write() == written);

    // The input's first bytes as a value name and its text, as awkward as they come.
    const std::string_view piece = text.substr(0, std::min<std::size_t>(text.size(), 24));
    const std::string key = "HKEY_CURRENT_USER\\Software\\Kestrune\\Ondrik\\OPTIONS";
    parsed->SetString(key, piece, text.substr(piece.size(), 40));
    parsed->SetDword(key, "TABWIDTH", static_cast<std::uint32_t>(size));
    const auto changed = CRegFile::Parse(parsed->Write());
    Check(changed.has_value());
    const CRegKey* options = changed->FindKey(key);
    Check(options != nullptr);
    // A piece named TABWIDTH was replaced by the number set after it.
    if (!RegNamesEqual(piece, "TABWIDTH")) {
        const CRegValue* value = options->FindValue(piece);
        Check(value != nullptr && value->type == RegType::String && value->strData == text.substr(piece.size(), 40));
    }
    const CRegValue* number = options->FindValue("TABWIDTH");
    Check(number != nullptr && number->type == RegType::Dword && number->nData == static_cast<std::uint32_t>(size));
    return 0;
}
