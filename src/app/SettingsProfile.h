#pragma once

#include "framework/Profile.h"
#include "framework/RecentFileList.h"

class CSettingsStore;

// The settings file as the framework reads and writes it, and where the File menu's list of
// recent files is stored whenever it changes, in one write.
class CSettingsProfile : public CProfile, public CRecentFileListObserver {
public:
    explicit CSettingsProfile(CSettingsStore& store) : m_store(store) {}

    int GetProfileInt(const std::string& section, const std::string& entry, int nDefault) override;
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& strDefault) override;
    void WriteProfileInt(const std::string& section, const std::string& entry, int nValue) override;
    void WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override;

    void OnRecentFileListChanged(const CRecentFileList& list) override;

private:
    CSettingsStore& m_store;
};
