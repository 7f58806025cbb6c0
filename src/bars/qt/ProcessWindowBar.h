#pragma once

#include "bars/qt/DockingBar.h"

// The bar that holds the Process Window: docks at the top or the bottom of the frame, at the
// bottom first, titled "Process Window".
class CProcessWindowBar : public CDockingBar {
    Q_OBJECT
public:
    CProcessWindowBar();

    // Docks the bar at the bottom of the frame, holding the Process Window. False when it
    // was created before.
    bool Create(QMainWindow& frame, QWidget* pProcessWindow);
};
