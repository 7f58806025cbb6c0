#include "JavaColouring.h"

#include "ColourClass.h"

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
};

constexpr std::array<bool, 256> MakeWordCharTable()
{
    std::array<bool, 256> table{};
    for (char c : kIdentifierAlphabet)
        table[static_cast<unsigned char>(c)] = true;
    return table;
}

constexpr std::array<bool, 256> kWordChar = MakeWordCharTable();

bool IsWordChar(char c)
{
    return kWordChar[static_cast<unsigned char>(c)];
}

// Every keyword is made of alphabet letters only, so a keyword whose neighbours are outside the
// alphabet is exactly a maximal run of alphabet letters that equals it. Runs are looked up by first
// letter, then length; no bucket holds more than a handful of words.
class CKeywordLookup {
public:
    CKeywordLookup()
    {
        for (const std::string& word : Keywords())
            m_byFirst[static_cast<unsigned char>(word[0])].push_back(word);
    }

    bool IsKeyword(std::string_view run) const
    {
        const std::vector<std::string_view>& bucket = m_byFirst[static_cast<unsigned char>(run[0])];
        return std::find(bucket.begin(), bucket.end(), run) != bucket.end();
    }

private:
    std::array<std::vector<std::string_view>, 256> m_byFirst;
};

void Fill(std::string& classes, std::size_t nFrom, std::size_t nTo, char code)
{
    nTo = std::min(nTo, classes.size());
    if (nFrom < nTo)
        std::fill(classes.begin() + static_cast<std::ptrdiff_t>(nFrom),
                  classes.begin() + static_cast<std::ptrdiff_t>(nTo), code);
}

// Where a line comment of the whole-text pass ends: at a LF (the LF of a CR LF pair, so the comment
// covers the CR), or at a CR that no LF follows.
bool EndsLineAt(std::string_view text, std::size_t i)
{
    return text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
}

enum class EState { Code, LineComment, BlockComment, StringJustOpened, String };

}  // namespace

const std::vector<std::string>& Keywords()
{
    static const std::vector<std::string> keywords = [] {
        std::string joined;
        for (std::string_view part : kKeywordParts)
            joined += part;
        std::vector<std::string> words;
        std::size_t nStart = 0;
        for (std::size_t nSemicolon; (nSemicolon = joined.find(';', nStart)) != std::string::npos;
             nStart = nSemicolon + 1)
            words.push_back(joined.substr(nStart, nSemicolon - nStart));
        if (nStart < joined.size())
            words.push_back(joined.substr(nStart));
        return words;
    }();
    return keywords;
}

void MarkKeywords(std::string_view text, std::string& classes)
{
    static const CKeywordLookup lookup;
    const std::size_t n = std::min(text.size(), classes.size());
    std::size_t i = 0;
    while (i < n) {
        if (!IsWordChar(text[i])) {
            ++i;
            continue;
        }
        std::size_t nEnd = i + 1;
        while (nEnd < text.size() && IsWordChar(text[nEnd]))
            ++nEnd;
        if (lookup.IsKeyword(text.substr(i, nEnd - i)))
            Fill(classes, i, nEnd, ColourClass::kKeyword);
        i = nEnd;
    }
}

std::string FullPass(std::string_view text)
{
    const std::size_t n = text.size();
    std::string classes(n, ColourClass::kNormal);
    MarkKeywords(text, classes);

    // How the text begins decides its first three bytes together; the walk starts after them.
    EState state = EState::Code;
    if (text.starts_with("//"))
        state = EState::LineComment;
    else if (text.starts_with("/*"))
        state = EState::BlockComment;
    else if (text.starts_with('"'))
        state = EState::String;
    if (state == EState::String)
        Fill(classes, 0, 3, ColourClass::kString);
    else if (state != EState::Code)
        Fill(classes, 0, 3, ColourClass::kComment);
    // A first line that is just "//": the walk begins on the next line and looks at all of it.
    if (state == EState::LineComment && n > 2 && EndsLineAt(text, 2))
        state = EState::Code;

    for (std::size_t i = 3; i < n; ++i) {
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
        case EState::Code:
            if (text[i] == '"')
                state = EState::StringJustOpened;
            else if (text[i] == '/' && i + 1 < n && text[i + 1] == '/')
                state = EState::LineComment;
            else if (text[i] == '/' && i + 1 < n && text[i + 1] == '*')
                state = EState::BlockComment;
            break;
        }
        if (state == EState::String || state == EState::StringJustOpened)
            classes[i] = ColourClass::kString;
        else if (state != EState::Code)
            classes[i] = ColourClass::kComment;
    }
    return classes;
}

std::string LinePass(std::string_view line, bool bOpenCommentAbove)
{
    constexpr std::size_t npos = std::string_view::npos;
    const std::size_t m = line.size();
    std::string classes(m, ColourClass::kNormal);
    MarkKeywords(line, classes);

    // Strings: a quote after a backslash that is not itself escaped does not close; an unclosed
    // string runs to the line's end; the byte after a closing quote never opens the next one.
    for (std::size_t nOpen = line.find('"'); nOpen != npos;) {
        std::size_t nClose = line.find('"', nOpen + 1);
        while (nClose != npos && nClose > 1 && line[nClose - 1] == '\\' && line[nClose - 2] != '\\')
            nClose = line.find('"', nClose + 1);
        const std::size_t nEnd = nClose == npos ? m : nClose + 1;
        Fill(classes, nOpen, nEnd, ColourClass::kString);
        nOpen = line.find('"', nEnd + 1);
    }

    // A line comment starts at the first "//" outside a string.
    std::size_t nSlashes = line.find("//");
    while (nSlashes != npos && classes[nSlashes] == ColourClass::kString)
        nSlashes = line.find("//", nSlashes + 1);
    if (nSlashes != npos)
        Fill(classes, nSlashes, m, ColourClass::kComment);

    // Block comments are found by search, strings or not; one left open above covers the line
    // unless the line closes it.
    const std::size_t nFirstCloser = line.find("*/");
    if (nFirstCloser == npos && bOpenCommentAbove)
        Fill(classes, 0, m, ColourClass::kComment);
    std::size_t nFrom = 0;
    for (;;) {
        const std::size_t nOpener = line.find("/*", nFrom);
        if (nOpener == npos) {
            if (nFirstCloser != npos && bOpenCommentAbove)
                Fill(classes, 0, nFirstCloser + 2, ColourClass::kComment);
            break;
        }
        const std::size_t nCloser = line.find("*/", nOpener);
        if (nCloser == npos) {
            Fill(classes, nOpener, m, ColourClass::kComment);
            break;
        }
        Fill(classes, nOpener, nCloser + 2, ColourClass::kComment);
        nFrom = nCloser;
    }
    return classes;
}

}  // namespace JavaColouring
