// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QSize>

#include <vector>

class QPainter;

/// An icon painted by our own code at the size it is asked for, when it is first asked for. A
/// window then draws at its start no picture that it does not show yet, and only at the scale
/// the screen needs. The drawing works on a grid of `grid` units and is scaled to the size.
class DrawnIconEngine final : public QIconEngine
{
public:
    using Drawing = void (*)(QPainter &);

    /// `sizes` are the sizes the icon offers to those who ask which it has (a window's icon on
    /// X11 is sent at each of them); none offers any size.
    DrawnIconEngine(Drawing drawing, QSize grid, QList<QSize> sizes = {});

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QString key() const override;
    QIconEngine *clone() const override;

private:
    struct Drawn
    {
        QSize size;
        QIcon::Mode mode;
        QPixmap pixmap;
    };

    [[nodiscard]] QPixmap draw(QSize size) const;

    Drawing m_drawing;
    QSize m_grid;
    QList<QSize> m_sizes;
    std::vector<Drawn> m_drawn; // what was asked for already: a paint asks again each time
};
