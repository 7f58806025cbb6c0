#pragma once

#include "bars/qt/DockingBar.h"

// The bar that holds the project tree: docks at the left or the right of the frame, at the
// left first, titled with the project's title.
class CProjectWindowBar : public CDockingBar {
    Q_OBJECT
public:
    CProjectWindowBar();

    // Docks the bar at the left of the frame, holding the project tree. False when it was
    // created before.
    bool Create(QMainWindow& frame, QWidget* pProjectTree, const QString& strProjectTitle);
};
