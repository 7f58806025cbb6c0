#pragma once

#include "editor/TextModel.h"

#include <optional>
#include <string>
#include <string_view>

// What a search looks for. Case folding is ASCII only, on bytes, so a search never changes
// what a byte means in the text; a whole word has no letter, digit, '_' or byte above 127
// (part of a UTF-8 character) on either side.
struct CSearchOptions {
    std::string strFind;
    bool bMatchCase = false;
    bool bWholeWord = false;
    bool bDown = true;
};

// Searching and replacing in a text model, in byte positions. A search starts at the selection
// (after it going down, before it going up), runs to the end of the text in its direction and
// then once round from the other end back to where it started; each pass over the text is
// linear and reads the model's bytes in place.
namespace TextSearch {

// The next match from nFrom in the options' direction, wrapping round once; nothing when the
// text holds none or nothing is to be found.
std::optional<CTextRange> Find(std::string_view text, const CSearchOptions& options, TextPos nFrom);

// Finds the next match from the selection and selects it; false when there is none.
bool FindNext(CTextModel& text, const CSearchOptions& options);

// When the selection is a match, puts strReplace in its place; then finds the next match.
// False when no further match was found.
bool Replace(CTextModel& text, const CSearchOptions& options, std::string_view strReplace);

// Replaces every match in the whole text, left to right, as one step for Undo, and gives how
// many; the caret goes to the end of the last replacement.
int ReplaceAll(CTextModel& text, const CSearchOptions& options, std::string_view strReplace);

// The message shown when a search finds nothing.
std::string NotFoundMessage(std::string_view strFind);

}  // namespace TextSearch
