// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawnIconEngine.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

DrawnIconEngine::DrawnIconEngine(Drawing drawing, QSize grid, QList<QSize> sizes)
    : m_drawing(drawing), m_grid(grid), m_sizes(std::move(sizes))
{
}

void DrawnIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                            QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QPixmap drawn = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
    painter->drawPixmap(rect, drawn);
}

QPixmap DrawnIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State)
{
    if (size.isEmpty())
        return {};
    for (const Drawn &drawn : m_drawn) {
        if (drawn.size == size && drawn.mode == mode)
            return drawn.pixmap;
    }
    QPixmap drawn = draw(size);
    // A disabled or selected button shows the picture as the style shows any other icon in
    // that state: grey, or tinted.
    if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QStyleOption option;
        option.palette = QApplication::palette();
        const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        if (!styled.isNull())
            drawn = styled;
    }
    m_drawn.push_back({size, mode, drawn});
    return drawn;
}

QPixmap DrawnIconEngine::draw(QSize size) const
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // The whole grid fits, centred, at the same scale across and down.
    const qreal scale =
        std::min(qreal(size.width()) / m_grid.width(), qreal(size.height()) / m_grid.height());
    painter.translate((size.width() - m_grid.width() * scale) / 2,
                      (size.height() - m_grid.height() * scale) / 2);
    painter.scale(scale, scale);
    m_drawing(painter);
    return pixmap;
}

QList<QSize> DrawnIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    return m_sizes;
}

bool DrawnIconEngine::isNull()
{
    return false;
}

QString DrawnIconEngine::key() const
{
    return QStringLiteral("DrawnIconEngine");
}

QIconEngine *DrawnIconEngine::clone() const
{
    return new DrawnIconEngine(*this);
}
