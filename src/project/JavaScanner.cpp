#include "JavaScanner.h"

#include "JavaLiterals.h"
#include "JavaProjectDoc.h"
#include "NextFind.h"
#include "ScanTarget.h"

#include <algorithm>
#include <cassert>

namespace {

constexpr std::size_t npos = std::string_view::npos;

// The next place of a brace or comment marker at or after the scan's position, leaving out those
// inside literals.
class CNextOutsideLiterals {
public:
    CNextOutsideLiterals(std::string_view text, std::string_view pattern, CJavaLiterals& literals)
        : m_find(text, pattern), m_literals(literals)
    {
    }

    std::size_t From(std::size_t from)
    {
        // The place found last still answers while the position has not passed it.
        if (m_bFound && (m_nPos == npos || m_nPos >= from))
            return m_nPos;
        m_nPos = m_find.From(from);
        while (m_nPos != npos && m_literals.Contains(m_nPos, m_place))
            m_nPos = m_find.From(m_nPos + 1);
        m_bFound = true;
        return m_nPos;
    }

private:
    CNextFind m_find;
    std::size_t m_nPos = 0;
    bool m_bFound = false;
    CJavaLiterals& m_literals;
    CJavaLiterals::CPlace m_place;
};

// Hands what a scan finds to the open project.
class CProjectScanTarget final : public CScanTarget {
public:
    explicit CProjectScanTarget(CJavaProjectDoc& project) : m_project(project) {}

    void BeginFileScan(const std::string& path) override { m_project.BeginFileScan(path); }
    void AddClass(const std::string& path, const std::string& className) override
    {
        m_project.AddClass(path, className);
    }
    void AddMethod(const std::string& path, const std::string& className, const std::string& signature) override
    {
        m_project.AddMethod(path, className, signature);
    }
    void AddInnerClass(const std::string& path, const std::string& className, const std::string& inner) override
    {
        m_project.AddInnerClass(path, className, inner);
    }
    void AddInnerMethod(const std::string& path, const std::string& className, const std::string& inner,
                        const std::string& signature) override
    {
        m_project.AddInnerMethod(path, className, inner, signature);
    }
    void EndFileScan() override { m_project.EndFileScan(); }

private:
    CJavaProjectDoc& m_project;
};

// A scan of the target's file: begun here, ended (and the project's views refreshed) on every way out.
class CFileScan {
public:
    CFileScan(CScanTarget* pTarget, const std::string& path) : m_pTarget(pTarget)
    {
        if (m_pTarget != nullptr)
            m_pTarget->BeginFileScan(path);
    }
    ~CFileScan()
    {
        if (m_pTarget != nullptr)
            m_pTarget->EndFileScan();
    }
    CFileScan(const CFileScan&) = delete;
    CFileScan& operator=(const CFileScan&) = delete;

private:
    CScanTarget* m_pTarget;
};

bool IsTrailingSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsLeadingSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A byte that may continue a Java name.
bool IsNameByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '$' || u >= 0x80;
}

// "enum " and "record " declare a type only as a word of their own followed by a name, so that
// a parameter or a field named record is not taken for one.
std::size_t FindDeclaringWord(std::string_view text, std::string_view keyword)
{
    for (std::size_t at = text.find(keyword); at != npos; at = text.find(keyword, at + 1)) {
        const std::size_t nameAt = at + keyword.size();
        const bool bWordStart = at == 0 || !IsNameByte(text[at - 1]);
        if (bWordStart && nameAt < text.size() && IsNameByte(text[nameAt]) &&
            !(text[nameAt] >= '0' && text[nameAt] <= '9'))
            return at;
    }
    return npos;
}

// Where the keyword that makes a header a type's stands: "class " anywhere, else "interface "
// anywhere, else a declaring "enum ", else a declaring "record ".
std::size_t FindTypeKeyword(std::string_view text)
{
    if (const std::size_t at = text.find("class "); at != npos)
        return at;
    if (const std::size_t at = text.find("interface "); at != npos)
        return at;
    if (const std::size_t at = FindDeclaringWord(text, "enum "); at != npos)
        return at;
    return FindDeclaringWord(text, "record ");
}

