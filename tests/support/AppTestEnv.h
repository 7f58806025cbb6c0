#pragma once

#include "support/TempDir.h"

#include <cstdlib>
#include <optional>
#include <string>

// Points XDG_CONFIG_HOME and XDG_STATE_HOME at fresh folders for one test and puts the old
// values back after it, so neither the settings nor the recovery files of a program the test
// starts are the user's.
class CTestConfigHome {
public:
    CTestConfigHome() : m_strPath(m_dir.File("config")), m_strStatePath(m_dir.File("state"))
    {
        if (const char* old = std::getenv("XDG_CONFIG_HOME"))
            m_old = old;
        if (const char* old = std::getenv("XDG_STATE_HOME"))
            m_oldState = old;
        ::setenv("XDG_CONFIG_HOME", m_strPath.c_str(), 1);
        ::setenv("XDG_STATE_HOME", m_strStatePath.c_str(), 1);
    }
    ~CTestConfigHome()
    {
        Restore("XDG_CONFIG_HOME", m_old);
        Restore("XDG_STATE_HOME", m_oldState);
    }
    CTestConfigHome(const CTestConfigHome&) = delete;
    CTestConfigHome& operator=(const CTestConfigHome&) = delete;

    const CTempDir& Dir() const { return m_dir; }
    const std::string& Path() const { return m_strPath; }
    std::string SettingsFile() const { return m_strPath + "/Kestrune/Ondrik.reg"; }
    // Where the program keeps unsaved work.
    std::string RecoveryFolder() const { return m_strStatePath + "/Kestrune/Ondrik/recovery"; }

private:
    static void Restore(const char* name, const std::optional<std::string>& value)
    {
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }

    CTempDir m_dir;
    std::string m_strPath;
    std::string m_strStatePath;
    std::optional<std::string> m_old;
    std::optional<std::string> m_oldState;
};
