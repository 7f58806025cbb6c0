#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Key and value names of the registry compare without regard to ASCII case.
bool RegNamesEqual(std::string_view a, std::string_view b);

enum class RegType {
    String,  // "name"="text"
    Dword,   // "name"=dword:0000000a
    Other,   // any other form (hex:..., hex(2):..., -), kept as written
};

struct CRegValue {
    std::string strName;  // as spelled; "" is the default value, written as @
    RegType type = RegType::String;
    std::string strData;  // the text of a string; for other forms everything after "=", verbatim
    std::uint32_t nData = 0;
    std::vector<std::string> comments;  // comment lines standing before the value

    bool operator==(const CRegValue&) const = default;
};

struct CRegKey {
    std::string strPath;  // as spelled between the brackets
    std::vector<CRegValue> values;
    std::vector<std::string> comments;  // comment lines standing before the key

    const CRegValue* FindValue(std::string_view name) const;
    CRegValue* FindValue(std::string_view name);
    // Replaces type and data of a value of that name, keeping its spelling and place, or appends it.
    void SetValue(std::string_view name, RegType type, std::string_view text, std::uint32_t number);

    bool operator==(const CRegKey&) const = default;
};

// A file in the registry-export text format: the header line, then keys in brackets, each
// followed by its values. Everything read is kept, known or not, so writing it back loses
// nothing but blank lines.
class CRegFile {
public:
    static constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";

    // Nothing when the text is not in the format. Accepts CR LF or LF line ends and a UTF-8
    // byte order mark; a key or value given twice is one entry, the later data winning.
    static std::optional<CRegFile> Parse(std::string_view text);

    // The text with LF line ends, numbers as eight lower-case hex digits.
    std::string Write() const;

    const std::vector<CRegKey>& Keys() const { return m_keys; }
    const CRegKey* FindKey(std::string_view path) const;
    CRegKey& GetOrAddKey(std::string_view path);

    void SetString(std::string_view keyPath, std::string_view name, std::string_view text);
    void SetDword(std::string_view keyPath, std::string_view name, std::uint32_t number);

    bool operator==(const CRegFile&) const = default;

private:
    std::vector<CRegKey> m_keys;
    std::vector<std::string> m_trailingComments;
};
