#include "JavaColouring.h"

#include "ColourClass.h"
#include "LineRules.h"
#include "WordMarker.h"

#include <algorithm>
#include <array>

namespace JavaColouring {

namespace {

// Joined in this order and split at each ";", these give the table.
constexpr std::string_view kKeywordParts[] = {
    "abstract;boolean;break;byte;byvalue;case;cast;",
    "default;do;double;else;extends;false;final;goto;if;implements;",
    "import;inner;instanceof;int;operator;outer;package;private;",
    "protected;public;rest;synchronized;this;throw;throws;transient;",
    "true;try;catch;char;class;const;continue;finally;float;for;future;",
    "generic;interface;long;native;new;null;return;short;static;super;",
    "switch;var;void;volatile;while;",
    "assert;enum;strictfp;",
};

using LineRules::Fill;

// Where a line comment of the whole-text pass ends: at a LF (the LF of a CR LF pair, so the comment
// covers the CR), or at a CR that no LF follows.
bool EndsLineAt(std::string_view text, std::size_t i)
{
    return text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
}

// The states from StringJustOpened on are inside a string or a literal.
enum class EState { Code, LineComment, BlockComment, StringJustOpened, String, Character, TextBlock };

bool TextBlockQuotesAt(std::string_view text, std::size_t i)
{
    return i + 2 < text.size() && text[i] == '"' && text[i + 1] == '"' && text[i + 2] == '"';
}

// Where a text block whose content starts at nFrom ends (past its closing quotes), or npos when
// it runs on past the end of text. A backslash escapes the byte after it.
std::size_t TextBlockEnd(std::string_view text, std::size_t nFrom)
{
    for (std::size_t i = nFrom; i < text.size(); ++i) {
        if (text[i] == '\\')
            ++i;
        else if (TextBlockQuotesAt(text, i))
            return i + 3;
    }
    return std::string_view::npos;
}

// Where a character literal whose content starts at nFrom ends (past its closing quote), or the
// end of the line when no quote closes it there.
std::size_t CharacterEnd(std::string_view line, std::size_t nFrom)
{
    for (std::size_t i = nFrom; i < line.size(); ++i) {
        if (line[i] == '\\')
            ++i;
        else if (line[i] == '\'')
            return i + 1;
    }
    return line.size();
}

// The literals of a caret line: character literals and text blocks, each as the bytes it covers.
// They open only outside the strings and comments the line's own rules find, and those rules never
// look inside them.
struct CLineLiterals {
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    bool bTextBlockOpenAtEnd = false;
};

CLineLiterals FindLineLiterals(std::string_view line, bool bOpenCommentAbove, bool bTextBlockAbove)
{
    constexpr std::size_t npos = std::string_view::npos;
    const std::size_t m = line.size();
    CLineLiterals found;
    // Most lines hold no literal: nothing to walk.
    if (!bTextBlockAbove && line.find('\'') == npos && line.find(R"(""")") == npos)
        return found;
    std::size_t p = 0;
    if (bTextBlockAbove) {
        const std::size_t nEnd = TextBlockEnd(line, 0);
        found.spans.emplace_back(0, nEnd == npos ? m : nEnd);
        if (nEnd == npos) {
            found.bTextBlockOpenAtEnd = true;
            return found;
        }
        p = nEnd;
    }
    // The states of the line's rules before byte p: a string as the caret line finds strings (a
    // quote just after a closing one opens none), a block comment as found by search, strings or
    // not, and the line comment, which starts at the first "//" outside a string.
    bool bString = false;
    std::size_t nStringFrom = 0;
    bool bComment = bOpenCommentAbove && !bTextBlockAbove;
    while (p < m) {
        const char c = line[p];
        const bool bNextIs = p + 1 < m;
        if (!bString && !bComment) {
            std::size_t nEnd = npos;
            if (TextBlockQuotesAt(line, p)) {
                nEnd = TextBlockEnd(line, p + 3);
                if (nEnd == npos) {
                    found.spans.emplace_back(p, m);
                    found.bTextBlockOpenAtEnd = true;
                    return found;
                }
            } else if (c == '\'') {
                nEnd = CharacterEnd(line, p + 1);
            }
            if (nEnd != npos) {
                found.spans.emplace_back(p, nEnd);
                p = nEnd;
                continue;
            }
        }
        if (bString) {
            if (c == '"' && !(p > 1 && line[p - 1] == '\\' && line[p - 2] != '\\')) {
                bString = false;
                nStringFrom = p + 2;
            }
        } else if (c == '"' && p >= nStringFrom) {
            bString = true;
        } else if (c == '/' && bNextIs && line[p + 1] == '/') {
            // The line comment: nothing opens in the rest of the line.
            return found;
        }
        if (bComment) {
            // The closer's "/" may start the next opener.
            if (c == '*' && bNextIs && line[p + 1] == '/')
                bComment = false;
        } else if (c == '/' && bNextIs && line[p + 1] == '*') {
            bComment = true;
        }
        ++p;
    }
    return found;
}

}  // namespace

const std::vector<std::string>& Keywords()
{
    static const std::vector<std::string> keywords = CWordMarker::SplitList(kKeywordParts);
    return keywords;
}

void MarkKeywords(std::string_view text, std::string& classes)
{
    static const CWordMarker marker(Keywords(), kIdentifierAlphabet);
    marker.ForEach(text, [&classes](std::size_t nStart, std::size_t nLength) {
        Fill(classes, nStart, nStart + nLength, ColourClass::kKeyword);
    });
}

std::string FullPass(std::string_view text)
{
    const std::size_t n = text.size();
    std::string classes(n, ColourClass::kNormal);
    MarkKeywords(text, classes);

    // How the text begins decides its first three bytes together; the walk starts after them,
    // except in a character literal, which is walked from its second byte.
    EState state = EState::Code;
    std::size_t i = 3;
    if (text.starts_with("//"))
        state = EState::LineComment;
    else if (text.starts_with("/*"))
        state = EState::BlockComment;
    else if (TextBlockQuotesAt(text, 0))
        state = EState::TextBlock;
    else if (text.starts_with('"'))
        state = EState::String;
    else if (text.starts_with('\'')) {
        state = EState::Character;
        i = 1;
    }
    if (state == EState::String || state == EState::TextBlock)
        Fill(classes, 0, 3, ColourClass::kString);
    else if (state == EState::Character)
        classes[0] = ColourClass::kString;
    else if (state != EState::Code)
        Fill(classes, 0, 3, ColourClass::kComment);
    // A first line that is just "//": the walk begins on the next line and looks at all of it.
    if (state == EState::LineComment && n > 2 && EndsLineAt(text, 2))
        state = EState::Code;

    // Inside a literal a backslash takes the byte after it along.
    bool bEscaped = false;
    for (; i < n; ++i) {
        // The byte at which a comment or string ends is not looked at for the start of another.
        switch (state) {
        case EState::BlockComment:
            if (text[i - 2] == '*' && text[i - 1] == '/')
                state = EState::Code;
            break;
        case EState::LineComment:
            if (EndsLineAt(text, i))
                state = EState::Code;
            break;
        case EState::StringJustOpened:
            state = EState::String;
            break;
        case EState::String:
            if (text[i - 1] == '"' && (text[i - 2] != '\\' || text[i - 3] == '\\'))
                state = EState::Code;
            break;
        case EState::Character:
            // A character literal never runs past its line; its closing quote is its own.
            if (text[i] == '\r' || text[i] == '\n') {
                state = EState::Code;
                bEscaped = false;
            } else if (bEscaped) {
                bEscaped = false;
            } else if (text[i] == '\\') {
                bEscaped = true;
            } else if (text[i] == '\'') {
                classes[i] = ColourClass::kString;
                state = EState::Code;
            }
            break;
        case EState::TextBlock:
            if (bEscaped) {
                bEscaped = false;
            } else if (text[i] == '\\') {
                bEscaped = true;
            } else if (TextBlockQuotesAt(text, i)) {
                Fill(classes, i, i + 3, ColourClass::kString);
                i += 2;
                state = EState::Code;
            }
            break;
        case EState::Code:
            if (text[i] == '"') {
                if (TextBlockQuotesAt(text, i)) {
                    Fill(classes, i, i + 3, ColourClass::kString);
                    i += 2;
                    state = EState::TextBlock;
                } else {
                    state = EState::StringJustOpened;
                }
            } else if (text[i] == '\'') {
                state = EState::Character;
            } else if (text[i] == '/' && i + 1 < n && text[i + 1] == '/') {
                state = EState::LineComment;
            } else if (text[i] == '/' && i + 1 < n && text[i + 1] == '*') {
                state = EState::BlockComment;
            }
            break;
        }
        // Every state from StringJustOpened on is inside a string or a literal.
        if (state >= EState::StringJustOpened)
            classes[i] = ColourClass::kString;
        else if (state != EState::Code)
            classes[i] = ColourClass::kComment;
    }
    return classes;
}

std::string LinePass(std::string_view whole, bool bOpenCommentAbove, bool bTextBlockAbove)
{
    constexpr std::size_t npos = std::string_view::npos;
    const std::size_t m = whole.size();
    std::string classes(m, ColourClass::kNormal);
    MarkKeywords(whole, classes);

    // The line's other rules read it with its literals blanked out, so nothing inside one counts.
    const CLineLiterals literals = FindLineLiterals(whole, bOpenCommentAbove, bTextBlockAbove);
    std::string blanked;
    std::string_view line = whole;
    if (!literals.spans.empty()) {
        blanked = whole;
        for (const auto& [nFrom, nTo] : literals.spans)
            blanked.replace(nFrom, nTo - nFrom, nTo - nFrom, ' ');
        line = blanked;
    }
    LineRules::MarkStrings(line, classes);

    // A line comment starts at the first "//" outside a string; block comments are found by
    // search, strings or not.
    std::size_t nSlashes = line.find("//");
    while (nSlashes != npos && classes[nSlashes] == ColourClass::kString)
        nSlashes = line.find("//", nSlashes + 1);
    if (nSlashes != npos)
        Fill(classes, nSlashes, m, ColourClass::kComment);

    // A line that starts inside a text block starts outside any comment.
    LineRules::MarkBlockComments(line, classes, "/*", "*/", bOpenCommentAbove && !bTextBlockAbove);
    for (const auto& [nFrom, nTo] : literals.spans)
        Fill(classes, nFrom, nTo, ColourClass::kString);
    return classes;
}

bool TextBlockOpenAfter(std::string_view line, bool bOpenCommentAbove, bool bTextBlockAbove)
{
    // Without three quotes in a row no text block opens or closes on the line.
    if (line.find(R"(""")") == std::string_view::npos)
        return bTextBlockAbove;
    return FindLineLiterals(line, bOpenCommentAbove, bTextBlockAbove).bTextBlockOpenAtEnd;
}

}  // namespace JavaColouring
