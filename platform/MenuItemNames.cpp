// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuItemNames.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QWindow>

namespace {

const char *const NamedWithoutDots = "moonrillNamedWithoutDots";
const QString Dots = QStringLiteral("...");

/// An item of a menu that opens a window, as the accessibility bus sees it: what the toolkit's
/// own item says, but its name without the dots and without the access key's mark.
class ItemWithoutDots final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ItemWithoutDots(QMenu *menu, QAction *action) : m_menu(menu), m_action(action) {}

    [[nodiscard]] bool isValid() const override { return m_menu != nullptr && m_action != nullptr; }
    [[nodiscard]] QObject *object() const override { return m_action.data(); }
    [[nodiscard]] QWindow *window() const override
    {
        return m_menu != nullptr ? m_menu->windowHandle() : nullptr;
    }
    [[nodiscard]] QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_menu.data());
    }
    [[nodiscard]] QAccessibleInterface *child(int) const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::MenuItem; }
    void setText(QAccessible::Text, const QString &) override {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        if (kind == QAccessible::Name) {
            QString name = m_action->text();
            name.remove(QLatin1Char('&'));
            if (name.endsWith(Dots))
                name.chop(Dots.size());
            return name.trimmed();
        }
        if (kind == QAccessible::Accelerator)
            return m_action->shortcut().toString(QKeySequence::NativeText);
        return {};
    }

    [[nodiscard]] QRect rect() const override
    {
        if (!isValid() || !m_menu->isVisible())
            return {};
        const QRect shown = m_menu->actionGeometry(m_action);
        return {m_menu->mapToGlobal(shown.topLeft()), shown.size()};
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.focusable = true;
        state.disabled = !m_action->isEnabled();
        state.invisible = !m_action->isVisible() || !m_menu->isVisible();
        state.focused = state.active = m_menu->activeAction() == m_action;
        state.checkable = m_action->isCheckable();
        state.checked = m_action->isChecked();
        return state;
    }

    [[nodiscard]] void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }

    [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && isValid() && m_action->isEnabled())
            m_action->trigger();
    }
    [[nodiscard]] QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action != pressAction() || !isValid() || m_action->shortcut().isEmpty())
            return {};
        return {m_action->shortcut().toString(QKeySequence::NativeText)};
    }

private:
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_action;
};

QAccessibleInterface *itemInterface(const QString &, QObject *object)
{
    auto *action = qobject_cast<QAction *>(object);
    if (action == nullptr || !action->property(NamedWithoutDots).isValid())
        return nullptr;
    return new ItemWithoutDots(action->property(NamedWithoutDots).value<QMenu *>(), action);
}

} // namespace

void NameItemsWithoutDots(QMenu *menu)
{
    static const bool installed = (QAccessible::installFactory(itemInterface), true);
    Q_UNUSED(installed)
    for (QAction *action : menu->actions()) {
        if (action->menu() != nullptr || !action->text().endsWith(Dots))
            continue;
        action->setProperty(NamedWithoutDots, QVariant::fromValue(menu));
        // An interface the toolkit made for the item before would keep the dots.
        if (QAccessibleInterface *known = QAccessible::queryAccessibleInterface(action);
            known != nullptr && dynamic_cast<ItemWithoutDots *>(known) == nullptr)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
    }
}
