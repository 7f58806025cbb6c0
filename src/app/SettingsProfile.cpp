#include "SettingsProfile.h"

#include "platform/SettingsStore.h"

#include <cstdint>

int CSettingsProfile::GetProfileInt(const std::string& section, const std::string& entry, int nDefault)
{
    return static_cast<int>(m_store.GetNumber(section, entry, static_cast<std::uint32_t>(nDefault)));
}

std::string CSettingsProfile::GetProfileString(const std::string& section, const std::string& entry,
                                               const std::string& strDefault)
{
    return m_store.GetString(section, entry, strDefault);
}

void CSettingsProfile::WriteProfileInt(const std::string& section, const std::string& entry, int nValue)
{
    m_store.SetNumber(section, entry, static_cast<std::uint32_t>(nValue));
}

void CSettingsProfile::WriteProfileString(const std::string& section, const std::string& entry,
                                          const std::string& value)
{
    m_store.SetString(section, entry, value);
}

void CSettingsProfile::OnRecentFileListChanged(const CRecentFileList& list)
{
    const CSettingsStore::CBatch oneWrite(m_store);
    list.WriteList(*this);
}
