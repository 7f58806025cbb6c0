#pragma once

#include "framework/DesktopShell.h"

// The desktop's default handler, as Qt reaches it.
class CQtDesktopShell : public CDesktopShell {
public:
    bool Open(const std::string& pathOrUrl) override;
};
