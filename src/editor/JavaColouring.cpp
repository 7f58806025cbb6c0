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
};

using LineRules::Fill;

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

    LineRules::MarkStrings(line, classes);

    // A line comment starts at the first "//" outside a string; block comments are found by
    // search, strings or not.
    std::size_t nSlashes = line.find("//");
    while (nSlashes != npos && classes[nSlashes] == ColourClass::kString)
        nSlashes = line.find("//", nSlashes + 1);
    if (nSlashes != npos)
        Fill(classes, nSlashes, m, ColourClass::kComment);

    LineRules::MarkBlockComments(line, classes, "/*", "*/", bOpenCommentAbove);
    return classes;
}

}  // namespace JavaColouring
