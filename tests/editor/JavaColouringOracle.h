#pragma once

// The Java window's colouring passes as first written: each keyword searched for on its own over
// the whole text, the left-to-right walk whose line comments end only at a CR LF pair, and the
// caret line's pass with the open-comment test searching back through all the text above. Slow but
// plainly right; the real passes must agree with them. Each pass comes by the rules as written and
// by today's, which add character literals, text blocks and three keywords; on a text without a
// single quote or three double quotes in a row the two must agree.

#include "editor/ColourClass.h"
#include "editor/JavaColouring.h"
#include "support/OracleFind.h"
#include "support/StringTextModel.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace oracle {

inline int ReverseFind(const std::string& s, const std::string& what)
{
    const auto pos = s.rfind(what);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

// The pieces of joined between semicolons; a trailing empty piece is dropped.
inline std::vector<std::string> SplitAtSemicolons(const std::string& joined)
{
    std::vector<std::string> words;
    std::string piece;
    for (char c : joined) {
        if (c == ';') {
            words.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.empty())
        words.push_back(piece);
    return words;
}

enum class ERules { Written, Today };

inline const std::vector<std::string>& WrittenKeywordTable()
{
    static const std::vector<std::string> table = [] {
        const std::string joined = std::string("abstract;boolean;break;byte;byvalue;case;cast;") +
                                   "default;do;double;else;extends;false;final;goto;if;implements;" +
                                   "import;inner;instanceof;int;operator;outer;package;private;" +
                                   "protected;public;rest;synchronized;this;throw;throws;transient;" +
                                   "true;try;catch;char;class;const;continue;finally;float;for;future;" +
                                   "generic;interface;long;native;new;null;return;short;static;super;" +
                                   "switch;var;void;volatile;while;";
        return SplitAtSemicolons(joined);
    }();
    return table;
}

// Today the table gains the words Java has reserved since it was written.
inline const std::vector<std::string>& KeywordTable(ERules rules = ERules::Today)
{
    static const std::vector<std::string> today = [] {
        std::vector<std::string> table = WrittenKeywordTable();
        for (const char* added : {"assert", "enum", "strictfp"})
            table.push_back(added);
        return table;
    }();
    return rules == ERules::Today ? today : WrittenKeywordTable();
}

inline bool InAlphabet(char c)
{
    return std::string("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_").find(c) != std::string::npos;
}

inline void MarkKeywords(const std::string& x, std::string& classes, ERules rules)
{
    const int n = static_cast<int>(x.size());
    for (const std::string& k : KeywordTable(rules)) {
        const int len = static_cast<int>(k.size());
        for (int i = Find(x, k); i >= 0; i = Find(x, k, i + 1)) {
            if (i > 0 && InAlphabet(x[i - 1]))
                continue;
            if (i + len < n && InAlphabet(x[i + len]))
                continue;
            for (int j = i; j < i + len; ++j)
                classes[j] = ColourClass::kKeyword;
        }
    }
}

inline bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Today a single quote opens a character literal and three double quotes a text block; inside one a
// backslash escapes the byte after it, and every byte, its delimiters too, is string. A character
// literal ends at its closing quote or before its line's break; a text block at its closing quotes
// or at the end of the text.
inline std::string FullPass(const std::string& t, ERules rules = ERules::Today)
{
    const bool bToday = rules == ERules::Today;
    const int n = static_cast<int>(t.size());
    std::string classes(t.size(), ColourClass::kNormal);
    MarkKeywords(t, classes, rules);

    bool bLineComment = false, bBlockComment = false, bInString = false, bJustOpened = false;
    bool bInCharacter = false, bInTextBlock = false, bEscaped = false;
    int nFirst = 3;
    if (t.substr(0, 2) == "//")
        bLineComment = true;
    if (t.substr(0, 2) == "/*")
        bBlockComment = true;
    if (bToday && t.substr(0, 3) == R"(""")") {
        bInTextBlock = true;
        for (int j = 0; j < 3; ++j)
            classes[j] = ColourClass::kString;
    } else if (n > 0 && t[0] == '"') {
        bInString = true;
        for (int j = 0; j < 3 && j < n; ++j)
            classes[j] = ColourClass::kString;
    }
    if (bToday && n > 0 && t[0] == '\'') {
        bInCharacter = true;
        classes[0] = ColourClass::kString;
        nFirst = 1;
    }
    if (bLineComment || bBlockComment) {
        for (int j = 0; j < 3 && j < n; ++j)
            classes[j] = ColourClass::kComment;
    }
    for (int i = nFirst; i < n; ++i) {
        if (bInCharacter) {
            if (IsLineBreak(t[i])) {
                bInCharacter = false;
                bEscaped = false;
                continue;
            }
            classes[i] = ColourClass::kString;
            if (bEscaped)
                bEscaped = false;
            else if (t[i] == '\\')
                bEscaped = true;
            else if (t[i] == '\'')
                bInCharacter = false;
            continue;
        }
        if (bInTextBlock) {
            classes[i] = ColourClass::kString;
            if (bEscaped) {
                bEscaped = false;
            } else if (t[i] == '\\') {
                bEscaped = true;
            } else if (t.substr(i, 3) == R"(""")") {
                classes[i + 1] = classes[i + 2] = ColourClass::kString;
                i += 2;
                bInTextBlock = false;
            }
            continue;
        }
        if (bToday && !bBlockComment && !bLineComment && !bInString) {
            if (t.substr(i, 3) == R"(""")") {
                bInTextBlock = true;
                for (int j = i; j < i + 3; ++j)
                    classes[j] = ColourClass::kString;
                i += 2;
                continue;
            }
            if (t[i] == '\'') {
                bInCharacter = true;
                classes[i] = ColourClass::kString;
                continue;
            }
        }
        if (bBlockComment) {
            if (t[i - 2] == '*' && t[i - 1] == '/')
                bBlockComment = false;
        } else if (bLineComment) {
            if (t[i - 1] == '\r' && t[i] == '\n')
                bLineComment = false;
        } else if (bInString) {
            if (!bJustOpened && t[i - 1] == '"' && (t[i - 2] != '\\' || t[i - 3] == '\\'))
                bInString = false;
            bJustOpened = false;
        } else {
            if (t[i] == '"') {
                bInString = true;
                bJustOpened = true;
            }
            if (t.substr(i, 2) == "//")
                bLineComment = true;
            if (t.substr(i, 2) == "/*")
                bBlockComment = true;
        }
        if (bInString)
            classes[i] = ColourClass::kString;
        if (bLineComment || bBlockComment)
            classes[i] = ColourClass::kComment;
    }
    return classes;
}

