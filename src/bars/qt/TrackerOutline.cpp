#include "bars/qt/TrackerOutline.h"

#include <QPainter>

CTrackerOutline::CTrackerOutline(QWidget* frame) : QWidget(frame)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void CTrackerOutline::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect().adjusted(1, 1, -1, -1), QBrush(palette().color(QPalette::WindowText), Qt::Dense4Pattern));
}
