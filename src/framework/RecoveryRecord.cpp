#include "RecoveryRecord.h"

#include <charconv>
#include <cstdint>

namespace {

constexpr std::string_view kFirstLine = "Ondrik recovery 1\n";

void AppendField(std::string& out, std::string_view name, std::string_view value)
{
    out.append(name);
    out.push_back(' ');
    out.append(std::to_string(value.size()));
    out.push_back(':');
    out.append(value);
}

// Reads the record's fields from the front of the bytes, each reader giving false on anything
// but what the layout allows.
class CFieldReader {
public:
    explicit CFieldReader(std::string_view bytes) : m_rest(bytes) {}

    bool Take(std::string_view expected)
    {
        if (m_rest.substr(0, expected.size()) != expected)
            return false;
        m_rest.remove_prefix(expected.size());
        return true;
    }

    // Only as the writer writes numbers: no leading zero, no "-0", a sign only where a number
    // may be below zero (a file's time before 1970).
    template <class Number>
    bool TakeNumber(Number& value)
    {
        const auto [end, error] = std::from_chars(m_rest.data(), m_rest.data() + m_rest.size(), value);
        if (error != std::errc())
            return false;
        const std::string_view digits = m_rest.substr(0, static_cast<std::size_t>(end - m_rest.data()));
        const std::string_view unsigned_ = digits.front() == '-' ? digits.substr(1) : digits;
        if (unsigned_.size() > 1 && unsigned_.front() == '0')
            return false;
        if (digits.front() == '-' && unsigned_ == "0")
            return false;
        m_rest.remove_prefix(digits.size());
        return true;
    }

    bool TakeString(std::string_view name, std::string& value, bool bLast)
    {
        std::size_t nLength = 0;
        if (!Take(name) || !Take(" ") || !TakeNumber(nLength) || !Take(":") || nLength > m_rest.size())
            return false;
        value.assign(m_rest.substr(0, nLength));
        m_rest.remove_prefix(nLength);
        return bLast ? m_rest.empty() : Take("\n");
    }

private:
    std::string_view m_rest;
};

}  // namespace

std::string CRecoveryRecord::Encode(std::string_view text) const
{
    std::string bytes;
    EncodeInto(bytes, text);
    return bytes;
}

void CRecoveryRecord::EncodeInto(std::string& out, std::string_view text) const
{
    std::string header(kFirstLine);
    AppendField(header, "type", strDocType);
    header.push_back('\n');
    AppendField(header, "path", strPath);
    header.push_back('\n');
    AppendField(header, "title", strTitle);
    header.push_back('\n');
    if (fileStamp.bExists) {
        header += "stamp 1 " + std::to_string(fileStamp.nDevice) + " " + std::to_string(fileStamp.nInode) + " " +
                  std::to_string(fileStamp.nSize) + " " + std::to_string(fileStamp.nModifiedNs) + "\n";
    } else {
        header += "stamp 0\n";
    }
    header += "text " + std::to_string(text.size()) + ":";

    out.clear();
    // Room to spare, so the next file of a text that grows as the user types fits the same memory.
    const std::size_t nSize = header.size() + text.size();
    if (out.capacity() < nSize)
        out.reserve(nSize + nSize / 8);
    out += header;
    out += text;
}

std::optional<CRecoveryRecord> CRecoveryRecord::Decode(std::string_view bytes)
{
    CRecoveryRecord record;
    CFieldReader in(bytes);
    if (!in.Take(kFirstLine) || !in.TakeString("type", record.strDocType, false) ||
        !in.TakeString("path", record.strPath, false) || !in.TakeString("title", record.strTitle, false) ||
        !in.Take("stamp "))
        return std::nullopt;
    if (in.Take("1 ")) {
        CFileStamp& stamp = record.fileStamp;
        stamp.bExists = true;
        if (!in.TakeNumber(stamp.nDevice) || !in.Take(" ") || !in.TakeNumber(stamp.nInode) || !in.Take(" ") ||
            !in.TakeNumber(stamp.nSize) || !in.Take(" ") || !in.TakeNumber(stamp.nModifiedNs))
            return std::nullopt;
    } else if (!in.Take("0")) {
        return std::nullopt;
    }
    if (!in.Take("\n") || !in.TakeString("text", record.strText, true) || record.strDocType.empty())
        return std::nullopt;
    return record;
}
