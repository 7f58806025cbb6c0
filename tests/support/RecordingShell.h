#pragma once

#include "framework/DesktopShell.h"

#include <string>
#include <vector>

// Stands in for the desktop's default handler: records what it was given.
class CRecordingShell : public CDesktopShell {
public:
    bool Open(const std::string& pathOrUrl) override
    {
        m_opened.push_back(pathOrUrl);
        return m_bSucceed;
    }

    std::vector<std::string> m_opened;
    bool m_bSucceed = true;
};
