#pragma once

#include "framework/qt/MDIChildWnd.h"

// The frame of a Java source window.
class CChildFrame : public CMDIChildWnd {
    Q_OBJECT
public:
    using CMDIChildWnd::CMDIChildWnd;
};
