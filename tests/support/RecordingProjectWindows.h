#pragma once

#include "TestProjectHost.h"

#include "project/ProjectWindows.h"

#include <memory>

// Bars that are only flags: what a project asked of its windows, and in which state they are.
class CRecordingProjectWindows : public CProjectWindows {
public:
    bool HasProcessBar() const override { return m_bProcessMade; }
    bool IsProcessBarVisible() const override { return m_bProcessVisible; }
    void ShowProcessBar(bool bShow) override { m_bProcessVisible = bShow; }
    // What the first captured run does to the bar.
    void MakeProcessBar() { m_bProcessMade = m_bProcessVisible = true; }

    bool HasProjectBar() const override { return m_bProjectMade; }
    bool CreateProjectBar() override
    {
        ++m_nProjectCreates;
        m_bProjectMade = m_bProjectVisible = m_bCanCreate;
        return m_bCanCreate;
    }
    bool IsProjectBarVisible() const override { return m_bProjectVisible; }
    void ShowProjectBar(bool bShow) override { m_bProjectVisible = bShow; }

    bool m_bProcessMade = false;
    bool m_bProcessVisible = false;
    bool m_bProjectMade = false;
    bool m_bProjectVisible = false;
    bool m_bCanCreate = true;
    int m_nProjectCreates = 0;
};

// A test host that gives every new project recording windows; the newest project's are kept.
template <class Windows>
class CWindowedHost : public CTestProjectHost {
public:
    CWindowedHost()
    {
        m_makeWindows = [this] {
            auto windows = std::make_unique<Windows>();
            m_pWindows = windows.get();
            return windows;
        };
    }

    Windows* m_pWindows = nullptr;
};

using CWindowedProjectHost = CWindowedHost<CRecordingProjectWindows>;
