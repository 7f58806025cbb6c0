#include "SourceEditing.h"

#include "ColourClass.h"

#include <algorithm>

namespace SourceEditing {

namespace {

// The lines from the one holding s to the one holding e - 1: a selection ending at the start
// of a line does not reach into it, and an empty one there gives no line at all.
std::pair<int, int> SelectedLines(const CTextModel& text)
{
    const CTextRange selection = text.GetSelection();
    const int nFirst = text.LineFromPosition(selection.nStart);
    const int nLast = selection.nEnd > 0 ? text.LineFromPosition(selection.nEnd - 1) : -1;
    return {nFirst, nLast};
}

// Puts bytes with their classes in place of nStart to nEnd, so lines that only moved keep
// their colours until the next pass over them.
void ReplaceKeepingClasses(CTextModel& text, TextPos nStart, TextPos nEnd, std::string_view bytes,
                           std::string_view classes)
{
    text.Replace(nStart, nEnd, bytes);
    text.SetClasses(nStart, classes);
}

// The smallest range of held, the text from nStart on, whose replacement by some of converted
// makes that text converted, replaced as one change; nothing when the two are equal. held is
// read before anything changes.
void ReplaceDifference(CTextModel& text, TextPos nStart, std::string_view held, std::string_view converted)
{
    const std::size_t nShorter = std::min(held.size(), converted.size());
    std::size_t nPrefix = 0;
    while (nPrefix < nShorter && held[nPrefix] == converted[nPrefix])
        ++nPrefix;
    if (nPrefix == held.size() && nPrefix == converted.size())
        return;
    std::size_t nSuffix = 0;
    while (nSuffix < nShorter - nPrefix && held[held.size() - 1 - nSuffix] == converted[converted.size() - 1 - nSuffix])
        ++nSuffix;
    const TextPos nEnd = nStart + static_cast<TextPos>(held.size() - nSuffix);
    text.Replace(nStart + static_cast<TextPos>(nPrefix), nEnd,
                 converted.substr(nPrefix, converted.size() - nSuffix - nPrefix));
}

// Puts what convert makes of the text in its place a stretch of about a megabyte at a time, as
// one undo step with the caret at the start. The editor then never holds a second copy of the
// whole text, in its buffers or its undo history, and each stretch goes in where the last one
// ended. A stretch never ends between the CR and the LF of a pair, so convert sees every line
// break whole.
template <class Convert>
void ConvertByStretches(CTextModel& text, Convert convert)
{
    constexpr TextPos kStretch = TextPos {1} << 20;
    const CUndoStep step(text);
    std::string converted;
    TextPos nPos = 0;
    while (nPos < text.GetLength()) {
        const TextPos nLength = text.GetLength();
        TextPos nEnd = std::min(nPos + kStretch, nLength);
        if (nEnd < nLength && text.GetBytes(nEnd - 1, nEnd + 1) == "\r\n")
            ++nEnd;
        const std::string_view held = text.GetBytes(nPos, nEnd);
        converted.clear();
        convert(held, converted);
        ReplaceDifference(text, nPos, held, converted);
        nPos += static_cast<TextPos>(converted.size());
    }
    text.SetSelection(0, 0);
}

}  // namespace

// The editor itself leaves a caret standing where the bytes go in before them.
void ReplaceAsTyped(CTextModel& text, CTextRange selection, std::string_view bytes)
{
    const TextPos nStart = std::min(selection.nStart, selection.nEnd);
    text.Replace(nStart, std::max(selection.nStart, selection.nEnd), bytes);
    const TextPos nCaret = nStart + static_cast<TextPos>(bytes.size());
    text.SetSelection(nCaret, nCaret);
}

std::string TabUnit(int nTabWidth, bool bSpaceTabs)
{
    return bSpaceTabs ? std::string(static_cast<std::size_t>(std::max(nTabWidth, 1)), ' ') : std::string("\t");
}

void IncreaseIndent(CTextModel& text, std::string_view unit)
{
    const auto [nFirst, nLast] = SelectedLines(text);
    const TextPos nStart = text.LineStart(nFirst);
    const TextPos nEnd = text.LineStart(nLast + 1);
    const CUndoStep step(text);
    if (nLast >= nFirst) {
        const std::string_view old = text.GetBytes(nStart, nEnd);
        const std::string oldClasses = text.GetClasses(nStart, nEnd);
        std::string bytes, classes;
        const std::size_t nLines = static_cast<std::size_t>(nLast - nFirst + 1);
        bytes.reserve(old.size() + nLines * unit.size());
        classes.reserve(bytes.capacity());
        // The inserted unit takes the class of what comes before it, as typed text would.
        char before = nStart > 0 ? text.GetClasses(nStart - 1, nStart)[0] : ColourClass::kNormal;
        TextPos nLineStart = nStart;
        for (int nLine = nFirst; nLine <= nLast; ++nLine) {
            const TextPos nNext = std::min(text.LineStart(nLine + 1), nEnd);
            const std::size_t from = static_cast<std::size_t>(nLineStart - nStart);
            const std::size_t length = static_cast<std::size_t>(nNext - nLineStart);
            bytes += unit;
            classes.append(unit.size(), before);
            bytes += old.substr(from, length);
            classes += std::string_view(oldClasses).substr(from, length);
            if (length > 0)
                before = oldClasses[from + length - 1];
            nLineStart = nNext;
        }
        ReplaceKeepingClasses(text, nStart, nEnd, bytes, classes);
    }
    text.SetSelection(text.LineStart(nFirst), text.LineStart(nLast + 1));
}

void DecreaseIndent(CTextModel& text)
{
    const auto [nFirst, nLast] = SelectedLines(text);
    const TextPos nStart = text.LineStart(nFirst);
    if (nLast < nFirst) {
        text.SetSelection(nStart, nStart);
        return;
    }
    const TextPos nEnd = text.LineStart(nLast + 1);
    const CUndoStep step(text);
    const std::string_view old = text.GetBytes(nStart, nEnd);
    const std::string oldClasses = text.GetClasses(nStart, nEnd);
    std::string bytes, classes;
    bytes.reserve(old.size());
    classes.reserve(old.size());
    bool bChanged = false;
    TextPos nLineStart = nStart;
    for (int nLine = nFirst; nLine <= nLast; ++nLine) {
        const TextPos nNext = std::min(text.LineStart(nLine + 1), nEnd);
        std::size_t from = static_cast<std::size_t>(nLineStart - nStart);
        const std::size_t to = static_cast<std::size_t>(nNext - nStart);
        if (from < to && (old[from] == '\t' || old[from] == ' ')) {
            ++from;
            bChanged = true;
        }
        bytes += old.substr(from, to - from);
        classes += std::string_view(oldClasses).substr(from, to - from);
        nLineStart = nNext;
    }
    if (bChanged)
        ReplaceKeepingClasses(text, nStart, nEnd, bytes, classes);
    text.SetSelection(text.LineStart(nFirst), text.LineEnd(nLast));
}

void TypeTab(CTextModel& text, bool bShift, std::string_view unit)
{
    const CTextRange selection = text.GetSelection();
    if (selection.nEnd - selection.nStart <= 0) {
        ReplaceAsTyped(text, selection, unit);
        return;
    }
    if (bShift)
        DecreaseIndent(text);
    else
        IncreaseIndent(text, unit);
}

void AutoIndent(CTextModel& text)
{
    // The line above is read as far as a line's first 1024 bytes.
    constexpr TextPos kReadLimit = 1024;
    const CTextRange selection = text.GetSelection();
    const int nLine = text.LineFromPosition(selection.nEnd);
    if (nLine <= 0)
        return;
    const TextPos nAbove = text.LineStart(nLine - 1);
    const std::string_view above = text.GetBytes(nAbove, std::min(text.LineEnd(nLine - 1), nAbove + kReadLimit));
    std::size_t nTabs = 0, nSpaces = 0;
    for (char c : above) {
        if (c == '\t')
            ++nTabs;
        else if (c == ' ')
            ++nSpaces;
        else
            break;
    }
    if (nTabs + nSpaces == 0)
        return;
    ReplaceAsTyped(text, selection, std::string(nTabs, '\t') + std::string(nSpaces, ' '));
}

void ConvertLinebreaks(CTextModel& text)
{
    ConvertByStretches(text, [](std::string_view held, std::string& converted) {
        // Whole runs between line breaks are copied at once; the next CR and the next LF are
        // each looked for again only once passed, so the text is read once whichever ends its
        // lines.
        std::size_t nNextCr = held.find('\r');
        std::size_t nNextLf = held.find('\n');
        std::size_t i = 0;
        while (i < held.size()) {
            if (nNextCr != std::string_view::npos && nNextCr < i)
                nNextCr = held.find('\r', i);
            if (nNextLf != std::string_view::npos && nNextLf < i)
                nNextLf = held.find('\n', i);
            const std::size_t nBreak = std::min(nNextCr, nNextLf);
            if (nBreak == std::string_view::npos) {
                converted.append(held.substr(i));
                break;
            }
            converted.append(held.substr(i, nBreak - i));
            converted += "\r\n";
            i = nBreak + (held[nBreak] == '\r' && nBreak + 1 < held.size() && held[nBreak + 1] == '\n' ? 2 : 1);
        }
    });
}

void ConvertTabsToSpaces(CTextModel& text, int nTabWidth)
{
    const std::string unit = TabUnit(nTabWidth, true);
    ConvertByStretches(text, [&unit](std::string_view held, std::string& converted) {
        std::size_t i = 0;
        while (i < held.size()) {
            const std::size_t nTab = held.find('\t', i);
            converted.append(held.substr(i, nTab == std::string_view::npos ? std::string_view::npos : nTab - i));
            if (nTab == std::string_view::npos)
                break;
            converted += unit;
            i = nTab + 1;
        }
    });
}

}  // namespace SourceEditing
