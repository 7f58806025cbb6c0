#pragma once

// The class scanner as first written: it works on a copy of the remaining text and searches
// that copy from its start for every brace and comment, cutting off what it has consumed.
// Slow (quadratic) but plainly right; the real scanner must agree with it on every input. It
// scans by the rules as written or by today's: braces inside string and character literals and
// text blocks are spaces and comment markers there are not markers, enum and record headers declare
// types, an interface's header may span lines as a class's does, and a type's name ends at "<" or
// "(" too.

#include "project/JavaScanner.h"
#include "project/ScanTarget.h"
#include "support/OracleFind.h"

#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace oracle {

// Searches and cuts with the conventions the scanner was written against: -1 for "not
// found", a negative length gives an empty piece.
inline int ReverseFind(const std::string& s, char c)
{
    for (int i = static_cast<int>(s.size()) - 1; i >= 0; --i) {
        if (s[static_cast<std::size_t>(i)] == c)
            return i;
    }
    return -1;
}

inline int FindOneOf(const std::string& s, const std::string& chars)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (chars.find(s[i]) != std::string::npos)
            return static_cast<int>(i);
    }
    return -1;
}

inline std::string Left(const std::string& s, int count)
{
    if (count <= 0)
        return {};
    return s.substr(0, static_cast<std::size_t>(count));
}

inline std::string Mid(const std::string& s, int first)
{
    if (first < 0)
        first = 0;
    if (static_cast<std::size_t>(first) >= s.size())
        return {};
    return s.substr(static_cast<std::size_t>(first));
}

inline std::string Mid(const std::string& s, int first, int count)
{
    if (count <= 0)
        return {};
    return Left(Mid(s, first), count);
}

inline std::string TrimRight(std::string s)
{
    while (!s.empty() && std::string(" \t\r\n\v\f").find(s.back()) != std::string::npos)
        s.pop_back();
    return s;
}

inline std::string TrimLeft(std::string s, const std::string& chars)
{
    while (!s.empty() && chars.find(s.front()) != std::string::npos)
        s.erase(0, 1);
    return s;
}

// Left to right, without overlaps, in place.
inline std::string Replace(std::string s, const std::string& from, const std::string& to)
{
    std::size_t at = 0;
    while ((at = s.find(from, at)) != std::string::npos) {
        s.erase(at, from.size());
        s.insert(at, to);
        at += to.size();
    }
    return s;
}

inline bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Which bytes of the text lie inside literals, reading it from its start past "//" and "/*"
// comments: a string or character literal runs to the next quote of its kind that no backslash
// escapes, or to its line's end; a text block to the next three unescaped double quotes, or to the
// text's end.
inline std::vector<bool> LiteralBytes(const std::string& t)
{
    const int n = static_cast<int>(t.size());
    std::vector<bool> inLiteral(t.size(), false);
    int i = 0;
    while (i < n) {
        int end = i + 1;
        bool bLiteral = false;
        if (t.substr(i, 2) == "//") {
            end = i + 2;
            while (end < n && !IsLineEnd(t[end]))
                ++end;
        } else if (t.substr(i, 2) == "/*") {
            const int k = Find(t, "*/", i + 2);
            end = k < 0 ? n : k + 2;
        } else if (t.substr(i, 3) == R"(""")") {
            bLiteral = true;
            end = n;
            for (int j = i + 3; j < n; ++j) {
                if (t[j] == '\\') {
                    ++j;
                } else if (t.substr(j, 3) == R"(""")") {
                    end = j + 3;
                    break;
                }
            }
        } else if (t[i] == '"' || t[i] == '\'') {
            bLiteral = true;
            end = n;
            for (int j = i + 1; j < n; ++j) {
                if (IsLineEnd(t[j])) {
                    end = j;
                    break;
                }
                if (t[j] == t[i]) {
                    end = j + 1;
                    break;
                }
                if (t[j] == '\\' && j + 1 < n && !IsLineEnd(t[j + 1]))
                    ++j;
            }
        }
        for (int j = i; bLiteral && j < end; ++j)
            inLiteral[j] = true;
        i = end;
    }
    return inLiteral;
}

inline bool IsNameByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) != 0 || c == '_' || c == '$' || u >= 0x80;
}

// Where keyword first stands as a word that a name follows, or -1.
inline int FindDeclaring(const std::string& s, const std::string& keyword)
{
    for (int at = Find(s, keyword); at >= 0; at = Find(s, keyword, at + 1)) {
        const int name = at + static_cast<int>(keyword.size());
        if ((at == 0 || !IsNameByte(s[at - 1])) && name < static_cast<int>(s.size()) && IsNameByte(s[name]) &&
            std::isdigit(static_cast<unsigned char>(s[name])) == 0)
            return at;
    }
    return -1;
}

}  // namespace oracle

enum class EScanRules { Written, Today };

class COracleScanner {
public:
    explicit COracleScanner(EScanRules rules = EScanRules::Today) : m_rules(rules) {}