std::string_view TrimRight(std::string_view text)
{
    while (!text.empty() && IsTrailingSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Index of the last LF, or -1.
std::ptrdiff_t LastLineFeed(std::string_view text)
{
    const std::size_t pos = text.rfind('\n');
    return pos == npos ? -1 : static_cast<std::ptrdiff_t>(pos);
}

// The header's white space as the scan has always normalised it: each CR LF becomes a space, each
// TAB a space, and then five times over every pair of spaces one space, so that a run of n spaces
// ends as n / 32 spaces rounded up. Done in one pass: a header is normalised for every brace.
std::string NormaliseSpaces(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t nRun = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            c = ' ';
            ++i;
        } else if (c == '\t') {
            c = ' ';
        }
        if (c == ' ') {
            ++nRun;
            continue;
        }
        out.append((nRun + 31) / 32, ' ');
        nRun = 0;
        out += c;
    }
    out.append((nRun + 31) / 32, ' ');
    return out;
}

}  // namespace

void CJavaScanner::ScanSource(std::string_view text, CJavaProjectDoc* pOpenProject, const std::string& path)
{
    if (pOpenProject == nullptr) {
        Scan(text, nullptr, path);
        return;
    }
    // The main file's package is taken before the scan ends and the project's views show it.
    pOpenProject->NoteScannedSource(path, text);
    CProjectScanTarget target(*pOpenProject);
    Scan(text, &target, path);
}

void CJavaScanner::ScanSource(std::string_view text, CScanTarget& target, const std::string& path)
{
    Scan(text, &target, path);
}

std::int32_t CJavaScanner::FindEntryPosition(std::string_view entry) const
{
    for (std::size_t i = 0; i < m_strEntries.size(); ++i) {
        if (m_strEntries[i] == entry)
            return m_nEntryPos[i];
    }
    return -1;
}

void CJavaScanner::Scan(std::string_view text, CScanTarget* pTarget, const std::string& path)
{
    m_pTarget = pTarget;
    m_pPath = &path;
    CFileScan fileScan(pTarget, path);

    int depth = 0;
    m_strCurrentClass.clear();
    m_nScanOffset = 0;
    m_bInInnerClass = false;
    m_strEntries.clear();
    m_nEntryPos.clear();

    // A brace inside a literal counts as a space, and no comment starts or ends there.
    CJavaLiterals literals(text);
    CNextOutsideLiterals open(text, "{", literals);
    CNextOutsideLiterals close(text, "}", literals);
    CNextOutsideLiterals blockStart(text, "/*", literals);
    CNextOutsideLiterals blockEnd(text, "*/", literals);
    CNextOutsideLiterals lineStart(text, "//", literals);
    CNextFind lineEnd(text, "\n");

    // Everything before the cursor is consumed; m_nScanOffset follows it.
    std::size_t cursor = 0;
    const auto moveTo = [&](std::size_t to) {
        cursor = to;
        m_nScanOffset = static_cast<std::int32_t>(to);
    };
    // A comment start is cut only while it stands before the next "{" and the next "}" (both must exist).
    const auto beforeBothBraces = [&](std::size_t at) {
        const std::size_t a = open.From(cursor);
        const std::size_t b = close.From(cursor);
        return at != npos && a != npos && b != npos && at < a && at < b;
    };

    bool bMore = open.From(0) != npos;
    while (bMore) {
        // Block comments. The cut runs to the first "*/" of the remainder, wherever it stands, that
        // is not inside a literal.
        while (beforeBothBraces(blockStart.From(cursor))) {
            const std::size_t end = blockEnd.From(cursor);
            if (end == npos)
                break;
            moveTo(end + 2);
        }
        // Line comments: the remainder then starts with the comment's LF. Block comments are not
        // looked at again before the next brace.
        while (beforeBothBraces(lineStart.From(cursor))) {
            const std::size_t end = lineEnd.From(lineStart.From(cursor));
            if (end == npos)
                break;
            moveTo(end);
        }

        const std::size_t a = open.From(cursor);
        const std::size_t b = close.From(cursor);
        // A missing brace counts as -1, so a lone "}" after the last "{" opens an empty header.
        if (b != npos && (a == npos || a < b)) {
            ++depth;
            const std::size_t headerEnd = a == npos ? cursor : a;
            std::string_view header = text.substr(cursor, headerEnd - cursor);
            // Every brace before the next one that counts lies inside a literal, where it is a space.
            std::string blanked;
            if (header.find('{') != npos || header.find('}') != npos) {
                blanked = header;
                std::replace_if(blanked.begin(), blanked.end(), [](char c) { return c == '{' || c == '}'; }, ' ');
                header = blanked;
            }
            moveTo(a == npos ? cursor : a + 1);
            if (depth < 3) {
                m_bInInnerClass = false;
                ScanHeaderText(header, depth);
            } else if (depth == 3 && m_bInInnerClass) {
                ScanHeaderText(header, depth);
            }
        } else {
            --depth;
            if (b != npos)
                moveTo(b + 1);
            if (depth < 0)
                break;
        }
        bMore = open.From(cursor) != npos;
    }

    m_pTarget = nullptr;
    m_pPath = nullptr;
}

