#include "AppIcons.h"

#include "app/CommandTable.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace AppIcons {

namespace {

// A page with a folded corner, a coloured band and a short label.
QPixmap DrawPage(const QColor& band, const QString& label)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath page;
    page.moveTo(6, 2);
    page.lineTo(21, 2);
    page.lineTo(27, 8);
    page.lineTo(27, 30);
    page.lineTo(6, 30);
    page.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(QPolygon({QPoint(21, 2), QPoint(21, 8), QPoint(27, 8)}));
    p.fillRect(QRect(7, 18, 20, 9), band);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(7, 18, 20, 9), Qt::AlignCenter, label);
    return pixmap;
}

}  // namespace

QIcon DocumentIcon(DocumentKind kind)
{
    switch (kind) {
    case kJavaSource:
        return QIcon::fromTheme("text-x-java", QIcon(DrawPage(QColor(176, 80, 20), "JAVA")));
    case kProject:
        return QIcon::fromTheme("folder-development", QIcon(DrawPage(QColor(30, 90, 170), "JPR")));
    case kHtmlPage:
        return QIcon::fromTheme("text-html", QIcon(DrawPage(QColor(30, 130, 60), "HTML")));
    }
    return {};
}

QPixmap TipPicture()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A light bulb.
    p.setPen(QPen(QColor(120, 100, 20), 2));
    p.setBrush(QColor(255, 230, 90));
    p.drawEllipse(QRectF(12, 4, 24, 24));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(18, 28, 12, 10));
    p.drawLine(QPointF(18, 33), QPointF(30, 33));
    p.setPen(QPen(QColor(120, 100, 20), 1.5));
    p.drawLine(QPointF(20, 20), QPointF(24, 12));
    p.drawLine(QPointF(24, 12), QPointF(28, 20));
    return pixmap;
}

QPixmap ProductPicture()
{
    // The program's picture, as resources/desktop/ondrik.svg draws it for the desktop: the
    // project's blue tile, a source's braces and the Run arrow, on a 16-pixel grid.
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(4.0, 4.0);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(30, 90, 170));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 2.5, 2.5);
    QPen brace(Qt::white, 1);
    brace.setJoinStyle(Qt::RoundJoin);
    p.setPen(brace);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(5.5, 2.5), QPointF(4.5, 2.5), QPointF(4.5, 7), QPointF(3, 8), QPointF(4.5, 9),
                              QPointF(4.5, 13.5), QPointF(5.5, 13.5)}));
    p.drawPolyline(QPolygonF({QPointF(10.5, 2.5), QPointF(11.5, 2.5), QPointF(11.5, 7), QPointF(13, 8),
                              QPointF(11.5, 9), QPointF(11.5, 13.5), QPointF(10.5, 13.5)}));
    QPen outline(QColor(20, 100, 40), 1);
    outline.setJoinStyle(Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(QColor(60, 190, 90));
    p.drawPolygon(QPolygonF({QPointF(6.5, 4.5), QPointF(10, 8), QPointF(6.5, 11.5)}));
    return pixmap;
}

namespace {

// A 16-pixel picture drawn with antialiasing on a clear ground.
template <typename Draw>
QIcon Drawn(Draw draw)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2.0, 2.0);
    draw(p);
    p.end();
    return QIcon(pixmap);
}

const QColor kInk(60, 60, 60);

void Page(QPainter& p, const QRectF& r, const QColor& fill = Qt::white)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(fill);
    p.drawRect(r);
}

void Lines(QPainter& p, qreal x, qreal y, qreal w, int count)
{
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(x, y + 2.5 * i), QPointF(x + w, y + 2.5 * i));
}

void Arrow(QPainter& p, bool bRight)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 170));
    const qreal x = bRight ? 1.5 : 6.5;
    const qreal d = bRight ? 4.5 : -4.5;
    p.drawPolygon(QPolygonF({QPointF(x, 5), QPointF(x + d, 8), QPointF(x, 11)}));
}

