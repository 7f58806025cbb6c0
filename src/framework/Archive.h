#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The byte stream documents are stored in and loaded from. All numbers are little-endian.
// A load that runs past the end or meets a value that cannot be right stops for good: every
// later read gives zero or empty, so record code needs no checks of its own between reads.
class CArchive {
public:
    enum class Mode { Store, Load };

    // Nested records deeper than this are refused when loading; the program itself writes
    // classes two levels deep.
    static constexpr int kMaxDepth = 64;

    CArchive();                                 // storing into an empty buffer
    explicit CArchive(std::string_view bytes);  // loading from these bytes, which must outlive it
    explicit CArchive(std::string&&) = delete;

    bool IsStoring() const { return m_mode == Mode::Store; }
    bool IsLoading() const { return m_mode == Mode::Load; }

    // Loading: whether a read ran past the end or met a bad value.
    bool Failed() const { return m_bFailed; }
    void Fail();

    // Loading: bytes not yet read, and the size of the whole input.
    std::size_t Remaining() const;
    std::size_t InputSize() const { return m_input.size(); }

    // Storing: what was written.
    const std::string& Bytes() const { return m_output; }

    void WriteByte(std::uint8_t value);
    void WriteU16(std::uint16_t value);
    void WriteU32(std::uint32_t value);
    void WriteI32(std::int32_t value);
    void WriteString(std::string_view text);
    void WriteCount(std::size_t count);
    void WriteBytes(std::string_view bytes) { m_output.append(bytes); }

    std::uint8_t ReadByte();
    std::uint16_t ReadU16();
    std::uint32_t ReadU32();
    std::int32_t ReadI32();
    std::string ReadString();
    std::size_t ReadCount();
    // Everything not yet read.
    std::string ReadRemaining();

    // Store or load, by the archive's mode.
    void Exchange(std::string& text);
    void Exchange(std::vector<std::string>& strings);

    // Counts one level of nesting while loading; fails the archive past kMaxDepth.
    class CDepthGuard {
    public:
        explicit CDepthGuard(CArchive& ar);
        ~CDepthGuard() { --m_ar.m_nDepth; }
        CDepthGuard(const CDepthGuard&) = delete;
        CDepthGuard& operator=(const CDepthGuard&) = delete;

    private:
        CArchive& m_ar;
    };

private:
    bool Take(std::size_t count);  // moves past count bytes if they are there
    std::uint32_t ReadStringLength(bool& bWide);

    Mode m_mode;
    std::string m_output;
    std::string_view m_input;
    std::size_t m_nPos = 0;
    bool m_bFailed = false;
    int m_nDepth = 0;
};
