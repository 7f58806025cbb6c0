#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The output text of a captured run, with CR LF line ends: every LF the child writes becomes
// CR LF, a CR LF stays one CR LF even when it arrives split over two chunks, and a lone CR
// stays as it is. Each chunk only costs time in proportion to its own length.
class COutputText {
public:
    // Gives the memory back too: one huge run must not keep it for all the runs after it.
    void Clear() { std::string().swap(m_strText); }

    // A chunk read from the child; only the bytes before its first NUL count.
    void AppendChunk(std::string_view chunk);

    // Text of the program's own, taken as it stands.
    void AppendRaw(std::string_view text) { m_strText += text; }

    const std::string& Text() const { return m_strText; }
    std::size_t Size() const { return m_strText.size(); }

    // What can be added before the text must grow, and a copy with room for nBytes more
    // (growing by doubling), for a writer that grows the text where no reader waits for it.
    std::size_t Spare() const { return m_strText.capacity() - m_strText.size(); }
    COutputText CopyWithRoom(std::size_t nBytes) const;
    void Swap(COutputText& other) noexcept { m_strText.swap(other.m_strText); }

    // The text from position nFrom on, at most nMax bytes of it; "" when nFrom is at or past
    // the end.
    std::string CopyFrom(std::size_t nFrom, std::size_t nMax = std::string::npos) const;

private:
    std::string m_strText;
};
