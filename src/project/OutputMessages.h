#pragma once

#include "LineMarker.h"
#include "MessageJump.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The messages of the last output the Process Window showed that open a source line, as a
// double-click on them would, in the output's order: what Next Error and Previous Error walk,
// and, for javac's errors and warnings, what a compile marks in its sources.
class COutputMessages {
public:
    struct CEntry {
        int nOutputLine = 0;
        std::string strFile;  // full path
        int nLine = 0;        // 0-based, as the source windows count
        // The output line as written, without the blanks before it: what the status bar shows.
        std::string strSummary;
        // javac's error or warning marks its line with this text; "" for any other message.
        std::string strMark;
        EMarkerKind markKind = EMarkerKind::Error;
    };

    // Reads the output afresh; the walk starts again before the first message. Each file is
    // looked for once, however many messages name it.
    void Read(std::string_view output, const MessageJump::CMessagePlaces& places);
    void Clear();

    bool IsEmpty() const { return m_entries.empty(); }
    const std::vector<CEntry>& GetEntries() const { return m_entries; }

    // The next or the previous message, which then becomes the current one; none past either
    // end, and the current one stays.
    const CEntry* Next();
    const CEntry* Previous();
    // The walk goes on from line nOutputLine: the message there is the current one, or the walk
    // stands between the messages before and after it.
    void MoveTo(int nOutputLine);

    // The marks of javac's errors and warnings, by file.
    std::map<std::string, std::vector<CLineMarker>> Marks() const;

private:
    std::vector<CEntry> m_entries;
    std::size_t m_nNext = 0;
    std::ptrdiff_t m_nPrevious = -1;
};
