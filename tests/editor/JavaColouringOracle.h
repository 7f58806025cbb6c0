#pragma once

// The Java window's colouring passes as first written: each keyword searched for on its own over
// the whole text, the left-to-right walk whose line comments end only at a CR LF pair, and the
// caret line's pass with the open-comment test searching back through all the text above. Slow but
// plainly right; the real passes must agree with them.

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

inline const std::vector<std::string>& KeywordTable()
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

inline bool InAlphabet(char c)
{
    return std::string("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_").find(c) != std::string::npos;
}

inline void MarkKeywords(const std::string& x, std::string& classes)
{
    const int n = static_cast<int>(x.size());
    for (const std::string& k : KeywordTable()) {
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

inline std::string FullPass(const std::string& t)
{
    const int n = static_cast<int>(t.size());
    std::string classes(t.size(), ColourClass::kNormal);
    MarkKeywords(t, classes);

    bool bLineComment = false, bBlockComment = false, bInString = false, bJustOpened = false;
    if (t.substr(0, 2) == "//")
        bLineComment = true;
    if (t.substr(0, 2) == "/*")
        bBlockComment = true;
    if (n > 0 && t[0] == '"') {
        bInString = true;
        for (int j = 0; j < 3 && j < n; ++j)
            classes[j] = ColourClass::kString;
    }
    if (bLineComment || bBlockComment) {
        for (int j = 0; j < 3 && j < n; ++j)
            classes[j] = ColourClass::kComment;
    }
    for (int i = 3; i < n; ++i) {
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

// The caret line's pass over x, the line without its line break; above is all the text before the
// line's start.
inline std::string LinePass(const std::string& above, const std::string& x)
{
    const int m = static_cast<int>(x.size());
    std::string classes(x.size(), ColourClass::kNormal);
    MarkKeywords(x, classes);

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

    const bool bOpenAbove = OpenAbove(above);

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
    return classes;
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

// The first of these to fail, as a message; empty when the fast passes agree with the oracle. The
// whole-text pass is compared on the text with CR LF line breaks, where the oracle's rule for the
// end of a line comment is the pass's.
inline std::string FullPassDifference(std::string_view text)
{
    const std::string crLf = WithLineBreaks(text, "\r\n");
    const std::string fast = JavaColouring::FullPass(crLf);
    const std::string slow = FullPass(crLf);
    if (fast == slow)
        return {};
    return "full pass on \"" + Shown(crLf) + "\": " + Letters(crLf, fast) + " instead of " + Letters(crLf, slow);
}

// Each line of the text, split as the editor splits it, through the caret line's pass given what
// the oracle finds above it.
inline std::string LinePassDifference(std::string_view text)
{
    const CStringTextModel model{std::string(text)};
    for (int nLine = 0; nLine < model.GetLineCount(); ++nLine) {
        const std::string above(model.GetBytes(0, model.LineStart(nLine)));
        const std::string line(model.GetBytes(model.LineStart(nLine), model.LineEnd(nLine)));
        const std::string fast = JavaColouring::LinePass(line, OpenAbove(above));
        const std::string slow = LinePass(above, line);
        if (fast != slow)
            return "line pass on \"" + Shown(line) + "\" (open above " + (OpenAbove(above) ? "yes" : "no") +
                   "): " + Letters(line, fast) + " instead of " + Letters(line, slow);
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
