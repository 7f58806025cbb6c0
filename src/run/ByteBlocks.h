#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

// Bytes at positions that keep counting while old bytes are let go: added at the end and let
// go at the front, in blocks that never move, so neither costs more than the bytes it touches
// however many are kept.
class CByteBlocks {
public:
    explicit CByteBlocks(std::size_t nBlockSize);

    // Empty, with the memory given back; the next byte added is at position nPos.
    void Clear(std::size_t nPos = 0);
    void Append(std::string_view bytes);
    // Lets go of the bytes before nPos (at most End()).
    void DropBefore(std::size_t nPos);

    std::size_t Start() const { return m_nStart; }
    std::size_t End() const { return m_nEnd; }
    char At(std::size_t nPos) const;
    // The bytes kept from nFrom up to nTo.
    std::string Copy(std::size_t nFrom, std::size_t nTo) const;
    // The first position from nFrom on that holds a or b; End() when none does.
    std::size_t FindEither(std::size_t nFrom, char a, char b) const;

private:
    std::size_t m_nBlockSize;
    std::deque<std::unique_ptr<char[]>> m_blocks;
    std::size_t m_nOrigin = 0;  // the position of the first block's first byte
    std::size_t m_nStart = 0;
    std::size_t m_nEnd = 0;
};
