// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QWidget>

namespace {

/// A password field as the accessibility bus sees it. It has no text interface: the bus sends a
/// screen reader the typed, deleted and replaced text of a field only through that interface, so
/// without it no keystroke is spelled out; its value is a bullet a character.
class HiddenText final : public QAccessibleWidget
{
public:
    explicit HiddenText(QLineEdit *edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString(static_cast<QLineEdit *>(widget())->text().size(), QChar(0x2022));
        return QAccessibleWidget::text(kind);
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.passwordEdit = true;
        state.editable = true;
        return state;
    }
};

/// A list of choices as the accessibility bus sees it: named after its label, its value the choice
/// it shows. The toolkit's own list takes the choice for its name on this desktop, so a reader
/// says no label, or no choice where the label is the name.
class ChoiceList final : public QAccessibleWidget
{
public:
    explicit ChoiceList(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(kind);
    }

    [[nodiscard]] QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    [[nodiscard]] QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }
};

/// A progress bar with no value on the accessibility bus: without a value interface, the bus
/// passes none of its changes on.
class QuietBar final : public QAccessibleWidget
{
public:
    explicit QuietBar(QProgressBar *bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}
};

const char *const SaysChoice = "moonrillSaysChoice";
const char *const KeepsQuiet = "moonrillKeepsQuiet";

QAccessibleInterface *ownInterface(const QString &, QObject *object)
{
    if (auto *edit = qobject_cast<QLineEdit *>(object);
        edit != nullptr && edit->echoMode() != QLineEdit::Normal)
        return new HiddenText(edit);
    if (auto *combo = qobject_cast<QComboBox *>(object);
        combo != nullptr && combo->property(SaysChoice).toBool())
        return new ChoiceList(combo);
    if (auto *bar = qobject_cast<QProgressBar *>(object);
        bar != nullptr && bar->property(KeepsQuiet).toBool())
        return new QuietBar(bar);
    return nullptr;
}

/// Makes the interfaces above the ones the bus gets for `widget` from now on: one made for it
/// before would still say what they keep back.
template <typename Interface> void takeOwnInterface(QWidget *widget)
{
    static const bool installed = (QAccessible::installFactory(ownInterface), true);
    Q_UNUSED(installed)
    QAccessibleInterface *known = QAccessible::queryAccessibleInterface(widget);
    if (known != nullptr && dynamic_cast<Interface *>(known) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}

} // namespace

void NameAfterLabel(QLabel *label, QWidget *control)
{
    label->setBuddy(control);
    QString name = label->text();
    name.remove(QLatin1Char('&'));
    name = name.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    // French sets a blank before the colon.
    control->setAccessibleName(name.trimmed());
    // A number box's keyboard is the text field inside it, which a reader names on its own.
    if (auto *box = qobject_cast<QAbstractSpinBox *>(control)) {
        if (auto *text = box->findChild<QLineEdit *>())
            text->setAccessibleName(control->accessibleName());
    }
    if (auto *combo = qobject_cast<QComboBox *>(control))
        SayChoice(combo);
}

void SayChoice(QComboBox *combo)
{
    combo->setProperty(SaysChoice, true);
    takeOwnInterface<ChoiceList>(combo);
    // A reader presents a new description of the control it is at: the choice is said as it
    // changes, after the list's name.
    const auto say = [combo] {
        combo->setAccessibleDescription(combo->currentText());
        QAccessibleValueChangeEvent changed(combo, combo->currentText());
        QAccessible::updateAccessibility(&changed);
    };
    say();
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, say);
}

void HidePassword(QLineEdit *edit)
{
    edit->setEchoMode(QLineEdit::Password);
    takeOwnInterface<HiddenText>(edit);
}

void KeepValueQuiet(QProgressBar *bar)
{
    bar->setProperty(KeepsQuiet, true);
    takeOwnInterface<QuietBar>(bar);
}

void Announce(QWidget *window, const QString &text)
{
    QWidget *focused = window->focusWidget();
    (focused != nullptr ? focused : window)->setAccessibleDescription(text);
}
