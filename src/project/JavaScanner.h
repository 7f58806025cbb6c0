#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CJavaProjectDoc;
class CScanTarget;

// The function list of a Java source and the scan state that builds it. The scan counts braces
// on the raw text and looks only at the text just before each "{" (the header) to decide
// whether it declares a class or a method; it is not a Java parser. Every scan starts afresh.
class CJavaScanner {
public:
    // Scans the whole editor text. With a project open, the project's Java file entry whose path
    // equals path receives the classes and methods found; any other path changes only the list.
    void ScanSource(std::string_view text, CJavaProjectDoc* pOpenProject, const std::string& path);
    // The same scan, reporting what it finds to target.
    void ScanSource(std::string_view text, CScanTarget& target, const std::string& path);

    // The position of the first entry equal to entry, or -1.
    std::int32_t FindEntryPosition(std::string_view entry) const;

    // Element i of the positions belongs to element i of the entries; both grow together.
    const std::vector<std::string>& GetEntries() const { return m_strEntries; }
    const std::vector<std::int32_t>& GetEntryPositions() const { return m_nEntryPos; }

    const std::string& GetCurrentClass() const { return m_strCurrentClass; }
    const std::string& GetCurrentInner() const { return m_strCurrentInner; }
    bool IsInInnerClass() const { return m_bInInnerClass; }
    std::int32_t GetHeaderPos() const { return m_nHeaderPos; }
    std::int32_t GetScanOffset() const { return m_nScanOffset; }

private:
    void Scan(std::string_view text, CScanTarget* pTarget, const std::string& path);
    void ScanHeaderText(std::string_view header, int depth);
    void ParseHeader(std::string_view header, int depth);
    void Record(std::string entry);

    std::string m_strCurrentClass;
    std::string m_strCurrentInner;  // kept from one scan to the next; only a found inner class sets it
    bool m_bInInnerClass = false;
    std::int32_t m_nHeaderPos = 0;
    std::vector<std::string> m_strEntries;
    std::vector<std::int32_t> m_nEntryPos;
    std::int32_t m_nScanOffset = 0;

    // Set for the length of one scan.
    CScanTarget* m_pTarget = nullptr;
    const std::string* m_pPath = nullptr;
};