// Whether text ends inside a comment: it holds an opener and its last opener stands after its last
// closer, or it holds no closer.
inline bool OpenAbove(const std::string& above, const std::string& opener = "/*", const std::string& closer = "*/")
{
    const int nOpener = ReverseFind(above, opener);
    const int nCloser = ReverseFind(above, closer);
    return nOpener >= 0 && (nCloser < 0 || nOpener > nCloser);
}

// The caret line's strings and comments over x, the line without its line break, given whether the
// text above it ends inside a block comment.
inline void MarkLineStringsAndComments(const std::string& x, bool bOpenAbove, std::string& classes)
{
    const int m = static_cast<int>(x.size());
    int d = Find(x, "\"");
    while (d >= 0) {
        int i = Find(x, "\"", d + 1);
        while (1 < i && i < m && x[i - 1] == '\\' && x[i - 2] != '\\')
            i = Find(x, "\"", i + 1);
        const int end = i >= 0 ? i + 1 : m;
        for (int j = d; j < end; ++j)
            classes[j] = ColourClass::kString;
        d = Find(x, "\"", end + 1);
    }

    d = Find(x, "//");
    while (d >= 0 && classes[d] == ColourClass::kString)
        d = Find(x, "//", d + 1);
    if (d >= 0) {
        for (int j = d; j < m; ++j)
            classes[j] = ColourClass::kComment;
    }

    if (Find(x, "*/") < 0 && bOpenAbove) {
        for (int j = 0; j < m; ++j)
            classes[j] = ColourClass::kComment;
    }

    int p = 0;
    for (;;) {
        const int s = Find(x, "/*", p);
        if (s >= 0) {
            const int e = Find(x, "*/", s);
            if (e < 0) {
                for (int j = s; j < m; ++j)
                    classes[j] = ColourClass::kComment;
                break;
            }
            for (int j = s; j <= e + 1; ++j)
                classes[j] = ColourClass::kComment;
            p = e;
        } else {
            if (Find(x, "*/") >= 0 && bOpenAbove) {
                for (int j = 0; j <= Find(x, "*/") + 1; ++j)
                    classes[j] = ColourClass::kComment;
            }
            break;
        }
    }
}

