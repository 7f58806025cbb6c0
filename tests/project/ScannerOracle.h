#pragma once

// The class scanner as first written: it works on a copy of the remaining text and searches
// that copy from its start for every brace and comment, cutting off what it has consumed.
// Slow (quadratic) but plainly right; the real scanner must agree with it on every input.

#include "project/JavaScanner.h"
#include "project/ScanTarget.h"
#include "support/OracleFind.h"

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

}  // namespace oracle

class COracleScanner {
public:
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
        if (Find(r, "{") != -1) {
            for (;;) {
                while (Find(r, "/*") != -1 && Find(r, "/*") < Find(r, "{") && Find(r, "/*") < Find(r, "}") &&
                       Find(r, "*/") != -1) {
                    const int k = Find(r, "*/");
                    m_nScanOffset += k + 2;
                    r = Mid(r, k + 2);
                }
                while (Find(r, "//") != -1 && Find(r, "//") < Find(r, "{") && Find(r, "//") < Find(r, "}") &&
                       Find(r, "{") != -1) {
                    const int c = Find(r, "//");
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
    void ScanHeaderText(std::string h, int depth)
    {
        using namespace oracle;
        h = TrimRight(h);
        int b = ReverseFind(h, '\n');
        if (b != -1) {
            if (Find(h, "(") == -1) {
                if (Find(h, "class ") != -1 && Find(h, "class ") < b)
                    b = ReverseFind(Left(h, Find(h, "class ")), '\n');
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
        if (Find(l, "class ") == -1 && Find(l, "interface ") == -1) {
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
        int k = Find(l, "class ");
        if (k == -1)
            k = Find(l, "interface ");
        const int f = Find(l, " ", k);
        std::string name = Mid(l, f + 1);
        const int end = FindOneOf(name, "\r\t\n ");
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

// Scans text with both scanners, twice in a row on the same objects as a document does, and
// names the first thing they disagree on; "" when they agree on everything.
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
    return {};
}
