#pragma once

#include "framework/qt/MDIChildWnd.h"

// The frame of an HTML page window.
class CWebFrame : public CMDIChildWnd {
    Q_OBJECT
public:
    using CMDIChildWnd::CMDIChildWnd;
};