// Where a literal's content that starts at nFrom ends, past its closing delimiter: a backslash
// escapes the byte after it. -1 when nothing closes it in x.
inline int LiteralEnd(const std::string& x, int nFrom, const std::string& closer)
{
    for (int j = nFrom; j < static_cast<int>(x.size()); ++j) {
        if (x[j] == '\\')
            ++j;
        else if (x.substr(j, closer.size()) == closer)
            return j + static_cast<int>(closer.size());
    }
    return -1;
}

// Today's literals of the caret line x: a quote or three double quotes open one where the line's own
// rules, reading the line up to there with the literals before it blanked out, find neither string
// nor comment. A line inside a text block opened above starts in it. Gives the spans and whether a
// text block is open at the line's end.
struct CLineLiterals {
    std::vector<std::pair<int, int>> spans;
    bool bTextBlockOpen = false;
};

inline CLineLiterals LineLiterals(const std::string& x, bool bCommentAbove, bool bTextBlockAbove)
{
    const int m = static_cast<int>(x.size());
    CLineLiterals found;
    std::string blanked = x;
    const auto take = [&](int nFrom, int nTo) {
        found.spans.emplace_back(nFrom, nTo);
        for (int j = nFrom; j < nTo; ++j)
            blanked[j] = ' ';
    };
    int p = 0;
    if (bTextBlockAbove) {
        const int nEnd = LiteralEnd(x, 0, R"(""")");
        take(0, nEnd < 0 ? m : nEnd);
        if (nEnd < 0) {
            found.bTextBlockOpen = true;
            return found;
        }
        p = nEnd;
    }
    for (; p < m; ++p) {
        const bool bTextBlock = x.substr(p, 3) == R"(""")";
        if (!bTextBlock && x[p] != '\'')
            continue;
        // A byte put after the text read so far takes the class of whatever is still open there.
        const std::string probe = blanked.substr(0, p) + " ";
        std::string classes(probe.size(), ColourClass::kNormal);
        MarkLineStringsAndComments(probe, bCommentAbove && !bTextBlockAbove, classes);
        if (classes.back() != ColourClass::kNormal)
            continue;
        if (bTextBlock) {
            const int nEnd = LiteralEnd(x, p + 3, R"(""")");
            take(p, nEnd < 0 ? m : nEnd);
            if (nEnd < 0) {
                found.bTextBlockOpen = true;
                return found;
            }
            p = nEnd - 1;
        } else {
            int nEnd = LiteralEnd(x, p + 1, "'");
            take(p, nEnd < 0 ? m : nEnd);
            p = (nEnd < 0 ? m : nEnd) - 1;
        }
    }
    return found;
}

// The caret line's pass over x, the line without its line break; above is all the text before the
// line's start, and bTextBlockAbove whether a text block runs on into the line.
inline std::string LinePass(const std::string& above, const std::string& x, bool bTextBlockAbove,
                            ERules rules = ERules::Today)
{
    std::string classes(x.size(), ColourClass::kNormal);
    MarkKeywords(x, classes, rules);
    if (rules == ERules::Written) {
        MarkLineStringsAndComments(x, OpenAbove(above), classes);
        return classes;
    }
    const CLineLiterals literals = LineLiterals(x, OpenAbove(above), bTextBlockAbove);
    std::string blanked = x;
    for (const auto& [nFrom, nTo] : literals.spans) {
        for (int j = nFrom; j < nTo; ++j)
            blanked[j] = ' ';
    }
    MarkLineStringsAndComments(blanked, OpenAbove(above) && !bTextBlockAbove, classes);
    for (const auto& [nFrom, nTo] : literals.spans) {
        for (int j = nFrom; j < nTo; ++j)
            classes[j] = ColourClass::kString;
    }
    return classes;
}

// Whether a text block opened above line nLine of text runs on into it, going down the lines from
// the first by the caret line's rules.
inline bool TextBlockAbove(const CStringTextModel& model, int nLine)
{
    bool bOpen = false;
    for (int k = 0; k < nLine && k < model.GetLineCount(); ++k) {
        const std::string above(model.GetBytes(0, model.LineStart(k)));
        const std::string line(model.GetBytes(model.LineStart(k), model.LineEnd(k)));
        bOpen = LineLiterals(line, OpenAbove(above), bOpen).bTextBlockOpen;
    }
    return bOpen;
}

// The text with every line break (CR LF, LF or CR) written as lineBreak.
inline std::string WithLineBreaks(std::string_view text, std::string_view lineBreak)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (text[i] == '\r' || text[i] == '\n')
            out += lineBreak;
        else
            out += text[i];
    }
    return out;
}

