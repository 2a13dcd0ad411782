// SPDX-License-Identifier: GPL-3.0-or-later
#include "Artwork.h"

#include "DrawnIconEngine.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// Each toolbar drawing works on a 16 x 15 grid, the window icon on a 64 x 64 one.
using Drawing = DrawnIconEngine::Drawing;

const QColor Ink(40, 40, 48);
const QColor Blue(52, 101, 164);
const QColor Green(78, 154, 6);
const QColor Red(204, 0, 0);
const QColor Gold(237, 180, 30);

QPen pen(const QColor &color, qreal width = 1.4)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawAdd(QPainter &p)
{
    p.setPen(pen(Green, 3));
    p.drawLine(QPointF(8, 2.5), QPointF(8, 12.5));
    p.drawLine(QPointF(3, 7.5), QPointF(13, 7.5));
}

void drawEdit(QPainter &p)
{
    p.setPen(pen(Ink, 1));
    p.setBrush(Gold);
    QPainterPath body;
    body.moveTo(3, 12.5);
    body.lineTo(4, 9.5);
    body.lineTo(11, 2.5);
    body.lineTo(13, 4.5);
    body.lineTo(6, 11.5);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(pen(Blue, 1));
    p.drawLine(QPointF(2, 14), QPointF(14, 14));
}

void drawDelete(QPainter &p)
{
    p.setPen(pen(Red, 2.6));
    p.drawLine(QPointF(3.5, 3), QPointF(12.5, 12));
    p.drawLine(QPointF(12.5, 3), QPointF(3.5, 12));
}

void drawCopy(QPainter &p)
{
    p.setPen(pen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 1.5, 7, 9));
    p.drawRect(QRectF(6.5, 4.5, 7, 9));
    p.setPen(pen(Blue, 0.8));
    for (qreal y : {7.0, 9.0, 11.0})
        p.drawLine(QPointF(8, y), QPointF(12, y));
}

void drawUndo(QPainter &p)
{
    p.setPen(pen(Blue, 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(4, 6);
    arc.cubicTo(8, 2, 14, 4, 13, 9);
    arc.cubicTo(12.5, 12, 10, 13, 8, 13);
    p.drawPath(arc);
    p.setBrush(Blue);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(1.5, 6.5), QPointF(6.5, 2.5), QPointF(6.5, 9)}));
}

void drawFind(QPainter &p)
{
    p.setPen(pen(Ink, 1.6));
    p.setBrush(QColor(200, 225, 250));
    p.drawEllipse(QPointF(6.5, 6), 4, 4);
    p.setPen(pen(Ink, 2.6));
    p.drawLine(QPointF(9.5, 9), QPointF(13.5, 13));
}

void drawSave(QPainter &p)
{
    p.setPen(pen(Ink, 1));
    p.setBrush(Blue);
    p.drawRect(QRectF(2.5, 1.5, 11, 12));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 4.5));
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(QRectF(5, 9, 6, 4.5));
}

void drawPrint(QPainter &p)
{
    p.setPen(pen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(1.5, 6, 13, 6), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10, 7, 4));
    p.setPen(pen(Green, 1));
    p.drawPoint(QPointF(12.5, 8));
}

void drawScan(QPainter &p)
{
    p.setPen(pen(Ink, 1));
    p.setBrush(Gold);
    QPainterPath bell;
    bell.moveTo(3, 11.5);
    bell.cubicTo(4.5, 10, 4, 3, 8, 3);
    bell.cubicTo(12, 3, 11.5, 10, 13, 11.5);
    bell.closeSubpath();
    p.drawPath(bell);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(8, 12.8), 1.4, 1.2);
    p.drawEllipse(QPointF(8, 2.2), 0.8, 0.8);
}

void drawHelp(QPainter &p)
{
    p.setPen(pen(Blue, 1));
    p.setBrush(Blue);
    p.drawEllipse(QPointF(8, 7.5), 6.5, 6.5);
    QFont font;
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 16, 15), Qt::AlignCenter, QStringLiteral("?"));
}

// Two chevrons pointing right, and the same turned to point down.
void drawMoreRight(QPainter &p)
{
    p.setPen(pen(Ink, 1.2));
    p.drawPolyline(QPolygonF({QPointF(4, 4), QPointF(7.5, 7.5), QPointF(4, 11)}));
    p.drawPolyline(QPolygonF({QPointF(8.5, 4), QPointF(12, 7.5), QPointF(8.5, 11)}));
}

void drawMoreDown(QPainter &p)
{
    p.translate(16, 0);
    p.rotate(90);
    drawMoreRight(p);
}

void drawMoonrill(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(32, 45, 90));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QPainterPath moon;
    moon.addEllipse(QPointF(30, 28), 20, 20);
    QPainterPath bite;
    bite.addEllipse(QPointF(40, 22), 17, 17);
    p.setBrush(QColor(245, 215, 110));
    p.drawPath(moon.subtracted(bite));
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(QPointF(47, 46), 7, 7);
    p.setBrush(QColor(32, 45, 90));
    p.drawEllipse(QPointF(47, 46), 2.5, 2.5);
}

} // namespace

QIcon ToolbarImage(int image)
{
    // Our own drawings only: asking the desktop theme for its icons reads and parses the theme's
    // index files, which cost a fifth of the window's start, and the toolbar keeps one look
    // on every desktop. Each is drawn when its button is first painted, after the window is up.
    static constexpr Drawing drawings[] = {drawAdd,  drawEdit, drawDelete, drawCopy, drawUndo,
                                           drawFind, drawSave, drawPrint,  drawScan, drawHelp};
    return QIcon(new DrawnIconEngine(drawings[std::clamp(image, 1, 10) - 1], QSize(16, 15)));
}

QIcon MoreImage(Qt::Orientation orientation)
{
    return QIcon(new DrawnIconEngine(orientation == Qt::Horizontal ? drawMoreRight : drawMoreDown,
                                     QSize(16, 16)));
}

QImage DrawMoonrillIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    drawMoonrill(p);
    return image;
}

QIcon MoonrillIcon()
{
    const QList<QSize> sizes = {{16, 16}, {22, 22}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    return QIcon(new DrawnIconEngine(drawMoonrill, QSize(64, 64), sizes));
}