    std::string m_strCurrentClass;
    std::string m_strCurrentInner;
    bool m_bInInnerClass = false;
    std::int32_t m_nHeaderPos = 0;
    std::vector<std::string> m_strEntries;
    std::vector<std::int32_t> m_nEntryPos;
    std::int32_t m_nScanOffset = 0;

    void ScanSource(const std::string& text, CScanTarget* pTarget, const std::string& path)
    {
        using namespace oracle;
        m_pTarget = pTarget;
        m_strPath = path;
        if (m_pTarget != nullptr)
            m_pTarget->BeginFileScan(path);
        int depth = 0;
        m_strCurrentClass.clear();
        m_nScanOffset = 0;
        m_bInInnerClass = false;
        m_strEntries.clear();
        m_nEntryPos.clear();
        std::string r = text;
        m_inLiteral.assign(text.size(), false);
        if (m_rules == EScanRules::Today) {
            m_inLiteral = LiteralBytes(text);
            for (std::size_t i = 0; i < r.size(); ++i) {
                if (m_inLiteral[i] && (r[i] == '{' || r[i] == '}'))
                    r[i] = ' ';
            }
        }
        if (Find(r, "{") != -1) {
            for (;;) {
                while (Marker(r, "/*") != -1 && Marker(r, "/*") < Find(r, "{") && Marker(r, "/*") < Find(r, "}") &&
                       Marker(r, "*/") != -1) {
                    const int k = Marker(r, "*/");
                    m_nScanOffset += k + 2;
                    r = Mid(r, k + 2);
                }
                while (Marker(r, "//") != -1 && Marker(r, "//") < Find(r, "{") && Marker(r, "//") < Find(r, "}") &&
                       Find(r, "{") != -1) {
                    const int c = Marker(r, "//");
                    const int n = Find(Mid(r, c), "\n");
                    if (n == -1)
                        break;
                    m_nScanOffset += c + n;
                    r = Mid(r, c + n);
                }
                const int a = Find(r, "{");
                const int b = Find(r, "}");
                if (a < b) {
                    ++depth;
                    m_nScanOffset += a + 1;
                    if (depth < 3) {
                        m_bInInnerClass = false;
                        ScanHeaderText(Left(r, a), depth);
                    } else if (depth == 3 && m_bInInnerClass) {
                        ScanHeaderText(Left(r, a), depth);
                    }
                    r = Mid(r, a + 1);
                } else {
                    --depth;
                    if (b >= 0) {
                        m_nScanOffset += b + 1;
                        r = Mid(r, b + 1);
                    }
                    if (depth < 0)
                        break;
                }
                if (Find(r, "{") == -1)
                    break;
            }
        }
        if (m_pTarget != nullptr)
            m_pTarget->EndFileScan();
    }

private:
    // The first comment marker in the remainder r; today's rules leave out those inside literals.
    int Marker(const std::string& r, const std::string& marker) const
    {
        for (int at = oracle::Find(r, marker); at >= 0; at = oracle::Find(r, marker, at + 1)) {
            if (!m_inLiteral[static_cast<std::size_t>(m_nScanOffset + at)])
                return at;
        }
        return -1;
    }

    void ScanHeaderText(std::string h, int depth)
    {
        using namespace oracle;
        h = TrimRight(h);
        int b = ReverseFind(h, '\n');
        if (b != -1) {
            if (Find(h, "(") == -1) {
                int k = Find(h, "class ");
                if (m_rules == EScanRules::Today && k == -1) {
                    k = Find(h, "interface ");
                    if (k == -1)
                        k = FindDeclaring(h, "enum ");
                    if (k == -1)
                        k = FindDeclaring(h, "record ");
                }
                if (k != -1 && k < b)
                    b = ReverseFind(Left(h, k), '\n');
            } else if (ReverseFind(h, '(') < b) {
                b = ReverseFind(Left(h, ReverseFind(h, '(')), '\n');
            }
        }
        std::string l = Mid(h, b + 1);
        m_nHeaderPos = m_nScanOffset + b + 1 - static_cast<int>(h.size());
        l = TrimLeft(l, "\t\n\r ");
        if (l.empty())
            return;
        ParseHeader(l, depth);
    }

    void ParseHeader(std::string l, int depth)
    {
        using namespace oracle;
        l = Replace(l, "\r\n", " ");
        l = Replace(l, "\t", " ");
        for (int i = 0; i < 5; ++i)
            l = Replace(l, "  ", " ");
        int k = Find(l, "class ");
        if (k == -1)
            k = Find(l, "interface ");
        if (k == -1 && m_rules == EScanRules::Today)
            k = FindDeclaring(l, "enum ");
        if (k == -1 && m_rules == EScanRules::Today)
            k = FindDeclaring(l, "record ");
        if (k == -1) {
            const int p = Find(l, "(");
            if (p < 1)
                return;
            const std::string n = TrimRight(Left(l, p));
            const int start = ReverseFind(n, ' ') + 1;
            const int q = ReverseFind(l, ')');
            if (q == -1)
                return;
            const std::string signature = Mid(l, start, q - start + 1);
            if (depth >= 3) {
                if (m_pTarget != nullptr)
                    m_pTarget->AddInnerMethod(m_strPath, m_strCurrentClass, m_strCurrentInner, signature);
                Append(m_strCurrentClass + "." + m_strCurrentInner + "." + signature);
            } else {
                if (m_pTarget != nullptr)
                    m_pTarget->AddMethod(m_strPath, m_strCurrentClass, signature);
                Append(m_strCurrentClass + "." + signature);
            }
            return;
        }
        const int f = Find(l, " ", k);
        std::string name = Mid(l, f + 1);
        const int end = FindOneOf(name, m_rules == EScanRules::Today ? "\r\t\n <(" : "\r\t\n ");
        if (end != -1)
            name = Left(name, end);
        if (depth >= 2) {
            m_strCurrentInner = name;
            Append(m_strCurrentClass + "." + name);
            if (m_pTarget != nullptr)
                m_pTarget->AddInnerClass(m_strPath, m_strCurrentClass, name);
            m_bInInnerClass = true;
        } else {
            m_strCurrentClass = name;
            Append(name);
            if (m_pTarget != nullptr)
                m_pTarget->AddClass(m_strPath, name);
        }
    }

