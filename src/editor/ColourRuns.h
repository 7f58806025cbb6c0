#pragma once

#include "TextModel.h"

#include <string_view>

// Gives the bytes from nBase on the classes a pass found, writing to the editor only where
// what it holds differs: one write from the first differing byte to the last, none when
// nothing differs. Typing inside a line that is already coloured right writes nothing.
void ApplyColourRuns(CTextModel& text, TextPos nBase, std::string_view classes);
