#pragma once

#include "bars/qt/DockingBar.h"

// The bar that holds the Debug bar's stack and variables: docks at the right, left or bottom of
// the frame, at the right first, titled "Debug".
class CDebugBar : public CDockingBar {
    Q_OBJECT
public:
    CDebugBar();

    // Docks the bar at the right of the frame, holding the debugger's pane. False when it was
    // created before.
    bool Create(QMainWindow& frame, QWidget* pDebugPane);
};
