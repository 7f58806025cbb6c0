#pragma once

#include "support/TempDir.h"

#include <cstdlib>
#include <optional>
#include <string>

// Points XDG_CONFIG_HOME at a fresh folder for one test and puts the old value back after it.
class CTestConfigHome {
public:
    CTestConfigHome() : m_strPath(m_dir.File("config"))
    {
        if (const char* old = std::getenv("XDG_CONFIG_HOME"))
            m_old = old;
        ::setenv("XDG_CONFIG_HOME", m_strPath.c_str(), 1);
    }
    ~CTestConfigHome()
    {
        if (m_old)
            ::setenv("XDG_CONFIG_HOME", m_old->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }
    CTestConfigHome(const CTestConfigHome&) = delete;
    CTestConfigHome& operator=(const CTestConfigHome&) = delete;

    const CTempDir& Dir() const { return m_dir; }
    const std::string& Path() const { return m_strPath; }
    std::string SettingsFile() const { return m_strPath + "/Kestrune/Ondrik.reg"; }

private:
    CTempDir m_dir;
    std::string m_strPath;
    std::optional<std::string> m_old;
};
