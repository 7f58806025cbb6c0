#include "TextSearch.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <vector>

namespace {

unsigned char Fold(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

bool IsWordByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || u == '_' || (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

struct CFoldedHash {
    std::size_t operator()(char c) const { return Fold(c); }
};
struct CFoldedEqual {
    bool operator()(char a, char b) const { return Fold(a) == Fold(b); }
};

bool IsWholeWord(std::string_view text, std::size_t nStart, std::size_t nEnd)
{
    return (nStart == 0 || !IsWordByte(text[nStart - 1])) && (nEnd == text.size() || !IsWordByte(text[nEnd]));
}

// Every match in text[nFrom, nTo) from the left or from the right, in turn, until onMatch
// takes one; a Boyer-Moore-Horspool pass over the bytes in place.
template <typename Iterator, typename Searcher>
std::optional<std::size_t> Scan(Iterator first, Iterator last, const Searcher& searcher,
                                const std::function<bool(std::size_t)>& accept, bool bReverse)
{
    const Iterator begin = first;
    while (first != last) {
        const auto [matchBegin, matchEnd] = searcher(first, last);
        if (matchBegin == last)
            return std::nullopt;
        const auto nOffset = static_cast<std::size_t>(std::distance(begin, bReverse ? matchEnd : matchBegin));
        if (accept(nOffset))
            return nOffset;
        first = std::next(matchBegin);
    }
    return std::nullopt;
}

// The first (going down) or last (going up) match lying wholly in [nFrom, nTo).
std::optional<std::size_t> FindIn(std::string_view text, const CSearchOptions& options, std::size_t nFrom,
                                  std::size_t nTo)
{
    const std::string_view find = options.strFind;
    if (find.empty() || nTo < nFrom || nTo - nFrom < find.size())
        return std::nullopt;
    const std::string_view part = text.substr(nFrom, nTo - nFrom);
    const auto acceptForward = [&](std::size_t nOffset) {
        return !options.bWholeWord || IsWholeWord(text, nFrom + nOffset, nFrom + nOffset + find.size());
    };
    // Going up, the part and the pattern are read backwards; a match's offset from the part's
    // end is where the match ends.
    const auto acceptBackward = [&](std::size_t nFromEnd) {
        const std::size_t nStart = nFrom + part.size() - nFromEnd;
        return !options.bWholeWord || IsWholeWord(text, nStart, nStart + find.size());
    };
    std::optional<std::size_t> found;
    if (options.bDown) {
        if (options.bMatchCase)
            found = Scan(part.begin(), part.end(), std::boyer_moore_horspool_searcher(find.begin(), find.end()),
                         acceptForward, false);
        else
            found = Scan(part.begin(), part.end(),
                         std::boyer_moore_horspool_searcher(find.begin(), find.end(), CFoldedHash {}, CFoldedEqual {}),
                         acceptForward, false);
        return found ? std::optional(nFrom + *found) : std::nullopt;
    }
    if (options.bMatchCase)
        found = Scan(part.rbegin(), part.rend(), std::boyer_moore_horspool_searcher(find.rbegin(), find.rend()),
                     acceptBackward, true);
    else
        found = Scan(part.rbegin(), part.rend(),
                     std::boyer_moore_horspool_searcher(find.rbegin(), find.rend(), CFoldedHash {}, CFoldedEqual {}),
                     acceptBackward, true);
    return found ? std::optional(nFrom + part.size() - *found) : std::nullopt;
}

bool IsMatch(std::string_view text, const CSearchOptions& options, CTextRange range)
{
    const std::string_view find = options.strFind;
    if (find.empty() || range.nStart < 0 || range.nEnd - range.nStart != static_cast<TextPos>(find.size()) ||
        range.nEnd > static_cast<TextPos>(text.size()))
        return false;
    const std::string_view selected = text.substr(static_cast<std::size_t>(range.nStart), find.size());
    const bool bSame = options.bMatchCase ? selected == find : std::equal(selected.begin(), selected.end(), find.begin(),
                                                                          CFoldedEqual {});
    return bSame && (!options.bWholeWord ||
                     IsWholeWord(text, static_cast<std::size_t>(range.nStart), static_cast<std::size_t>(range.nEnd)));
}

}  // namespace

namespace TextSearch {

std::optional<CTextRange> Find(std::string_view text, const CSearchOptions& options, TextPos nFrom)
{
    const std::size_t nSize = text.size();
    const auto nPos = static_cast<std::size_t>(std::clamp<TextPos>(nFrom, 0, static_cast<TextPos>(nSize)));
    const std::size_t nLength = options.strFind.size();
    std::optional<std::size_t> found;
    if (options.bDown) {
        found = FindIn(text, options, nPos, nSize);
        // Round from the start: a match may run across where the search began.
        if (!found)
            found = FindIn(text, options, 0, std::min(nSize, nPos + nLength - (nLength > 0 ? 1 : 0)));
    } else {
        found = FindIn(text, options, 0, nPos);
        if (!found)
            found = FindIn(text, options, nPos >= nLength ? nPos - nLength + 1 : 0, nSize);
    }
    if (!found)
        return std::nullopt;
    return CTextRange {static_cast<TextPos>(*found), static_cast<TextPos>(*found + nLength)};
}

bool FindNext(CTextModel& text, const CSearchOptions& options)
{
    const CTextRange selection = text.GetSelection();
    const auto found = Find(text.GetAllBytes(), options, options.bDown ? selection.nEnd : selection.nStart);
    if (!found)
        return false;
    text.SetSelection(found->nStart, found->nEnd);
    return true;
}

bool Replace(CTextModel& text, const CSearchOptions& options, std::string_view strReplace)
{
    const CTextRange selection = text.GetSelection();
    if (IsMatch(text.GetAllBytes(), options, selection)) {
        text.Replace(selection.nStart, selection.nEnd, strReplace);
        // Going up, the next match is looked for before the replacement, going down after it.
        const TextPos nEnd = selection.nStart + static_cast<TextPos>(strReplace.size());
        text.SetSelection(options.bDown ? nEnd : selection.nStart, options.bDown ? nEnd : selection.nStart);
    }
    return FindNext(text, options);
}

int ReplaceAll(CTextModel& text, const CSearchOptions& options, std::string_view strReplace)
{
    CSearchOptions down = options;
    down.bDown = true;
    const std::string_view bytes = text.GetAllBytes();
    std::vector<std::size_t> matches;
    for (std::optional<std::size_t> found = FindIn(bytes, down, 0, bytes.size()); found;
         found = FindIn(bytes, down, *found + down.strFind.size(), bytes.size()))
        matches.push_back(*found);
    if (matches.empty())
        return 0;
    // The changed span is built once and put in place by one change, however many matches.
    const std::size_t nLength = down.strFind.size();
    const std::size_t nSpanStart = matches.front(), nSpanEnd = matches.back() + nLength;
    std::string span;
    span.reserve(nSpanEnd - nSpanStart + matches.size() * strReplace.size());
    std::size_t nCopied = nSpanStart;
    for (std::size_t nMatch : matches) {
        span.append(bytes.substr(nCopied, nMatch - nCopied));
        span.append(strReplace);
        nCopied = nMatch + nLength;
    }
    {
        const CUndoStep step(text);
        text.Replace(static_cast<TextPos>(nSpanStart), static_cast<TextPos>(nSpanEnd), span);
    }
    const auto nCaret = static_cast<TextPos>(nSpanStart + span.size());
    text.SetSelection(nCaret, nCaret);
    return static_cast<int>(matches.size());
}

std::string NotFoundMessage(std::string_view strFind)
{
    return "Cannot find the string '" + std::string(strFind) + "'.";
}

}  // namespace TextSearch
