#pragma once

#include "TextModel.h"

#include "project/LineMarker.h"

#include <cstdint>
#include <optional>
#include <vector>

// Finding one's way in a source window's text: the line a jump selects, the function-list entry
// the caret is in, the brace beside the caret, and the lines a compile marks.
namespace SourceNavigation {

// Selects line nLine (0-based) without its line break, as every jump does; a line past either
// end selects the first or the last.
void SelectLine(CTextModel& text, int nLine);
// The same for the line that holds byte nPos.
void SelectLineAt(CTextModel& text, TextPos nPos);

// The entry of a function list whose header is the nearest at or above the caret's line: the
// one of the largest position up to nLineEnd, the end of the caret's line; -1 above the first.
// The positions are those of the last scan, however the text changed since.
int EntryAbove(const std::vector<std::int32_t>& positions, TextPos nLineEnd);

// The brace that the caret at nCaret stands beside: the one just before it, else the one just
// after it. Only ( ) [ ] { } count.
std::optional<TextPos> BraceBesideCaret(const CTextModel& text, TextPos nCaret);

// One marker per marked line, in line order: an error where any message of the line is one,
// the messages joined by line breaks in the order given. Lines past the text's end mark its
// last line, as the jump goes there.
std::vector<CLineMarker> MarkersByLine(const std::vector<CLineMarker>& markers, int nLineCount);

}  // namespace SourceNavigation
