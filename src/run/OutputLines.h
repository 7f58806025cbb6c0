#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The text the Process Window's output box shows: the run's output bytes as they came, and
// where each of its lines starts. A line ends at a CR, a CR LF being one line end, so that line
// n here is line n of the project's jump to a message's source line; a LF on its own is part of
// its line. The text after the last CR is the last line (empty after a final line end).
//
// The bytes are kept in blocks that never move and the line starts in a deque, so adding text
// costs only as much as the text added, however much is shown already.
// How many bytes at the end of text begin a UTF-8 character that is not complete yet.
std::size_t IncompleteUtf8Tail(std::string_view text);

class COutputLines {
public:
    static constexpr std::size_t kBlockSize = std::size_t(1) << 20;

    COutputLines();

    void Clear();
    void Append(std::string_view bytes);

    std::size_t Size() const { return m_nSize; }
    bool IsEmpty() const { return m_nSize == 0; }
    std::size_t LineCount() const { return m_lineStarts.size(); }
    std::size_t LineStart(std::size_t nLine) const { return m_lineStarts[nLine]; }
    // Where the line's text ends: at its CR, or at the end of the text for the last line.
    std::size_t LineEnd(std::size_t nLine) const;
    // The line that holds position nPos; the last line for the end of the text.
    std::size_t LineOf(std::size_t nPos) const;
    // The length in bytes of the longest line, line ends not counted.
    std::size_t LongestLine() const;

    char At(std::size_t nPos) const { return m_blocks[nPos / kBlockSize][nPos % kBlockSize]; }
    // The bytes from nFrom up to nTo, both limited to the text.
    std::string Copy(std::size_t nFrom, std::size_t nTo) const;
    std::string LineText(std::size_t nLine) const { return Copy(LineStart(nLine), LineEnd(nLine)); }
    std::string Text() const { return Copy(0, m_nSize); }

private:
    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::size_t m_nSize = 0;
    std::deque<std::size_t> m_lineStarts;
    std::size_t m_nLongestEnded = 0;  // of the lines that have their line end
    // The text ends in a CR: a LF that comes next belongs to that line end.
    bool m_bEndsInCr = false;
};
