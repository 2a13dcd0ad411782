// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

/// What a screen reader is told of a link label: a link, named by its words, that can be
/// pressed.
class AccessibleLink final : public QAccessibleWidget
{
public:
    explicit AccessibleLink(LinkLabel *link) : QAccessibleWidget(link, QAccessible::Link) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const LinkLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
    [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            static_cast<LinkLabel *>(widget())->Press();
    }
};

QAccessibleInterface *linkInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("LinkLabel") && object->isWidgetType())
        return new AccessibleLink(static_cast<LinkLabel *>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    static const bool installed = (QAccessible::installFactory(linkInterface), true);
    (void)installed;
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setColour(QColor(0, 0, 255));
}

LinkLabel::~LinkLabel() = default;

void LinkLabel::setColour(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

void LinkLabel::Press()
{
    setColour(QColor(128, 128, 255));
    emit clicked();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    setColour(QColor(128, 128, 255));
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Press();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The style's focus frame around the words, so that the keyboard's place shows.
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = contentsRect().intersected(
        QRect(QPoint(0, 0), fontMetrics().size(Qt::TextSingleLine, text()) + QSize(2, 0)));
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}
