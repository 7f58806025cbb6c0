#include "Archive.h"

namespace {

void AppendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Wide strings become the program's 8-bit text (UTF-8); a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    auto unitAt = [&](std::size_t i) {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                          (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    };
    for (std::size_t i = 0; i < units; ++i) {
        const std::uint16_t u = unitAt(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const std::uint16_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((static_cast<std::uint32_t>(u) - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF)
            AppendUtf8(out, 0xFFFD);
        else
            AppendUtf8(out, u);
    }
    return out;
}

}  // namespace

CArchive::CArchive() : m_mode(Mode::Store) {}

CArchive::CArchive(std::string_view bytes) : m_mode(Mode::Load), m_input(bytes) {}

void CArchive::Fail()
{
    m_bFailed = true;
    m_nPos = m_input.size();
}

std::size_t CArchive::Remaining() const
{
    return m_input.size() - m_nPos;
}

void CArchive::WriteByte(std::uint8_t value)
{
    m_output.push_back(static_cast<char>(value));
}

void CArchive::WriteU16(std::uint16_t value)
{
    WriteByte(static_cast<std::uint8_t>(value & 0xFF));
    WriteByte(static_cast<std::uint8_t>(value >> 8));
}

void CArchive::WriteU32(std::uint32_t value)
{
    WriteU16(static_cast<std::uint16_t>(value & 0xFFFF));
    WriteU16(static_cast<std::uint16_t>(value >> 16));
}

void CArchive::WriteI32(std::int32_t value)
{
    WriteU32(static_cast<std::uint32_t>(value));
}

void CArchive::WriteString(std::string_view text)
{
    const std::size_t length = text.size();
    if (length < 0xFF) {
        WriteByte(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        WriteByte(0xFF);
        WriteU16(static_cast<std::uint16_t>(length));
    } else {
        WriteByte(0xFF);
        WriteU16(0xFFFF);
        WriteU32(static_cast<std::uint32_t>(length));
    }
    m_output.append(text);
}

void CArchive::WriteCount(std::size_t count)
{
    if (count < 0xFFFF) {
        WriteU16(static_cast<std::uint16_t>(count));
    } else {
        WriteU16(0xFFFF);
        WriteU32(static_cast<std::uint32_t>(count));
    }
}

bool CArchive::Take(std::size_t count)
{
    if (m_bFailed || count > Remaining()) {
        Fail();
        return false;
    }
    m_nPos += count;
    return true;
}

std::uint8_t CArchive::ReadByte()
{
    if (!Take(1))
        return 0;
    return static_cast<unsigned char>(m_input[m_nPos - 1]);
}

std::uint16_t CArchive::ReadU16()
{
    if (!Take(2))
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(m_input.data() + m_nPos - 2);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t CArchive::ReadU32()
{
    if (!Take(4))
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(m_input.data() + m_nPos - 4);
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int32_t CArchive::ReadI32()
{
    return static_cast<std::int32_t>(ReadU32());
}

// One byte below 0xFF; else 0xFF and 16 bits below 0xFFFF; else 0xFFFF and 32 bits. The 16-bit
// value 0xFFFE marks wide text, whose length follows in the same form.
std::uint32_t CArchive::ReadStringLength(bool& bWide)
{
    bWide = false;
    std::uint8_t shortLength = ReadByte();
    if (shortLength < 0xFF)
        return shortLength;
    std::uint16_t wordLength = ReadU16();
    if (wordLength == 0xFFFE) {
        bWide = true;
        shortLength = ReadByte();
        if (shortLength < 0xFF)
            return shortLength;
        wordLength = ReadU16();
    }
    if (wordLength < 0xFFFF)
        return wordLength;
    return ReadU32();
}

std::string CArchive::ReadString()
{
    bool bWide = false;
    const std::uint64_t length = ReadStringLength(bWide);
    const std::uint64_t byteCount = bWide ? 2 * length : length;
    // The length is checked against what is left before anything is allocated for it.
    if (m_bFailed || byteCount > Remaining()) {
        Fail();
        return {};
    }
    const std::string_view text = m_input.substr(m_nPos, static_cast<std::size_t>(byteCount));
    m_nPos += static_cast<std::size_t>(byteCount);
    return bWide ? Utf16ToUtf8(text) : std::string(text);
}

std::size_t CArchive::ReadCount()
{
    const std::uint16_t wordCount = ReadU16();
    if (wordCount != 0xFFFF)
        return wordCount;
    return ReadU32();
}

std::string CArchive::ReadRemaining()
{
    std::string rest(m_input.substr(m_nPos));
    m_nPos = m_input.size();
    return rest;
}

void CArchive::Exchange(std::string& text)
{
    if (IsStoring())
        WriteString(text);
    else
        text = ReadString();
}

void CArchive::Exchange(std::vector<std::string>& strings)
{
    if (IsStoring()) {
        WriteCount(strings.size());
        for (const auto& s : strings)
            WriteString(s);
        return;
    }
    strings.clear();
    const std::size_t count = ReadCount();
    // Every string takes at least one byte, so a larger count cannot be real.
    if (count > Remaining()) {
        Fail();
        return;
    }
    strings.reserve(count);
    for (std::size_t i = 0; i < count && !m_bFailed; ++i)
        strings.push_back(ReadString());
}

CArchive::CDepthGuard::CDepthGuard(CArchive& ar) : m_ar(ar)
{
    if (++m_ar.m_nDepth > kMaxDepth)
        m_ar.Fail();
}
