// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonKeys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

/// Clicks the button it watches when Enter is pressed on it.
class EnterClicks final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
            if (enter && mods == Qt::NoModifier) {
                static_cast<QPushButton *>(watched)->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void PressFocusedButtonOnEnter(QWidget *window)
{
    auto *filter = new EnterClicks(window); // owned by the window
    for (QPushButton *button : window->findChildren<QPushButton *>())
        button->installEventFilter(filter);
}
