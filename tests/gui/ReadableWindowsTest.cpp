// SPDX-License-Identifier: GPL-3.0-or-later
// Every window can be read: no text of the program is cut (each column and caption measured with
// the font in use against the widest text the program can put there), and a screen reader finds
// a name for each input control and button, taken from its label, its own text or, for a
// toolbar button, its tooltip. Run at scale 1 and at QT_SCALE_FACTOR=2.

#include "MainWindowTestSupport.h"

#include "EventListModel.h"
#include "HelpFile.h"
#include "HelpViewer.h"
#include "ScanComputation.h"
#include "frmAbout.h"
#include "frmBug.h"
#include "frmFind.h"
#include "frmSync.h"
#include "frmLiveUpdate.h"
#include "frmWhatsUp.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QGroupBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

/// Every cell of `columns` and every header of `view` shows its text whole.
QStringList cutCells(QTreeView *view, const QList<int> &columns)
{
    QStringList cut;
    const int margin =
        2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const QAbstractItemModel *model = view->model();
    for (const int column : columns) {
        const QString caption = model->headerData(column, Qt::Horizontal).toString();
        const int headerMargin =
            2 * view->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, view->header());
        if (QFontMetrics(view->header()->font()).horizontalAdvance(caption) + headerMargin >
            view->header()->sectionSize(column))
            cut << u"header "_s + caption;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, column);
            const QVariant font = index.data(Qt::FontRole);
            const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : view->font());
            const QString text = index.data().toString();
            if (metrics.horizontalAdvance(text) + margin > view->columnWidth(column))
                cut << text;
        }
    }
    return cut;
}

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

class ReadableWindowsTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void cleanup() { finish(); }

    void theEventListShowsEveryDateCountTypeAndPeriodWhole()
    {
        // The widest of each: a type the editor composes, the last date a file holds, an old
        // date kept by an unknown type, the notice periods a file may hold; all bold, as a
        // found row is.
        start("$$Long type$$" + dateText(5) + "$$Every 99th month$$-32768$$\r\n" +
              "$$Last day$$9999-12-30$$Once$$32767$$\r\n" + "$$Old$$0001-01-01$$odd$$0$$\r\n" +
              "$$Week$$" + dateText(9) + "$$Every 88th week$$99$$\r\n" + "$$Birthday$$" +
              dateText(3) + "$$Birthday$$3$$\r\n");
        for (int row = 0; row < window->List().rowCount(); ++row)
            window->List().setBold(window->List().keyOfRow(row), true);
        QCOMPARE(cutCells(window->EventView(), {0, 1, 2, 3, 4}).join(u" | "_s), QString());
        // The window keeps its size: the columns fill the list without a scroll bar, and the
        // description keeps most of the room.
        int total = 0;
        for (int c = 0; c < EventListModel::ColumnCount; ++c)
            total += window->EventView()->columnWidth(c);
        QVERIFY(total <= window->EventView()->viewport()->width());
        QVERIFY(window->EventView()->columnWidth(0) >= 200);
        QCOMPARE(window->minimumSize(), window->maximumSize());
    }

    void theScanWindowShowsEveryLabelAndDateWhole()
    {
        const Date today = Date::today();
        const std::vector<clsEvent> events = {
            {"ID0", "Far", today.addDays(32767), "Once", 32767, ""},
            {"ID1", "Now", today, "Once", 0, ""},
            {"ID2", "Next", today.addDays(1), "Once", 1, ""},
        };
        const ScanResult scan =
            ComputeScan(events, today,
                        {{"Missed", today.addDays(-14), "", 0}, {"Y", today.addDays(-1), "", 0}});
        std::vector<MailOffer> mails;
        frmWhatsUp window(scan.rows, mails);
        auto *list = window.findChild<QTreeWidget *>(u"lstWhatsUp"_s);
        // Today's rows are drawn bold: measure every label so.
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QFont bold = list->font();
            bold.setBold(true);
            for (int c = 0; c < 2; ++c)
                list->topLevelItem(i)->setFont(c, bold);
        }
        QCOMPARE(cutCells(list, {0, 1}).join(u" | "_s), QString());
    }

    void theEditorsCaptionsAndWeekdaysAreWhole()
    {
        std::optional<EventFields> line;
        frmAddEvent editor(line);
        showAndWait(editor);
        auto *frame = editor.findChild<QGroupBox *>(u"fraEmail"_s);
        QVERIFY(QFontMetrics(frame->font()).horizontalAdvance(frame->title()) + 16 <=
                frame->width());
        QVERIFY(frame->geometry().right() < editor.width());
        // The address and its label stand clear of the title, inside the dialog.
        for (const char *name : {"lblEmail", "txtEmail"}) {
            const QRect place = editor.findChild<QWidget *>(QString::fromLatin1(name))->geometry();
            QVERIFY2(place.top() >= frame->y() + QFontMetrics(frame->font()).height(), name);
            QVERIFY2(place.right() < editor.width(), name);
        }
        auto *calendar = editor.findChild<QCalendarWidget *>(u"calSetDate"_s);
        auto *grid = calendar->findChild<QTableView *>();
        QVERIFY(grid);
        const QAbstractItemModel *days = grid->model();
        QFont bold = calendar->font();
        bold.setBold(true);
        for (int c = 0; c < days->columnCount(); ++c) {
            const QString name = days->data(days->index(0, c)).toString();
            QVERIFY2(QFontMetrics(bold).horizontalAdvance(name) + 2 <= grid->columnWidth(c),
                     qPrintable(name));
        }
    }

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
        QCOMPARE(QAccessible::queryAccessibleInterface(
                     editor.findChild<QLineEdit *>(u"txtDescription"_s))
                     ->text(QAccessible::Name),
                 u"Description"_s);
        frmFind find(
            window->List(), [&](int row) { window->SelectRow(row); }, window.get());
        std::vector<MailOffer> mails;
        frmWhatsUp whatsUp(ComputeScan(window->State().Events(), Date::today()).rows, mails);
        frmAbout about;
        frmBug contact;
        frmLiveUpdate update;
        HelpViewer help({HelpTopic{1, "Contents", "Welcome."}}, window.get());
        CalendarSync publishing;
        frmSync sync(publishing, window.get());
        for (QWidget *other : std::initializer_list<QWidget *>{&editor, &find, &whatsUp, &about,
                                                               &contact, &update, &help, &sync})
            QCOMPARE(unnamed(other).join(u", "_s), QString());
    }
};

QTEST_MAIN(ReadableWindowsTest)
#include "ReadableWindowsTest.moc"
