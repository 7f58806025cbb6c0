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

// Each "<" through the next ">", or to the end when none follows. Tags stand close together in
// a page, so one walk over the bytes costs less than a search for each "<" and each ">".
void MarkTags(std::string_view text, std::string& classes)
{
    bool bInTag = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        bInTag = bInTag || c == '<';
        if (bInTag)
            classes[i] = ColourClass::kTag;
        bInTag = bInTag && c != '>';
    }
}

// text.find(c, nFrom). In a page the byte looked for is mostly a few bytes on, where a look at
// each costs less than the call of a search.
std::size_t FindNear(std::string_view text, char c, std::size_t nFrom)
{
    constexpr std::size_t kNear = 16;
    const std::size_t nNearEnd = std::min(text.size(), nFrom + kNear);
    for (std::size_t i = nFrom; i < nNearEnd; ++i) {
        if (text[i] == c)
            return i;
    }
    return nNearEnd < text.size() ? text.find(c, nNearEnd) : npos;
}

const CWordMarker& TagNameMarker()
{
    static const CWordMarker marker(TagNames(), kTagAlphabet, true);
    return marker;
}

// Gives mark(nOpen, nClose) each comment: its "<!--", and the next "-->" searched from the
// "<!--" itself, npos when none follows; mark says whether to look for more. The rare "!" is
// looked for rather than the "<" of every tag.
template <class Mark>
void FindComments(std::string_view text, Mark mark)
{
    for (std::size_t nBang = text.find("!--"); nBang != npos;) {
        if (nBang == 0 || text[nBang - 1] != '<') {
            nBang = text.find("!--", nBang + 1);
            continue;
        }
        const std::size_t nOpen = nBang - 1;
        const std::size_t nClose = text.find("-->", nOpen);
        if (!mark(nOpen, nClose))
            break;
        nBang = text.find("!--", nClose + 3);
    }
}

// The closing quote of the string opened at nOpen: the next quote that does not follow a
// backslash, unless that backslash follows another.
std::size_t ClosingQuote(std::string_view text, std::size_t nOpen)
{
    std::size_t nClose = FindNear(text, '"', nOpen + 1);
    while (nClose != npos && nClose > 1 && text[nClose - 1] == '\\' && text[nClose - 2] != '\\')
        nClose = FindNear(text, '"', nClose + 1);
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
    const std::size_t n = text.size();
    std::string classes(n, ColourClass::kNormal);
    // Tags and the names inside them: a tag runs from a "<" through the next ">", and a name is
    // inside one when the nearest "<" before it stands after the nearest ">", that is, when it
    // starts within a tag after its "<". Only tags are walked byte by byte; the text between
    // them is skipped to the next "<". A name may run on past its run of alphabet bytes (h1);
    // the bytes it covers there stay its.
    const CWordMarker& marker = TagNameMarker();
    std::size_t nNameEnd = 0;
    for (std::size_t nOpen = text.find('<'); nOpen != npos;) {
        classes[nOpen] = ColourClass::kTag;
        std::size_t i = nOpen + 1;
        while (i < n) {
            const char c = text[i];
            if (!marker.IsWordChar(c)) {
                if (i >= nNameEnd)
                    classes[i] = ColourClass::kTag;
                ++i;
                if (c == '>')
                    break;
                continue;
            }
            std::size_t nEnd = i + 1;
            while (nEnd < n && marker.IsWordChar(text[nEnd]))
                ++nEnd;
            for (std::size_t j = i; j < nEnd; ++j)
                classes[j] = ColourClass::kTag;
            marker.ForEachAtRun(text, i, nEnd, [&](std::size_t nStart, std::size_t nLength) {
                nNameEnd = std::max(nNameEnd, std::min(nStart + nLength, n));
                Fill(classes, nStart, nNameEnd, ColourClass::kKeyword);
            });
            i = nEnd;
        }
        nOpen = FindNear(text, '<', i);
    }

    // Strings never take the text's last byte. Whether a quote closes does not depend on where its
    // string opened, so once a string finds no closing quote no later one can: the search ends.
    for (std::size_t nFrom = 0; n > 0 && nFrom < n - 1;) {
        const std::size_t nOpen = text.find('"', nFrom);
        if (nOpen == npos)
            break;
        const std::size_t nClose = ClosingQuote(text, nOpen);
        if (nClose == npos)
            break;
        Fill(classes, nOpen, std::min(nClose + 1, n - 1), ColourClass::kString);
        nFrom = nClose + 2;
    }

    // A comment left open runs up to the text's last byte.
    FindComments(text, [&](std::size_t nOpen, std::size_t nClose) {
        Fill(classes, nOpen, nClose == npos ? n - 1 : nClose + 3, ColourClass::kComment);
        return nClose != npos;
    });
    return classes;
}

std::string LinePass(std::string_view line, bool bInTagAbove, bool bOpenCommentAbove)
{
    std::string classes(line.size(), ColourClass::kNormal);
    MarkTags(line, classes);
    // Inside a tag: the nearest "<" before the name stands after the nearest ">" before it, or,
    // with neither on the line, the text above ended inside a tag. Names come in line order, so
    // the nearest two are kept up to date by one walk.
    std::size_t nWalked = 0;
    std::size_t nLastOpen = npos, nLastClose = npos;
    TagNameMarker().ForEach(line, [&](std::size_t nStart, std::size_t nLength) {
        for (; nWalked < nStart; ++nWalked) {
            if (line[nWalked] == '<')
                nLastOpen = nWalked;
            else if (line[nWalked] == '>')
                nLastClose = nWalked;
        }
        const bool bInside = nLastOpen != npos ? nLastClose == npos || nLastClose < nLastOpen
                                               : nLastClose == npos && bInTagAbove;
        if (bInside)
            Fill(classes, nStart, nStart + nLength, ColourClass::kKeyword);
    });
    LineRules::MarkStrings(line, classes);
    LineRules::MarkBlockComments(line, classes, "<!--", "-->", bOpenCommentAbove);
    return classes;
}

}  // namespace HtmlColouring
