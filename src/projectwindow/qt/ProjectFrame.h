#pragma once

#include "framework/qt/MDIChildWnd.h"

// The frame of the project window.
class CProjectFrame : public CMDIChildWnd {
    Q_OBJECT
public:
    using CMDIChildWnd::CMDIChildWnd;

    // The project window is a form: as large as its fields need.
    QSize InitialSize(const QSize& area) const override { return QSize(520, 260).boundedTo(area); }
};