QIcon Picture(EDrawnIcon picture)
{
    using enum EDrawnIcon;
    switch (picture) {
    case kBlankPage:
        return Drawn([](QPainter& p) { Page(p, QRectF(3.5, 1.5, 9, 13)); });
    case kFolder:
        return Drawn([](QPainter& p) {
            p.setPen(QPen(QColor(140, 100, 20), 1));
            p.setBrush(QColor(240, 200, 90));
            p.drawRect(QRectF(1.5, 4.5, 13, 9));
            p.drawRect(QRectF(1.5, 3.5, 5, 2));
        });
    case kDisk:
        return Drawn([](QPainter& p) {
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(70, 110, 180));
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(4.5, 9.5, 7, 5));
        });
    case kScissors:
        return Drawn([](QPainter& p) {
            p.setPen(QPen(kInk, 1.2));
            p.drawLine(QPointF(5, 1), QPointF(10, 10));
            p.drawLine(QPointF(11, 1), QPointF(6, 10));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(2.5, 9.5, 4, 4));
            p.drawEllipse(QRectF(9.5, 9.5, 4, 4));
        });
    case kTwoPages:
        return Drawn([](QPainter& p) {
            Page(p, QRectF(1.5, 1.5, 8, 10));
            Page(p, QRectF(6.5, 4.5, 8, 10));
            Lines(p, 8, 7.5, 5, 3);
        });
    case kClipboard:
        return Drawn([](QPainter& p) {
            Page(p, QRectF(2.5, 2.5, 10, 12), QColor(200, 160, 100));
            Page(p, QRectF(5.5, 1.5, 4, 3), QColor(220, 220, 220));
            Page(p, QRectF(6.5, 6.5, 8, 8));
        });
    case kPrinter:
        return Drawn([](QPainter& p) {
            Page(p, QRectF(4.5, 1.5, 7, 5));
            Page(p, QRectF(1.5, 6.5, 13, 6), QColor(190, 190, 190));
            Page(p, QRectF(4.5, 10.5, 7, 4));
        });
    case kIndentMore:
    case kIndentLess:
        return Drawn([picture](QPainter& p) {
            Lines(p, 1, 2.5, 14, 1);
            Lines(p, 8, 6.5, 7, 3);
            Lines(p, 1, 14, 14, 1);
            Arrow(p, picture == kIndentMore);
        });
    case kTickedPage:
        return Drawn([](QPainter& p) {
            Page(p, QRectF(1.5, 1.5, 9, 12));
            Lines(p, 3, 4.5, 5, 3);
            p.setPen(QPen(QColor(20, 130, 50), 2));
            p.drawLine(QPointF(8, 11), QPointF(10.5, 14));
            p.drawLine(QPointF(10.5, 14), QPointF(15, 7));
        });
    case kHammer:
        return Drawn([](QPainter& p) {
            p.setPen(QPen(QColor(110, 70, 30), 2.2));
            p.drawLine(QPointF(3, 14), QPointF(10, 7));
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(150, 150, 160));
            p.drawPolygon(QPolygonF({QPointF(7, 3), QPointF(11, 1), QPointF(15, 5), QPointF(12, 8)}));
        });
    case kRunArrow:
    case kRunArrowOnPage:
        return Drawn([picture](QPainter& p) {
            if (picture == kRunArrowOnPage)
                Page(p, QRectF(1.5, 1.5, 13, 13), QColor(235, 240, 250));
            p.setPen(QPen(QColor(20, 100, 40), 1));
            p.setBrush(QColor(40, 170, 70));
            p.drawPolygon(QPolygonF({QPointF(4.5, 3), QPointF(12.5, 8), QPointF(4.5, 13)}));
        });
    case kGlobe:
        return Drawn([](QPainter& p) {
            p.setPen(QPen(QColor(30, 80, 150), 1));
            p.setBrush(QColor(120, 170, 230));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(5.0, 1.5, 6, 13));
            p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        });
    case kFileTree:
        return Drawn([](QPainter& p) {
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(240, 200, 90));
            p.drawRect(QRectF(1.5, 1.5, 5, 4));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7.5, 6.5, 6, 3));
            p.drawRect(QRectF(7.5, 11.5, 6, 3));
            p.drawLine(QPointF(4, 5.5), QPointF(4, 13));
            p.drawLine(QPointF(4, 8), QPointF(7.5, 8));
            p.drawLine(QPointF(4, 13), QPointF(7.5, 13));
        });
    case kNone:
        break;
    }
    return {};
}

}  // namespace

QIcon CommandIcon(const CCommandIcon& icon)
{
    return QIcon::fromTheme(icon.themeName, Picture(icon.drawn));
}

}  // namespace AppIcons
