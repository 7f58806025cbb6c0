#pragma once

#include "RegFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The per-user settings under HKEY_CURRENT_USER\Software\<company>\<application>\<section>,
// kept in one file in the registry-export format. Numbers are REG_DWORD (32 bits), strings
// REG_SZ; a value that is missing or of the other type reads as the default.
//
// Several running instances share the file: every write reads it again and applies only this
// store's own changes to what it finds, then replaces it through a temporary file. A file that
// cannot be read or parsed reads as empty and is moved aside (Ondrik.reg.bad, .bad.1, ...)
// before the first write, never overwritten. Reading never writes. A failed write is not
// reported: its changes stay pending and go with the next write.
class CSettingsStore {
public:
    CSettingsStore(std::string filePath, std::string company, std::string application);

    // $XDG_CONFIG_HOME/<company>/<application>.reg; ~/.config when the variable is unset,
    // empty or not an absolute path.
    static std::string DefaultFilePath(std::string_view company, std::string_view application);

    const std::string& GetFilePath() const { return m_strFilePath; }
    // The full key of a section, as written in the file.
    std::string SectionKey(std::string_view section) const;

    std::uint32_t GetNumber(std::string_view section, std::string_view name, std::uint32_t defaultValue) const;
    std::string GetString(std::string_view section, std::string_view name, std::string_view defaultValue) const;

    // Each writes the file at once, unless a batch is open.
    void SetNumber(std::string_view section, std::string_view name, std::uint32_t number);
    void SetString(std::string_view section, std::string_view name, std::string_view text);

    // While one lives, sets only collect; the file is written once when the last one ends.
    class CBatch {
    public:
        explicit CBatch(CSettingsStore& store);
        ~CBatch();
        CBatch(const CBatch&) = delete;
        CBatch& operator=(const CBatch&) = delete;

    private:
        CSettingsStore& m_store;
    };

private:
    struct CChange {
        std::string strSection;
        std::string strName;
        RegType type = RegType::String;
        std::string strText;
        std::uint32_t nNumber = 0;
    };

    const CRegValue* Find(std::string_view section, std::string_view name) const;
    void EnsureLoaded() const;
    void Apply(CRegFile& file, const CChange& change) const;
    void Change(CChange change);
    void WritePending();

    std::string m_strFilePath;
    std::string m_strCompany;
    std::string m_strApplication;
    mutable CRegFile m_view;  // the file as last read or written, with the pending changes
    mutable bool m_bLoaded = false;
    std::vector<CChange> m_pending;
    int m_nBatchDepth = 0;
};
