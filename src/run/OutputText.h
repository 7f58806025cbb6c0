#pragma once

#include "ByteBlocks.h"

#include <cstddef>
#include <string>
#include <string_view>

// The output text of a captured run, with CR LF line ends: every LF the child writes becomes
// CR LF, a CR LF stays one CR LF even when it arrives split over two chunks, and a lone CR
// stays as it is. Every byte is kept, NULs too.
//
// Positions count every byte the run has written, also those no longer kept: past the bound,
// the oldest whole lines are let go, so a program that prints without end keeps the memory it
// takes within the bound. The bytes lie in blocks that never move, so each chunk only costs
// time in proportion to its own length, however long the text is.
class COutputText {
public:
    static constexpr std::size_t kBound = std::size_t(32) << 20;
    static constexpr std::size_t kBlockSize = std::size_t(1) << 20;

    struct CPiece {
        std::size_t nFrom = 0;  // the position of the piece's first byte
        std::string bytes;
    };

    explicit COutputText(std::size_t nBound = kBound, std::size_t nBlockSize = kBlockSize);

    // Empty again, at position 0; the memory goes back too.
    void Clear();

    // A chunk read from the child.
    void AppendChunk(std::string_view chunk);
    // Text of the program's own, taken as it stands.
    void AppendRaw(std::string_view text);

    // The position of the first byte kept: how many bytes were let go.
    std::size_t Start() const { return m_bytes.Start(); }
    // The position after the last byte: how many bytes the run has written.
    std::size_t End() const { return m_bytes.End(); }
    std::size_t KeptSize() const { return End() - Start(); }
    std::string Text() const { return CopyFrom(Start()); }

    // The text from position nFrom on (from the first byte kept, when nFrom lies before it), at
    // most nMax bytes of it; "" when nFrom is at or past the end.
    std::string CopyFrom(std::size_t nFrom, std::size_t nMax = std::string::npos) const;
    // The same, with the position it really starts at.
    CPiece PieceFrom(std::size_t nFrom, std::size_t nMax = std::string::npos) const;

private:
    void KeepWithinBound();

    std::size_t m_nBound;
    CByteBlocks m_bytes;
    char m_chLast = '\0';  // the last byte written, also once it is let go
};
