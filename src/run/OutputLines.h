#pragma once

#include "ByteBlocks.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

// How many bytes at the end of text begin a UTF-8 character that is not complete yet.
std::size_t IncompleteUtf8Tail(std::string_view text);

// The text the Process Window's output box shows: the run's output bytes as they came, and
// where each of its lines starts. A line ends at a CR, a CR LF being one line end, so that line
// n here is line n of the project's jump to a message's source line; a LF on its own is part of
// its line. The text after the last CR is the last line (empty after a final line end).
//
// Positions are those of the run's output. Past the bound the oldest whole lines are let go;
// from then on the first line shown says how many bytes went, and Text() begins with it, so
// that the lines shown and the lines of Text() stay the same.
//
// The bytes are kept in blocks that never move and the line starts in a deque, so adding text
// and letting old lines go cost only as much as the text added or let go.
class COutputLines {
public:
    static constexpr std::size_t kBlockSize = std::size_t(1) << 20;
    static constexpr std::size_t kBound = std::size_t(32) << 20;

    explicit COutputLines(std::size_t nBound = kBound, std::size_t nBlockSize = kBlockSize);

    // Empty, and the next byte to come is the run's byte at nPos; the ones before it count as
    // let go.
    void Clear(std::size_t nPos = 0);
    void Append(std::string_view bytes);

    // The position after the last byte, in the run's output.
    std::size_t Size() const { return m_bytes.End(); }
    bool IsEmpty() const { return m_bytes.End() == m_bytes.Start(); }
    // Bytes let go before the first one kept.
    std::size_t DroppedBytes() const { return m_bytes.Start(); }
    // Lines let go since the last Clear; the line saying so is not one of them.
    std::uint64_t DroppedLines() const { return m_nDroppedLines; }

    // The lines as shown, the one saying what was let go first.
    std::size_t LineCount() const { return m_lineStarts.size() + HeaderLines(); }
    std::size_t LineLength(std::size_t nLine) const;
    // The line's first nMax bytes at most, line end not included.
    std::string LineHead(std::size_t nLine, std::size_t nMax) const;
    std::string LineText(std::size_t nLine) const { return LineHead(nLine, std::string::npos); }
    // The line that holds position nPos; the last line for the end of the text.
    std::size_t LineOf(std::size_t nPos) const;
    // The length in bytes of the longest line, line ends not counted; lines let go may still
    // count.
    std::size_t LongestLine() const;

    // The bytes kept from nFrom up to nTo.
    std::string Copy(std::size_t nFrom, std::size_t nTo) const { return m_bytes.Copy(nFrom, nTo); }
    // The line saying what was let go, with its CR LF, and every byte kept.
    std::string Text() const;

    // The first line while output is let go.
    static std::string DroppedLine(std::size_t nBytes);

private:
    std::size_t HeaderLines() const { return m_bytes.Start() > 0 ? 1 : 0; }
    // Where a kept line's text ends (0 is the first line kept).
    std::size_t KeptEnd(std::size_t nKept) const;
    void KeepWithinBound();

    std::size_t m_nBound;
    CByteBlocks m_bytes;
    // Where each kept line starts; the first is where the bytes kept start.
    std::deque<std::size_t> m_lineStarts;
    std::uint64_t m_nDroppedLines = 0;
    std::size_t m_nLongestEnded = 0;  // of the lines that have their line end
    // The text ends in a CR: a LF that comes next belongs to that line end.
    bool m_bEndsInCr = false;
};
