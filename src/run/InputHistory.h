#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

// The lines typed into the Process Window's input line, newest last, for Up and Down as a
// shell has them: Up goes back a line at a time, Down forward again, and past the newest line
// Down gives back what was being typed before Up was first pressed.
class CInputHistory {
public:
    static constexpr std::size_t kMaxLines = 100;

    // A line sent: it becomes the newest, unless it is empty or the same as the newest; browsing
    // starts again after it.
    void Add(const std::string& line);
    // The line to show for Up, given what the input line holds now; nothing at the oldest.
    std::optional<std::string> Older(const std::string& current);
    // The line to show for Down; nothing when not browsing.
    std::optional<std::string> Newer();
    std::size_t Size() const { return m_lines.size(); }

private:
    std::deque<std::string> m_lines;
    std::size_t m_nAt = 0;  // the line shown while browsing; m_lines.size() when not browsing
    std::string m_strDraft;
};