// One letter per byte (n normal, k keyword, c comment, s string, t tag, ? anything else), with CR and LF
// bytes standing as themselves so the letters read line by line beside the text.
inline std::string Letters(std::string_view text, std::string_view classes)
{
    std::string letters;
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const char byte = i < text.size() ? text[i] : '\0';
        if (byte == '\r' || byte == '\n')
            letters += byte;
        else if (classes[i] == ColourClass::kNormal)
            letters += 'n';
        else if (classes[i] == ColourClass::kKeyword)
            letters += 'k';
        else if (classes[i] == ColourClass::kComment)
            letters += 'c';
        else if (classes[i] == ColourClass::kString)
            letters += 's';
        else if (classes[i] == ColourClass::kTag)
            letters += 't';
        else
            letters += '?';
    }
    return letters;
}

// The text with line breaks and backslashes written out, for messages.
inline std::string Shown(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

// Whether today's rules must give what the rules as written give: the text holds no single quote,
// no three double quotes in a row and none of the added keywords.
inline bool WithoutLiterals(std::string_view text)
{
    for (const std::string_view added : {"'", R"(""")", "assert", "enum", "strictfp"}) {
        if (text.find(added) != std::string_view::npos)
            return false;
    }
    return true;
}

// The first of these to fail, as a message; empty when the fast passes agree with the oracle. The
// whole-text pass is compared on the text with CR LF line breaks, where the oracle's rule for the
// end of a line comment is the pass's.
inline std::string FullPassDifference(std::string_view text)
{
    const std::string crLf = WithLineBreaks(text, "\r\n");
    const std::string fast = JavaColouring::FullPass(crLf);
    const std::string slow = FullPass(crLf);
    if (fast != slow)
        return "full pass on \"" + Shown(crLf) + "\": " + Letters(crLf, fast) + " instead of " + Letters(crLf, slow);
    if (WithoutLiterals(crLf) && slow != FullPass(crLf, ERules::Written))
        return "today's full pass departs from the written one on \"" + Shown(crLf) + "\"";
    return {};
}

// Each line of the text, split as the editor splits it, through the caret line's pass given what
// the oracle finds above it.
inline std::string LinePassDifference(std::string_view text)
{
    const CStringTextModel model{std::string(text)};
    bool bTextBlockAbove = false;
    for (int nLine = 0; nLine < model.GetLineCount(); ++nLine) {
        const std::string above(model.GetBytes(0, model.LineStart(nLine)));
        const std::string line(model.GetBytes(model.LineStart(nLine), model.LineEnd(nLine)));
        const bool bOpenAbove = OpenAbove(above);
        const std::string fast = JavaColouring::LinePass(line, bOpenAbove, bTextBlockAbove);
        const std::string slow = LinePass(above, line, bTextBlockAbove);
        if (fast != slow)
            return "line pass on \"" + Shown(line) + "\" (open above " + (bOpenAbove ? "yes" : "no") +
                   ", text block above " + (bTextBlockAbove ? "yes" : "no") + "): " + Letters(line, fast) +
                   " instead of " + Letters(line, slow);
        if (WithoutLiterals(text) && slow != LinePass(above, line, false, ERules::Written))
            return "today's line pass departs from the written one on \"" + Shown(line) + "\"";
        const bool bNext = LineLiterals(line, bOpenAbove, bTextBlockAbove).bTextBlockOpen;
        if (JavaColouring::TextBlockOpenAfter(line, bOpenAbove, bTextBlockAbove) != bNext)
            return "text block open after \"" + Shown(line) + "\": " + (bNext ? "no" : "yes") + " instead of " +
                   (bNext ? "yes" : "no");
        bTextBlockAbove = bNext;
    }
    return {};
}

// The whole-text pass gives the bytes between line breaks the same classes whichever line breaks
// the text uses. Not when its first line holds fewer than two bytes: the first three bytes are
// decided together by how the text begins, and there the length of the break decides whether the
// second line's first byte is among them.
inline std::string LineBreakDifference(std::string_view text)
{
    const std::string forms[] = {WithLineBreaks(text, "\r\n"), WithLineBreaks(text, "\n"), WithLineBreaks(text, "\r")};
    if (forms[1].substr(0, 2).find('\n') != std::string::npos)
        return {};
    std::string wanted;
    for (const std::string& form : forms) {
        std::string kept = Letters(form, JavaColouring::FullPass(form));
        std::erase_if(kept, [](char c) { return c == '\r' || c == '\n'; });
        if (&form == &forms[0])
            wanted = kept;
        else if (kept != wanted)
            return "line breaks change the classes of \"" + Shown(form) + "\": " + kept + " instead of " + wanted;
    }
    return {};
}

}  // namespace oracle
