// Every window read by a screen reader: each input control and button has a name, taken from its
// label, its own text or, for a toolbar button, its tooltip.

#include "MainWindowTestSupport.h"

#include "HelpFile.h"
#include "HelpViewer.h"
#include "ScanComputation.h"
#include "frmAbout.h"
#include "frmBug.h"
#include "frmFind.h"
#include "frmLiveUpdate.h"
#include "frmWhatsUp.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

bool isInputOrButton(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractButton *>(w) ||
           qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
           qobject_cast<const QCalendarWidget *>(w) || qobject_cast<const QTextEdit *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QAbstractItemView *>(w);
}

/// The parts Qt builds inside a composite control (a spin box's text field, a calendar's grid)
/// are named by the control itself.
bool insideComposite(const QWidget *w, const QWidget *window)
{
    for (const QWidget *p = w->parentWidget(); p != nullptr && p != window; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox *>(p) || qobject_cast<const QComboBox *>(p) ||
            qobject_cast<const QCalendarWidget *>(p) || qobject_cast<const QAbstractItemView *>(p))
            return true;
    }
    return false;
}

/// The controls of `window` a screen reader would find without a name.
QStringList unnamed(QWidget *window)
{
    QStringList missing;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!isInputOrButton(w) || insideComposite(w, window) ||
            w->objectName().startsWith(u"qt_"_s))
            continue;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
        const QString name = face ? face->text(QAccessible::Name).trimmed() : QString();
        if (name.isEmpty())
            missing << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') +
                           w->objectName();
    }
    return missing;
}

} // namespace

class AccessibilityTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void cleanup() { finish(); }

    void everyControlOfEveryWindowHasAName()
    {
        start("$$Dentist$$" + dateText(0) + "$$Once$$3$$\r\n");
        QCOMPARE(unnamed(window.get()).join(u", "_s), QString());
        // The toolbar's buttons are named by their tooltips.
        for (QToolButton *button : window->findChildren<QToolButton *>()) {
            if (button->defaultAction() != nullptr && !button->toolTip().isEmpty())
                QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                         button->toolTip());
        }

        std::optional<EventFields> line;
        frmAddEvent editor(line);
        QCOMPARE(unnamed(&editor).join(u", "_s), QString());
        QCOMPARE(QAccessible::queryAccessibleInterface(
                     editor.findChild<QLineEdit *>(u"txtDescription"_s))
                     ->text(QAccessible::Name),
                 u"Description"_s);

        frmFind find(
            window->List(), [&](int row) { window->SelectRow(row); }, window.get());
        QCOMPARE(unnamed(&find).join(u", "_s), QString());

        std::vector<MailOffer> mails;
        const ScanResult scan = ComputeScan(window->State().Events(), Date::today());
        frmWhatsUp whatsUp(scan.rows, mails);
        QCOMPARE(unnamed(&whatsUp).join(u", "_s), QString());

        frmAbout about;
        QCOMPARE(unnamed(&about).join(u", "_s), QString());
        frmBug contact;
        QCOMPARE(unnamed(&contact).join(u", "_s), QString());
        frmLiveUpdate update;
        QCOMPARE(unnamed(&update).join(u", "_s), QString());
        HelpViewer help({HelpTopic{1, "Contents", "Welcome."}}, window.get());
        QCOMPARE(unnamed(&help).join(u", "_s), QString());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
