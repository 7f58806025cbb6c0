#pragma once

// The HTML page window's colouring passes as first written: each tag name searched for on its own
// over the lower-cased text, the inside-a-tag test searching back from each name, every quote
// tried as a string's start. Slow but plainly right; the real passes must agree with them.

#include "JavaColouringOracle.h"

#include "editor/HtmlColouring.h"

#include <string>
#include <string_view>
#include <vector>

namespace oracle {

namespace html {

inline const std::vector<std::string>& TagTable()
{
    static const std::vector<std::string> table = [] {
        const std::string joined =
            std::string("a;abbr;acronym;address;applet;area;b;base;basefont;bdo;bgsound;") +
            "big;blink;blockquote;body;br;button;caption;center;cite;code;col;colgroup;" +
            "comment;dd;del;dfn;dir;div;dl;dt;em;embed;fieldset;font;form;frame;frameset;" +
            "h1;h2;h3;h4;h5;h6;head;hr;html;i;iframe;ilayer;img;input;ins;isindex;kbd;keygen;" +
            "label;layer;legend;li;link;listing;map;marquee;menu;meta;multicol;nobr;noembed;" +
            "noframes;nolayer;noscript;object;ol;optgroup;option;p;param;plaintext;pre;q;s;" +
            "samp;script;select;server;small;spacer;span;strike;strong;style;sub;sup;table;tbody;" +
            "td;textarea;tfoot;th;thead;title;tr;tt;u;ul;var;wbr;xmp;";
        return SplitAtSemicolons(joined);
    }();
    return table;
}

inline bool InAlphabet(char c)
{
    return std::string("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_$@%&").find(c) != std::string::npos;
}

inline std::string Lower(std::string s)
{
    for (char& c : s)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    return s;
}

// Position i of whole: the nearest "<" before it, and no ">" between that and i.
inline bool InsideTag(const std::string& whole, int i)
{
    const std::string before = whole.substr(0, static_cast<std::size_t>(i));
    const int lt = ReverseFind(before, "<");
    const int gt = ReverseFind(before, ">");
    return lt >= 0 && gt < lt;
}

inline void Mark(std::string& classes, int from, int to, char code)
{
    for (int j = from; j < to && j < static_cast<int>(classes.size()); ++j)
        classes[j] = code;
}

// Steps 1 and 2 over x, which starts at position b of whole.
inline void TagsAndNames(const std::string& x, const std::string& whole, int b, std::string& classes)
{
    const int m = static_cast<int>(x.size());
    for (int p = Find(x, "<"); p >= 0;) {
        const int e = Find(x, ">", p + 1);
        const int end = e >= 0 ? e + 1 : m;
        Mark(classes, p, end, ColourClass::kTag);
        p = Find(x, "<", end);
    }
    for (const std::string& w : TagTable()) {
        const int len = static_cast<int>(w.size());
        for (int i = Find(x, w); i >= 0; i = Find(x, w, i + 1)) {
            if ((i > 0 && InAlphabet(x[i - 1])) || (i + len < m && InAlphabet(x[i + len])))
                continue;
            if (InsideTag(whole, b + i))
                Mark(classes, i, i + len, ColourClass::kKeyword);
        }
    }
}

inline std::string FullPass(const std::string& text)
{
    const std::string t = Lower(text);
    const int n = static_cast<int>(t.size());
    std::string classes(t.size(), ColourClass::kNormal);
    TagsAndNames(t, t, 0, classes);
    for (int start = 0; start < n - 1;) {
        const int q = Find(t, "\"", start);
        if (q < 0)
            break;
        int c = Find(t, "\"", q + 1);
        while (c > 1 && t[c - 1] == '\\' && t[c - 2] != '\\')
            c = Find(t, "\"", c + 1);
        if (c < 0) {
            start = q + 1;
            continue;
        }
        Mark(classes, q, std::min(c + 1, n - 1), ColourClass::kString);
        start = c + 2;
    }
    for (int start = 0;;) {
        const int o = Find(t, "<!--", start);
        if (o < 0)
            break;
        const int e = Find(t, "-->", o);
        const int end = e >= 0 ? e + 3 : n - 1;
        Mark(classes, o, end, ColourClass::kComment);
        start = end;
    }
    return classes;
}

// The line x without its line break; above is all the text before it.
inline std::string LinePass(const std::string& above, const std::string& line)
{
    const std::string x = Lower(line);
    const int m = static_cast<int>(x.size());
    std::string classes(x.size(), ColourClass::kNormal);
    TagsAndNames(x, Lower(above) + x, static_cast<int>(above.size()), classes);
    for (int d = Find(x, "\""); d >= 0;) {
        int i = Find(x, "\"", d + 1);
        while (1 < i && x[i - 1] == '\\' && x[i - 2] != '\\')
            i = Find(x, "\"", i + 1);
        const int end = i >= 0 ? i + 1 : m;
        Mark(classes, d, end, ColourClass::kString);
        d = Find(x, "\"", end + 1);
    }
    const bool bOpenAbove = OpenAbove(above, "<!--", "-->");
    if (Find(x, "-->") < 0 && bOpenAbove)
        Mark(classes, 0, m, ColourClass::kComment);
    for (int p = 0;;) {
        const int s = Find(x, "<!--", p);
        if (s < 0) {
            if (Find(x, "-->") >= 0 && bOpenAbove)
                Mark(classes, 0, Find(x, "-->") + 3, ColourClass::kComment);
            break;
        }
        const int e = Find(x, "-->", s);
        if (e < 0) {
            Mark(classes, s, m, ColourClass::kComment);
            break;
        }
        Mark(classes, s, e + 3, ColourClass::kComment);
        p = e;
    }
    return classes;
}

}  // namespace html

// The first difference of either pass from the literal model on text, as a message; empty when
// they agree.
inline std::string HtmlDifference(std::string_view view)
{
    const std::string text(view);
    const std::string fast = HtmlColouring::FullPass(text);
    if (const std::string expected = html::FullPass(text); fast != expected)
        return "full pass on \"" + Shown(text) + "\": " + Letters(text, fast) + " instead of " + Letters(text, expected);
    const CStringTextModel model {text};
    for (int nLine = 0; nLine < model.GetLineCount(); ++nLine) {
        const std::string above(model.GetBytes(0, model.LineStart(nLine)));
        const std::string line(model.GetBytes(model.LineStart(nLine), model.LineEnd(nLine)));
        const std::string got =
            HtmlColouring::LinePass(line, OpenAbove(above, "<", ">"), OpenAbove(above, "<!--", "-->"));
        if (const std::string expected = html::LinePass(above, line); got != expected)
            return "line pass on \"" + Shown(line) + "\" below \"" + Shown(above) + "\": " + Letters(line, got) +
                   " instead of " + Letters(line, expected);
    }
    return {};
}

}  // namespace oracle