void CJavaScanner::ScanHeaderText(std::string_view header, int depth)
{
    const std::string_view h = TrimRight(header);
    // A header spread over several lines starts at the line holding its type keyword or the last "(".
    std::ptrdiff_t b = LastLineFeed(h);
    if (b >= 0) {
        const std::size_t paren = h.rfind('(');
        if (paren == npos) {
            const std::size_t keyword = FindTypeKeyword(h);
            if (keyword != npos && static_cast<std::ptrdiff_t>(keyword) < b)
                b = LastLineFeed(h.substr(0, keyword));
        } else if (static_cast<std::ptrdiff_t>(paren) < b) {
            b = LastLineFeed(h.substr(0, paren));
        }
    }
    std::string_view line = h.substr(static_cast<std::size_t>(b + 1));
    // Counted from the offset already past the brace, as the function list has always done.
    m_nHeaderPos = static_cast<std::int32_t>(static_cast<std::int64_t>(m_nScanOffset) + b + 1 -
                                             static_cast<std::int64_t>(h.size()));
    while (!line.empty() && IsLeadingSpace(line.front()))
        line.remove_prefix(1);
    if (line.empty())
        return;
    ParseHeader(line, depth);
}

void CJavaScanner::ParseHeader(std::string_view header, int depth)
{
    const std::string line = NormaliseSpaces(header);

    const std::string& path = *m_pPath;
    const std::size_t typeAt = FindTypeKeyword(line);
    if (typeAt == npos) {
        const std::size_t paren = line.find('(');
        if (paren == npos || paren < 1)
            return;
        const std::string_view beforeParen = TrimRight(std::string_view(line).substr(0, paren));
        const std::size_t space = beforeParen.rfind(' ');
        const std::size_t nameStart = space == npos ? 0 : space + 1;
        const std::size_t close = line.rfind(')');
        if (close == npos)
            return;
        // A ")" before the name leaves an empty signature.
        const std::string signature = close >= nameStart ? line.substr(nameStart, close - nameStart + 1) : std::string();
        if (depth >= 3) {
            if (m_pTarget != nullptr)
                m_pTarget->AddInnerMethod(path, m_strCurrentClass, m_strCurrentInner, signature);
            Record(m_strCurrentClass + "." + m_strCurrentInner + "." + signature);
        } else {
            if (m_pTarget != nullptr)
                m_pTarget->AddMethod(path, m_strCurrentClass, signature);
            Record(m_strCurrentClass + "." + signature);
        }
        return;
    }

    // The space that ends the keyword; the name runs to the next white space, or to the "<" of a
    // generic type's parameters or the "(" of a record's components.
    const std::size_t keywordEnd = line.find(' ', typeAt);
    const std::size_t nameEnd = line.find_first_of("\r\t\n <(", keywordEnd + 1);
    std::string name = line.substr(keywordEnd + 1, nameEnd == npos ? npos : nameEnd - keywordEnd - 1);
    if (depth >= 2) {
        m_strCurrentInner = name;
        Record(m_strCurrentClass + "." + name);
        if (m_pTarget != nullptr)
            m_pTarget->AddInnerClass(path, m_strCurrentClass, name);
        m_bInInnerClass = true;
    } else {
        m_strCurrentClass = name;
        Record(name);
        if (m_pTarget != nullptr)
            m_pTarget->AddClass(path, name);
    }
}

void CJavaScanner::Record(std::string entry)
{
    m_strEntries.push_back(std::move(entry));
    m_nEntryPos.push_back(m_nHeaderPos);
}
