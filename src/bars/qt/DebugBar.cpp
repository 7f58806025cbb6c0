#include "bars/qt/DebugBar.h"

namespace {
// The stack and the variables side by side with their values want more room than the tree.
constexpr int kChildExtent = 360;
}  // namespace

CDebugBar::CDebugBar()
    : CDockingBar(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea,
                  Qt::RightDockWidgetArea, kChildExtent)
{
    setObjectName("DebugBar");
}

bool CDebugBar::Create(QMainWindow& frame, QWidget* pDebugPane)
{
    return CreateBar(frame, pDebugPane, "Debug");
}
