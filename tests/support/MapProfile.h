#pragma once

#include "framework/Profile.h"

#include <map>
#include <string>

// Settings held in memory, for tests of code that reads and writes them.
class CMapProfile : public CProfile {
public:
    int GetProfileInt(const std::string& section, const std::string& entry, int nDefault) override
    {
        const auto it = m_ints.find(section + "/" + entry);
        return it == m_ints.end() ? nDefault : it->second;
    }
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& strDefault) override
    {
        const auto it = m_strings.find(section + "/" + entry);
        return it == m_strings.end() ? strDefault : it->second;
    }
    void WriteProfileInt(const std::string& section, const std::string& entry, int nValue) override
    {
        m_ints[section + "/" + entry] = nValue;
        ++m_nWrites;
    }
    void WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override
    {
        m_strings[section + "/" + entry] = value;
        ++m_nWrites;
    }

    std::map<std::string, int> m_ints;
    std::map<std::string, std::string> m_strings;
    int m_nWrites = 0;
};
