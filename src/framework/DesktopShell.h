#pragma once

#include <string>

// Hands a file or web address to the desktop's default handler.
class CDesktopShell {
public:
    virtual ~CDesktopShell() = default;
    // False when no handler took it.
    virtual bool Open(const std::string& pathOrUrl) = 0;
};
