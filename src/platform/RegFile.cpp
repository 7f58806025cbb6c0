#include "RegFile.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAscii(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = LowerAscii(c);
    return result;
}

// Blanks around the parts of a line; a CR is one too, so CR LF and LF files read alike.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && RegNamesEqual(text.substr(0, prefix.size()), prefix);
}

std::string_view TrimEnd(std::string_view text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Reads the text from the current position on. Strings are read character by character, as
// they may hold line breaks; everything else is read by lines.
class CRegParser {
public:
    explicit CRegParser(std::string_view text) : m_text(text) {}

    bool Run(std::vector<CRegKey>& keys, std::vector<std::string>& trailingComments);

private:
    bool AtEnd() const { return m_pos >= m_text.size(); }
    bool AtLineEnd() const { return AtEnd() || m_text[m_pos] == '\n'; }
    void SkipBlanks()
    {
        while (!AtEnd() && IsBlank(m_text[m_pos]))
            ++m_pos;
    }
    // The rest of the line without its line end (and without CRs before it); moves past it.
    std::string_view TakeLine();
    // Only blanks may follow on this line.
    bool FinishLine();
    bool ParseQuoted(std::string& out);
    bool ParseValue(CRegValue& value);
    bool ParseDword(std::uint32_t& number);
    bool ParseOtherForm(std::string& raw);

    std::string_view m_text;
    size_t m_pos = 0;
};

std::string_view CRegParser::TakeLine()
{
    const size_t end = std::min(m_text.find('\n', m_pos), m_text.size());
    std::string_view line = m_text.substr(m_pos, end - m_pos);
    while (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    m_pos = end < m_text.size() ? end + 1 : end;
    return line;
}

bool CRegParser::FinishLine()
{
    SkipBlanks();
    if (!AtLineEnd())
        return false;
    if (!AtEnd())
        ++m_pos;
    return true;
}

bool CRegParser::ParseQuoted(std::string& out)
{
    // The opening quote is already taken. Only \\ and \" are escapes; any other backslash
    // stands for itself.
    while (!AtEnd()) {
        const char c = m_text[m_pos++];
        if (c == '\\' && !AtEnd() && (m_text[m_pos] == '\\' || m_text[m_pos] == '"')) {
            out.push_back(m_text[m_pos++]);
            continue;
        }
        if (c == '"')
            return true;
        out.push_back(c);
    }
    return false;
}

bool CRegParser::ParseDword(std::uint32_t& number)
{
    number = 0;
    int digits = 0;
    while (!AtEnd() && HexDigit(m_text[m_pos]) >= 0) {
        if (++digits > 8)
            return false;
        number = (number << 4) | static_cast<std::uint32_t>(HexDigit(m_text[m_pos]));
        ++m_pos;
    }
    return digits > 0 && FinishLine();
}

bool CRegParser::ParseOtherForm(std::string& raw)
{
    // hex:bytes or hex(type):bytes, continued on the next line after a trailing backslash.
    const size_t start = m_pos;
    m_pos += 3;
    if (!AtEnd() && m_text[m_pos] == '(') {
        ++m_pos;
        const size_t typeStart = m_pos;
        while (!AtEnd() && HexDigit(m_text[m_pos]) >= 0)
            ++m_pos;
        if (m_pos == typeStart || AtEnd() || m_text[m_pos] != ')')
            return false;
        ++m_pos;
    }
    if (AtEnd() || m_text[m_pos] != ':')
        return false;
    ++m_pos;

    raw.assign(m_text.substr(start, m_pos - start));
    for (;;) {
        std::string_view line = TakeLine();
        raw.append(line);
        std::string_view body = TrimEnd(line);
        const bool continued = !body.empty() && body.back() == '\\';
        if (continued)
            body.remove_suffix(1);
        for (char c : body) {
            if (HexDigit(c) < 0 && c != ',' && !IsBlank(c))
                return false;
        }
        if (!continued)
            return true;
        // A continuation needs a following line; the line end itself was just taken.
        if (m_text[m_pos - 1] != '\n')
            return false;
        raw.push_back('\n');
    }
}

bool CRegParser::ParseValue(CRegValue& value)
{
    if (m_text[m_pos] == '@') {
        ++m_pos;
    } else {
        ++m_pos;
        if (!ParseQuoted(value.strName))
            return false;
    }
    SkipBlanks();
    if (AtEnd() || m_text[m_pos] != '=')
        return false;
    ++m_pos;
    SkipBlanks();
    if (AtEnd())
        return false;

    const std::string_view rest = m_text.substr(m_pos);
    if (rest.front() == '"') {
        ++m_pos;
        value.type = RegType::String;
        return ParseQuoted(value.strData) && FinishLine();
    }
    if (StartsWithNoCase(rest, "dword:")) {
        m_pos += 6;
        value.type = RegType::Dword;
        return ParseDword(value.nData);
    }
    value.type = RegType::Other;
    if (StartsWithNoCase(rest, "hex"))
        return ParseOtherForm(value.strData);
    if (rest.front() == '-') {
        // An import's order to delete the value.
        ++m_pos;
        value.strData = "-";
        return FinishLine();
    }
    return false;
}

bool CRegParser::Run(std::vector<CRegKey>& keys, std::vector<std::string>& trailingComments)
{
    if (m_text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        m_pos = kByteOrderMark.size();
    if (TrimEnd(TakeLine()) != CRegFile::kHeader)
        return false;

    std::vector<std::string> comments;
    std::unordered_map<std::string, size_t> keyIndex;
    std::vector<std::unordered_map<std::string, size_t>> valueIndex;
    std::optional<size_t> current;

    while (!AtEnd()) {
        const size_t lineStart = m_pos;
        SkipBlanks();
        if (AtLineEnd()) {
            TakeLine();
            continue;
        }
        const char c = m_text[m_pos];
        if (c == ';') {
            m_pos = lineStart;
            comments.emplace_back(TakeLine());
            continue;
        }
        if (c == '[') {
            const std::string_view line = TrimEnd(TakeLine());
            if (line.size() < 3 || line.back() != ']')
                return false;
            const std::string_view path = line.substr(1, line.size() - 2);
            auto [it, added] = keyIndex.try_emplace(LowerAscii(path), keys.size());
            if (added) {
                keys.push_back(CRegKey{std::string(path), {}, {}});
                valueIndex.emplace_back();
            }
            current = it->second;
            auto& keyComments = keys[*current].comments;
            keyComments.insert(keyComments.end(), comments.begin(), comments.end());
            comments.clear();
            continue;
        }
        if ((c != '"' && c != '@') || !current)
            return false;

        CRegValue value;
        if (!ParseValue(value))
            return false;
        CRegKey& key = keys[*current];
        auto [it, added] = valueIndex[*current].try_emplace(LowerAscii(value.strName), key.values.size());
        if (added) {
            value.comments = std::move(comments);
            key.values.push_back(std::move(value));
        } else {
            CRegValue& earlier = key.values[it->second];
            earlier.type = value.type;
            earlier.strData = std::move(value.strData);
            earlier.nData = value.nData;
            earlier.comments.insert(earlier.comments.end(), comments.begin(), comments.end());
        }
        comments.clear();
    }
    trailingComments = std::move(comments);
    return true;
}

void AppendQuoted(std::string& out, std::string_view text)
{
    out.push_back('"');
    for (char c : text) {
        if (c == '\\' || c == '"')
            out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
}

void AppendHex8(std::string& out, std::uint32_t number)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    for (int shift = 28; shift >= 0; shift -= 4)
        out.push_back(kDigits[(number >> shift) & 0xF]);
}

void AppendComments(std::string& out, const std::vector<std::string>& comments)
{
    for (const auto& line : comments) {
        out.append(line);
        out.push_back('\n');
    }
}

}  // namespace

bool RegNamesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

const CRegValue* CRegKey::FindValue(std::string_view name) const
{
    for (const auto& value : values) {
        if (RegNamesEqual(value.strName, name))
            return &value;
    }
    return nullptr;
}

CRegValue* CRegKey::FindValue(std::string_view name)
{
    return const_cast<CRegValue*>(static_cast<const CRegKey*>(this)->FindValue(name));
}

void CRegKey::SetValue(std::string_view name, RegType type, std::string_view text, std::uint32_t number)
{
    CRegValue* value = FindValue(name);
    if (value == nullptr) {
        values.emplace_back();
        value = &values.back();
        value->strName = std::string(name);
    }
    value->type = type;
    value->strData = std::string(text);
    value->nData = number;
}

std::optional<CRegFile> CRegFile::Parse(std::string_view text)
{
    CRegFile file;
    CRegParser parser(text);
    if (!parser.Run(file.m_keys, file.m_trailingComments))
        return std::nullopt;
    return file;
}

std::string CRegFile::Write() const
{
    std::string out(kHeader);
    out.append("\n\n");
    for (const auto& key : m_keys) {
        AppendComments(out, key.comments);
        out.push_back('[');
        out.append(key.strPath);
        out.append("]\n");
        for (const auto& value : key.values) {
            AppendComments(out, value.comments);
            if (value.strName.empty())
                out.push_back('@');
            else
                AppendQuoted(out, value.strName);
            out.push_back('=');
            switch (value.type) {
            case RegType::String:
                AppendQuoted(out, value.strData);
                break;
            case RegType::Dword:
                out.append("dword:");
                AppendHex8(out, value.nData);
                break;
            case RegType::Other:
                out.append(value.strData);
                break;
            }
            out.push_back('\n');
        }
        out.push_back('\n');
    }
    AppendComments(out, m_trailingComments);
    return out;
}

const CRegKey* CRegFile::FindKey(std::string_view path) const
{
    for (const auto& key : m_keys) {
        if (RegNamesEqual(key.strPath, path))
            return &key;
    }
    return nullptr;
}

CRegKey& CRegFile::GetOrAddKey(std::string_view path)
{
    for (auto& key : m_keys) {
        if (RegNamesEqual(key.strPath, path))
            return key;
    }
    m_keys.push_back(CRegKey{std::string(path), {}, {}});
    return m_keys.back();
}

void CRegFile::SetString(std::string_view keyPath, std::string_view name, std::string_view text)
{
    GetOrAddKey(keyPath).SetValue(name, RegType::String, text, 0);
}

void CRegFile::SetDword(std::string_view keyPath, std::string_view name, std::uint32_t number)
{
    GetOrAddKey(keyPath).SetValue(name, RegType::Dword, {}, number);
}