    void Append(const std::string& entry)
    {
        m_strEntries.push_back(entry);
        m_nEntryPos.push_back(m_nHeaderPos);
    }

    EScanRules m_rules;
    std::vector<bool> m_inLiteral;
    CScanTarget* m_pTarget = nullptr;
    std::string m_strPath;
};

// Writes down every call a scan makes, in order, as the call's name followed by its arguments.
class CRecordingTarget : public CScanTarget {
public:
    using Call = std::vector<std::string>;

    void BeginFileScan(const std::string& path) override { m_calls.push_back({"BeginFileScan", path}); }
    void AddClass(const std::string& path, const std::string& className) override
    {
        m_calls.push_back({"AddClass", path, className});
    }
    void AddMethod(const std::string& path, const std::string& className, const std::string& signature) override
    {
        m_calls.push_back({"AddMethod", path, className, signature});
    }
    void AddInnerClass(const std::string& path, const std::string& className, const std::string& inner) override
    {
        m_calls.push_back({"AddInnerClass", path, className, inner});
    }
    void AddInnerMethod(const std::string& path, const std::string& className, const std::string& inner,
                        const std::string& signature) override
    {
        m_calls.push_back({"AddInnerMethod", path, className, inner, signature});
    }
    void EndFileScan() override { m_calls.push_back({"EndFileScan"}); }

    std::vector<Call> m_calls;
};

// Whether a scan by the rules as written names a type with a "(" in it, which today's rules cut.
inline bool NamesATypeWithAParenthesis(const CRecordingTarget& calls)
{
    for (const CRecordingTarget::Call& call : calls.m_calls) {
        if ((call[0] == "AddClass" || call[0] == "AddInnerClass") && call.back().find('(') != std::string::npos)
            return true;
    }
    return false;
}

// Whether today's rules must scan text as the rules as written do: it holds no quote of either
// kind, no "<", neither "enum " nor "record ", and no "interface " (whose header may now span lines).
inline bool WithoutTodaysJava(std::string_view text)
{
    for (const std::string_view mark : {"\"", "'", "<", "enum ", "record ", "interface "}) {
        if (text.find(mark) != std::string_view::npos)
            return false;
    }
    return true;
}

// Scans text with both scanners, twice in a row on the same objects as a document does, and
// names the first thing they disagree on; "" when they agree on everything. Where today's rules
// must agree with the rules as written, the two oracles are compared too.
inline std::string DifferenceFromOracle(std::string_view text)
{
    CJavaScanner fast;
    COracleScanner slow;
    const std::string path = "/src/A.java";
    for (int round = 1; round <= 2; ++round) {
        CRecordingTarget fastCalls;
        CRecordingTarget slowCalls;
        fast.ScanSource(text, fastCalls, path);
        slow.ScanSource(std::string(text), &slowCalls, path);
        const std::string where = " (scan " + std::to_string(round) + ")";
        if (fast.GetEntries() != slow.m_strEntries)
            return "entries" + where;
        if (fast.GetEntryPositions() != slow.m_nEntryPos)
            return "positions" + where;
        if (fastCalls.m_calls != slowCalls.m_calls)
            return "project calls" + where;
        if (fast.GetCurrentClass() != slow.m_strCurrentClass || fast.GetCurrentInner() != slow.m_strCurrentInner)
            return "current class or inner class" + where;
        if (fast.IsInInnerClass() != slow.m_bInInnerClass)
            return "inner-class flag" + where;
        if (fast.GetHeaderPos() != slow.m_nHeaderPos)
            return "header position" + where;
        if (fast.GetScanOffset() != slow.m_nScanOffset)
            return "scan offset" + where;
    }
    if (WithoutTodaysJava(text)) {
        COracleScanner written(EScanRules::Written);
        CRecordingTarget writtenCalls;
        written.ScanSource(std::string(text), &writtenCalls, path);
        if (!NamesATypeWithAParenthesis(writtenCalls) &&
            (written.m_strEntries != fast.GetEntries() || written.m_nEntryPos != fast.GetEntryPositions()))
            return "today's rules depart from the rules as written";
    }
    return {};
}
