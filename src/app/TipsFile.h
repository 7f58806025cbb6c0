#pragma once

#include <optional>
#include <string>

// The tips file: one tip per line; a line that is empty or starts with a space, a tab or ";"
// is skipped. Lines are read in pieces of at most 999 characters, a CR before the LF dropped,
// and after the last line reading goes on from the first.
class CTipsFile {
public:
    static constexpr std::size_t kPieceLength = 999;

    // Reads the whole file; false when it cannot be read.
    bool Open(const std::string& path);
    bool IsOpen() const { return m_bOpen; }

    // Moves to a byte offset from the start; false for an offset that cannot be reached.
    bool Seek(long offset);
    long Tell() const { return static_cast<long>(m_nPos); }

    // The next tip after the current position, wrapping to the start once; nothing when the
    // file holds no tip at all.
    std::optional<std::string> ReadNextTip();

    // When the file was made (its birth time, else its last change), as the C library writes
    // calendar time ("Tue Dec  8 14:05:36 2026"), or "" when it cannot be told.
    static std::string CreationTimeText(const std::string& path);

private:
    // One piece from the current position, without its line end; nothing at the end of the file.
    std::optional<std::string> ReadPiece();
    static bool IsSkipped(const std::string& piece);

    std::string m_text;
    std::size_t m_nPos = 0;
    bool m_bOpen = false;
};
