#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a later start of the program sends the running instance: the files to open, as bytes,
// each behind its length, and the one answer that says they were taken. Paths are file-system
// bytes, so spaces, line feeds and bytes that are not UTF-8 pass unchanged.
//
// Layout: the four bytes "ODK1", the number of paths, then each path's length and its bytes;
// numbers are 32-bit big-endian.
class CInstanceMessage {
public:
    enum class State { Incomplete, Complete, Malformed };

    // Bounds a reader holds a sender to, so a wrong sender cannot make it hold unbounded data.
    static constexpr std::size_t kMaxPaths = 4096;
    static constexpr std::size_t kMaxPathBytes = 4096;
    static constexpr std::string_view kAcknowledgement = "ODK1 ok\n";

    // Nothing when the list is longer or a path is longer than a reader takes.
    static std::optional<std::string> Encode(const std::vector<std::string>& paths);

    // Takes the bytes as they arrive, in pieces of any size. Bytes after a complete message,
    // or anything outside the layout, make it malformed for good.
    State Append(std::string_view bytes);

    State GetState() const { return m_state; }
    // The paths once the message is complete.
    const std::vector<std::string>& GetPaths() const { return m_paths; }

private:
    // Takes whole fields out of m_pending while they are there.
    void Consume();
    bool TakeNumber(std::size_t& pos, std::uint32_t& value) const;

    State m_state = State::Incomplete;
    std::string m_pending;
    bool m_bHeaderRead = false;
    std::size_t m_nExpected = 0;
    std::optional<std::size_t> m_pathLength;
    std::vector<std::string> m_paths;
};
