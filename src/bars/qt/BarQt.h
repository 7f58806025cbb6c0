#pragma once

#include "bars/BarTypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// Between the bars' plain geometry and Qt's types.
inline QRect ToQRect(const CBarRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
inline CBarPoint ToBarPoint(const QPoint& pt) { return {pt.x(), pt.y()}; }
inline CBarSize ToBarSize(const QSize& size) { return {size.width(), size.height()}; }
inline QSize ToQSize(const CBarSize& size) { return QSize(size.cx, size.cy); }
