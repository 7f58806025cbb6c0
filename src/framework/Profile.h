#pragma once

#include <string>

// The application's settings as the framework reads and writes them: numbers and strings by
// section and value name.
class CProfile {
public:
    virtual ~CProfile() = default;
    virtual int GetProfileInt(const std::string& section, const std::string& entry, int nDefault) = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& entry,
                                         const std::string& strDefault) = 0;
    virtual void WriteProfileInt(const std::string& section, const std::string& entry, int nValue) = 0;
    virtual void WriteProfileString(const std::string& section, const std::string& entry,
                                    const std::string& value) = 0;
};
