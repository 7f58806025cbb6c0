#include "HtmlColouring.h"

#include "ColourClass.h"
#include "LineRules.h"
#include "WordMarker.h"

#include <algorithm>

namespace HtmlColouring {

namespace {

using LineRules::Fill;
constexpr std::size_t npos = std::string_view::npos;

// Joined in this order and split at each ";", these give the tag list.
constexpr std::string_view kTagParts[] = {
    "a;abbr;acronym;address;applet;area;b;base;basefont;bdo;bgsound;",
    "big;blink;blockquote;body;br;button;caption;center;cite;code;col;colgroup;",
    "comment;dd;del;dfn;dir;div;dl;dt;em;embed;fieldset;font;form;frame;frameset;",
    "h1;h2;h3;h4;h5;h6;head;hr;html;i;iframe;ilayer;img;input;ins;isindex;kbd;keygen;",
    "label;layer;legend;li;link;listing;map;marquee;menu;meta;multicol;nobr;noembed;",
    "noframes;nolayer;noscript;object;ol;optgroup;option;p;param;plaintext;pre;q;s;",
    "samp;script;select;server;small;spacer;span;strike;strong;style;sub;sup;table;tbody;",
    "td;textarea;tfoot;th;thead;title;tr;tt;u;ul;var;wbr;xmp;",
};

std::string Lowered(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

// Each "<" through the next ">", or to the end when none follows.
void MarkTags(std::string_view text, std::string& classes)
{
    for (std::size_t nOpen = text.find('<'); nOpen != npos;) {
        const std::size_t nClose = text.find('>', nOpen + 1);
        const std::size_t nEnd = nClose == npos ? text.size() : nClose + 1;
        Fill(classes, nOpen, nEnd, ColourClass::kTag);
        nOpen = text.find('<', nEnd);
    }
}

// Tag names inside a tag: the nearest "<" before the name stands after the nearest ">" before
// it, or, with neither in text, the text above ended inside a tag. Names come in text order, so
// the nearest two are kept up to date by one walk over the text.
void MarkTagNames(std::string_view lower, std::string& classes, bool bInTagAbove)
{
    static const CWordMarker marker(TagNames(), kTagAlphabet);
    std::size_t nWalked = 0;
    std::size_t nLastOpen = npos, nLastClose = npos;
    marker.ForEach(lower, [&](std::size_t nStart, std::size_t nLength) {
        for (; nWalked < nStart; ++nWalked) {
            if (lower[nWalked] == '<')
                nLastOpen = nWalked;
            else if (lower[nWalked] == '>')
                nLastClose = nWalked;
        }
        const bool bInside = nLastOpen != npos ? nLastClose == npos || nLastClose < nLastOpen
                                               : nLastClose == npos && bInTagAbove;
        if (bInside)
            Fill(classes, nStart, nStart + nLength, ColourClass::kKeyword);
    });
}

// The closing quote of the string opened at nOpen: the next quote that does not follow a
// backslash, unless that backslash follows another.
std::size_t ClosingQuote(std::string_view text, std::size_t nOpen)
{
    std::size_t nClose = text.find('"', nOpen + 1);
    while (nClose != npos && nClose > 1 && text[nClose - 1] == '\\' && text[nClose - 2] != '\\')
        nClose = text.find('"', nClose + 1);
    return nClose;
}

}  // namespace

const std::vector<std::string>& TagNames()
{
    static const std::vector<std::string> names = CWordMarker::SplitList(kTagParts);
    return names;
}

std::string FullPass(std::string_view text)
{
    const std::string lower = Lowered(text);
    const std::size_t n = lower.size();
    std::string classes(n, ColourClass::kNormal);
    MarkTags(lower, classes);
    MarkTagNames(lower, classes, false);

    // Strings never take the text's last byte. Whether a quote closes does not depend on where its
    // string opened, so once a string finds no closing quote no later one can: the search ends.
    for (std::size_t nFrom = 0; n > 0 && nFrom < n - 1;) {
        const std::size_t nOpen = lower.find('"', nFrom);
        if (nOpen == npos)
            break;
        const std::size_t nClose = ClosingQuote(lower, nOpen);
        if (nClose == npos)
            break;
        Fill(classes, nOpen, std::min(nClose + 1, n - 1), ColourClass::kString);
        nFrom = nClose + 2;
    }

    // Comments run through the next "-->", searched from the "<!--" itself, or up to the text's
    // last byte.
    for (std::size_t nFrom = 0;;) {
        const std::size_t nOpen = lower.find("<!--", nFrom);
        if (nOpen == npos)
            break;
        const std::size_t nClose = lower.find("-->", nOpen);
        const std::size_t nEnd = nClose == npos ? n - 1 : nClose + 3;
        Fill(classes, nOpen, nEnd, ColourClass::kComment);
        if (nClose == npos)
            break;
        nFrom = nEnd;
    }
    return classes;
}

std::string LinePass(std::string_view line, bool bInTagAbove, bool bOpenCommentAbove)
{
    const std::string lower = Lowered(line);
    std::string classes(lower.size(), ColourClass::kNormal);
    MarkTags(lower, classes);
    MarkTagNames(lower, classes, bInTagAbove);
    LineRules::MarkStrings(lower, classes);
    LineRules::MarkBlockComments(lower, classes, "<!--", "-->", bOpenCommentAbove);
    return classes;
}

}  // namespace HtmlColouring
