#pragma once

#include "TextModel.h"

#include <string>
#include <string_view>

// The editing commands of a source window on its text model. Each change is one step for Undo
// and costs time in proportion to the text it touches, so a whole large file indents or
// converts at once. Lines end at CR LF, LF or CR alike.
namespace SourceEditing {

// What one press of Tab inserts: a TAB, or nTabWidth spaces (at least one) when bSpaceTabs.
std::string TabUnit(int nTabWidth, bool bSpaceTabs);

// Inserts unit at the start of every line the selection touches; a selection that ends at the
// very start of a line leaves that line out. The lines are then selected with the last one's
// line break.
void IncreaseIndent(CTextModel& text, std::string_view unit);
// Removes one leading TAB or space, at most, from every line the selection touches, which are
// then selected up to the last one's line break.
void DecreaseIndent(CTextModel& text);
// Tab typed: with no selection the unit replaces it, Shift or not; with one, the lines are
// indented, or outdented with Shift.
void TypeTab(CTextModel& text, bool bShift, std::string_view unit);
// After Enter put the caret on a new line: the TABs and spaces that start the line above go in
// at the caret, all the TABs first.
void AutoIndent(CTextModel& text);

// Puts bytes in place of the selection as typing does: the caret ends after them.
void ReplaceAsTyped(CTextModel& text, CTextRange selection, std::string_view bytes);

// Every CR LF, lone CR and lone LF becomes CR LF.
void ConvertLinebreaks(CTextModel& text);
// Every TAB becomes nTabWidth spaces (at least one), whatever its column.
void ConvertTabsToSpaces(CTextModel& text, int nTabWidth);

}  // namespace SourceEditing
