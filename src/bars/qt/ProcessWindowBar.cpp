#include "bars/qt/ProcessWindowBar.h"

namespace {
// The Process Window's own size inside the bar.
constexpr int kChildExtent = 150;
}  // namespace

CProcessWindowBar::CProcessWindowBar()
    : CDockingBar(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea, Qt::BottomDockWidgetArea, kChildExtent)
{
    setObjectName("ProcessWindowBar");
}

bool CProcessWindowBar::Create(QMainWindow& frame, QWidget* pProcessWindow)
{
    return CreateBar(frame, pProcessWindow, "Process Window");
}
