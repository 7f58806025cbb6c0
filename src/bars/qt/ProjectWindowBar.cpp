#include "bars/qt/ProjectWindowBar.h"

namespace {
// The project tree's own size inside the bar.
constexpr int kChildExtent = 175;
}  // namespace

CProjectWindowBar::CProjectWindowBar()
    : CDockingBar(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea, Qt::LeftDockWidgetArea, kChildExtent)
{
    setObjectName("ProjectWindowBar");
}

bool CProjectWindowBar::Create(QMainWindow& frame, QWidget* pProjectTree, const QString& strProjectTitle)
{
    return CreateBar(frame, pProjectTree, strProjectTitle);
}
