// SPDX-License-Identifier: GPL-3.0-or-later
// Every window can be read: no text of the program is cut (each column and caption measured with
// the font in use against the widest text the program can put there), and a screen reader finds
// a name for each input control and button, taken from its label, its own text or, for a
// toolbar button, its tooltip. Run at scale 1 and at QT_SCALE_FACTOR=2.

#include "MainWindowTestSupport.h"
#include "TestEvents.h"

#include "EventListModel.h"
#include "HelpFile.h"
#include "HelpViewer.h"
#include "ScanComputation.h"
#include "Translations.h"
#include "frmAbout.h"
#include "frmBug.h"
#include "frmFind.h"
#include "frmLiveUpdate.h"
#include "frmSync.h"
#include "frmWhatsUp.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>
#include <QTranslator>
#include <QTreeView>
#include <QTreeWidget>

#include <array>

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

/// The rows of `view` whose text in `column` would lose the dots and accents above its capitals or
/// the tails below its line: the style centres a row's text by the font's declared height, and the
/// glyphs of "ÖÜÉÂ" and "gjpq" must lie inside the row around that centre.
QStringList clippedRows(const QTreeView *view, int column)
{
    QStringList clipped;
    const QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, column);
        const QVariant font = index.data(Qt::FontRole);
        const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : view->font());
        const QRect tall = metrics.tightBoundingRect(u"ÖÜÉÂ"_s);
        const QRect deep = metrics.tightBoundingRect(u"gjpq"_s);
        // From the middle of the text's line to the top of the accents and the bottom of the tails.
        const int middle = metrics.height() / 2;
        const int up = -tall.top() - metrics.ascent() + middle;
        const int down = deep.bottom() + 1 + metrics.ascent() - middle;
        const int height = view->visualRect(index).height();
        if (height < 2 * std::max(up, down))
            clipped << u"%1 (%2 < %3)"_s.arg(index.data().toString())
                           .arg(height)
                           .arg(2 * std::max(up, down));
    }
    return clipped;
}

bool isInputOrButton(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractButton *>(w) ||
           qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
           qobject_cast<const QCalendarWidget *>(w) || qobject_cast<const QTextEdit *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QAbstractItemView *>(w) ||
           qobject_cast<const QProgressBar *>(w);
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

/// Every text `window` shows or tells a screen reader, with the name of the widget it belongs to.
QMultiHash<QString, QString> textsOf(QWidget *window)
{
    QMultiHash<QString, QString> texts;
    const auto add = [&texts](const QObject *owner, const QString &text) {
        if (!text.trimmed().isEmpty())
            texts.insert(shownText(text), owner->objectName());
    };
    add(window, window->windowTitle());
    // The calendar's month names come from the locale, not from the program's texts.
    const auto inCalendar = [](const QObject *o) {
        for (; o != nullptr; o = o->parent())
            if (qobject_cast<const QCalendarWidget *>(o))
                return true;
        return false;
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (inCalendar(w))
            continue;
        add(w, w->toolTip());
        add(w, w->accessibleName());
        if (auto *label = qobject_cast<QLabel *>(w))
            add(w, label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(w, button->text());
        else if (auto *box = qobject_cast<QGroupBox *>(w))
            add(w, box->title());
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            add(w, edit->placeholderText());
        else if (auto *spinner = qobject_cast<QAbstractSpinBox *>(w))
            add(w, spinner->specialValueText());
        else if (auto *list = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < list->count(); ++i)
                add(w, list->itemText(i));
        } else if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
            for (int c = 0; view->model() && c < view->model()->columnCount(); ++c)
                add(w, view->model()->headerData(c, Qt::Horizontal).toString());
        }
    }
    for (QAction *action : window->findChildren<QAction *>()) {
        if (inCalendar(action))
            continue;
        add(action, action->text());
        add(action, action->toolTip());
    }
    return texts;
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

/// The texts of `window` that its controls cut: a label, button or box title whose words need
/// more room than it has (a label that wraps, more lines than its height holds).
QStringList cutTexts(QWidget *window)
{
    QStringList cut;
    const auto plain = [](QString text) { return text.remove(QRegularExpression(u"&(?!&)"_s)); };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->objectName().startsWith(u"qt_"_s) ||
            insideComposite(w, window))
            continue;
        const QFontMetrics metrics(w->font());
        bool whole = true;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(w); label != nullptr && !label->text().isEmpty()) {
            text = label->text();
            const QRect room = label->contentsRect();
            if (label->wordWrap() || Qt::mightBeRichText(text))
                whole = label->heightForWidth(room.width()) <= room.height() ||
                        label->heightForWidth(room.width()) < 0;
            else
                for (const QString &line : plain(text).split(u'\n'))
                    whole = whole && metrics.horizontalAdvance(line) <= room.width();
        } else if (auto *button = qobject_cast<QAbstractButton *>(w);
                   button != nullptr && !button->text().isEmpty() &&
                   qobject_cast<QToolButton *>(w) == nullptr) {
            text = button->text();
            // A push button's hint has a least width of its own; its text needs less.
            const int margin =
                qobject_cast<QPushButton *>(w) != nullptr
                    ? 2 * w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w)
                    : button->sizeHint().width() - metrics.horizontalAdvance(plain(text));
            whole = metrics.horizontalAdvance(plain(text)) + margin <= button->width();
        } else if (auto *box = qobject_cast<QGroupBox *>(w);
                   box != nullptr && !box->title().isEmpty()) {
            text = box->title();
            whole = metrics.horizontalAdvance(plain(text)) + 16 <= box->width();
        }
        if (!whole)
            cut << window->objectName() + u"/"_s + w->objectName() + u": "_s + plain(text).left(40);
    }
    return cut;
}

/// The access keys that more than one entry of a menu (or the menu bar) share, as
/// "menu: key (entries)".
QStringList sharedAccessKeys(const QWidget *window)
{
    QStringList shared;
    const auto check = [&shared](const QString &where, const QList<QAction *> &actions) {
        QMultiHash<QChar, QString> keys;
        static const QRegularExpression key(u"&([^&])"_s);
        for (const QAction *action : actions) {
            const QRegularExpressionMatch match = key.match(action->text());
            if (match.hasMatch())
                keys.insert(match.captured(1).at(0).toLower(), action->text());
        }
        for (const QChar letter : keys.uniqueKeys())
            if (keys.count(letter) > 1)
                shared << where + u": "_s + letter + u" ("_s + keys.values(letter).join(u", "_s) +
                              u")"_s;
    };
    if (const auto *bar = window->findChild<QMenuBar *>())
        check(u"menu bar"_s, bar->actions());
    for (const QMenu *menu : window->findChildren<QMenu *>())
        check(menu->title().isEmpty() ? menu->objectName() : menu->title(), menu->actions());
    return shared;
}

/// Every window but the main one and the help, over the main window's list.
struct OtherWindows
{
    explicit OtherWindows(frmMain &window)
        : find(
              window.List(), [&window](int row) { window.SelectRow(row); }, &window),
          whatsUp(ComputeScan(window.State().Events(), Date::today()).rows, mails),
          sync(publishing, &window)
    {
    }
    [[nodiscard]] std::array<QWidget *, 7> all()
    {
        return {&editor, &find, &whatsUp, &about, &contact, &update, &sync};
    }

    frmAddEvent editor;
    frmFind find;
    std::vector<MailOffer> mails;
    frmWhatsUp whatsUp;
    frmAbout about;
    frmBug contact;
    frmLiveUpdate update;
    CalendarSync publishing;
    frmSync sync;
};

} // namespace

class ReadableWindowsTest : public MainWindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The same measures in the desktop's language, where the run asks for it.
        if (qEnvironmentVariableIsSet("MOONRILL_TEST_TRANSLATED"))
            LoadTranslations(*QCoreApplication::instance());
        // The same measures under another style, as a desktop's theme shows the windows.
        const QString wanted = qEnvironmentVariable("MOONRILL_TEST_STYLE");
        if (wanted.isEmpty())
            return;
        if (!QStyleFactory::keys().contains(wanted, Qt::CaseInsensitive))
            QSKIP(qPrintable(u"The style %1 is not installed (adwaita-qt6)"_s.arg(wanted)));
        QApplication::setStyle(QStyleFactory::create(wanted));
    }
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

    void theLongestTypeBesideALongDescriptionKeepsEveryColumnInView()
    {
        // Enough rows for a vertical scroll bar, the longest type by weekday, and a description of
        // 200 characters.
        const QByteArray description = u"A long description "_s.repeated(11).left(200).toUtf8();
        QByteArray content = "$$" + description + "$$" + dateText(5) +
                             "$$Every 12th month on the fourth Wednesday$$3$$\r\n";
        for (int i = 0; i < 40; ++i)
            content +=
                "$$Row " + QByteArray::number(i) + "$$" + dateText(6 + i) + "$$Once$$3$$\r\n";
        start(content);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTreeView *view = window->EventView();
        QVERIFY(view->verticalScrollBar()->isVisible());
        QVERIFY(!view->horizontalScrollBar()->isVisible());
        const QHeaderView *header = view->header();
        for (int c = 0; c < EventListModel::ColumnCount; ++c) {
            const int end = header->sectionViewportPosition(c) + header->sectionSize(c);
            QVERIFY2(header->sectionViewportPosition(c) >= 0 && end <= view->viewport()->width(),
                     qPrintable(
                         u"%1 ends at %2 of %3"_s.arg(c).arg(end).arg(view->viewport()->width())));
        }
        // The events keep their room and the long type gives up what is missing (both show
        // their whole text as tooltip); the date, days and notice period are not cut.
        QVERIFY(view->columnWidth(EventListModel::EventColumn) >= 120);
        QCOMPARE(cutCells(view, {EventListModel::DateColumn, EventListModel::WhenColumn,
                                 EventListModel::NoticeColumn})
                     .join(u" | "_s),
                 QString());
    }

    void theMainWindowFitsItsScreen()
    {
        start("$$Dentist$$" + dateText(3) + "$$Once$$3$$\r\n");
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *area = qobject_cast<QScrollArea *>(window->centralWidget());
        QVERIFY(area != nullptr);
        const QSize designed(622, 519);
        QCOMPARE(area->widget()->size(), designed);
        const QRect room = window->screen()->availableGeometry();
        if (room.width() >= 800 && room.height() >= 600) {
            // Where it fits, exactly as designed.
            QCOMPARE(area->size(), designed);
            QVERIFY(!area->verticalScrollBar()->isVisible());
            QVERIFY(!area->horizontalScrollBar()->isVisible());
            return;
        }
        // On a smaller screen (or at a larger scale) it shrinks to the free area, its frame
        // included, and scrolls to all of its content.
        QVERIFY(window->frameGeometry() != window->geometry()); // the frame is known
        QVERIFY(room.contains(window->frameGeometry()));
        QVERIFY(area->height() < designed.height());
        QVERIFY(area->verticalScrollBar()->isVisible());
        // Only as tall as the screen allows: where it is wide enough, no sideways scrolling.
        if (room.width() >= 800)
            QVERIFY(!area->horizontalScrollBar()->isVisible());
        QCOMPARE(area->verticalScrollBar()->maximum(),
                 designed.height() - area->viewport()->height());
        QCOMPARE(window->minimumSize(), window->maximumSize());
    }

    void aCutDescriptionShowsWholeInItsTooltip()
    {
        const QString cut = u"A description far too long for the column it has, "_s.repeated(3) +
                            u"<b>& the end</b>"_s;
        start("$$" + cut.toUtf8() + "$$" + dateText(5) + "$$Once$$3$$\r\n$$Short$$" + dateText(6) +
              "$$Once$$3$$\r\n");
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTreeView *view = window->EventView();
        const auto tipAt = [view](int row) {
            QToolTip::hideText();
            (void)QTest::qWaitFor([] { return !QToolTip::isVisible(); });
            const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
            QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
            QApplication::sendEvent(view->viewport(), &help);
            return QToolTip::isVisible() ? shownText(QToolTip::text()) : QString();
        };
        QCOMPARE(tipAt(0), cut);
        QCOMPARE(tipAt(1), QString()); // shown whole: no tooltip
        QToolTip::hideText();
    }

    void aShortMessageLeavesRoomForItsTitle()
    {
        // The title bar shows "Moonrill" in bold beside the window manager's three buttons.
        int width = 0, titleBar = 0;
        SetMessageHook([&](QMessageBox &box) {
            box.show();
            width = box.width();
            QFont bold = QApplication::font("QMdiSubWindowTitleBar");
            bold.setBold(true);
            titleBar = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) +
                       3 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight);
            box.hide();
            return MsgAnswer::Ok;
        });
        ShowMessage(std::string_view("Not found!"), MsgStyle::OkCritical, nullptr);
        SetMessageHook({});
        QVERIFY2(width > titleBar, qPrintable(u"%1 <= %2"_s.arg(width).arg(titleBar)));
    }

    void theScanWindowShowsEveryLabelAndDateWhole()
    {
        const Date today = Date::today();
        const std::vector<clsEvent> events = {
            {"ID0", "Far", today.addDays(32767), "Once", 32767, ""},
            {"ID1", "Now", today, "Once", 0, ""},
            {"ID2", "Next", today.addDays(1), "Once", 1, ""},
        };
        const ScanResult scan = ComputeScan(
            events, today,
            {TestMissed("Missed", today.addDays(-14)), TestMissed("Y", today.addDays(-1))});
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

    void accentedCapitalsAndTailsAreDrawnWhole()
    {
        // A name with accents above capitals, one with tails below the line, and a bold row as
        // the find dialog marks it.
        start("$$Ömer Übelacker$$" + dateText(2) + "$$Once$$9$$\r\n$$TÜV gjpq$$" + dateText(3) +
              "$$Once$$9$$\r\n$$Élodie Âge$$" + dateText(4) + "$$Once$$9$$\r\n");
        window->List().setBold(window->List().keyOfRow(2), true);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(clippedRows(window->EventView(), EventListModel::EventColumn).join(u" | "_s),
                 QString());
        // The scan window lists the same names, one of them bold as today's rows are.
        std::vector<MailOffer> mails;
        frmWhatsUp whatsUp(ComputeScan(window->State().Events(), Date::today()).rows, mails);
        auto *list = whatsUp.findChild<QTreeWidget *>(u"lstWhatsUp"_s);
        QCOMPARE(list->topLevelItemCount(), 3);
        QFont bold = list->font();
        bold.setBold(true);
        list->topLevelItem(0)->setFont(2, bold);
        showAndWait(whatsUp);
        QCOMPARE(clippedRows(list, 2).join(u" | "_s), QString());
    }

    void theEditorsCaptionsAndWeekdaysAreWhole()
    {
        frmAddEvent editor;
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
        // The type list shows its widest type whole, and the spinners their widest numbers
        // beside buttons of the style's own size.
        const auto showsWhole = [](QComboBox *list) {
            for (int i = 0; i < list->count(); ++i) {
                QStyleOptionComboBox option;
                option.initFrom(list);
                option.currentText = list->itemText(i);
                const QSize text(list->fontMetrics().horizontalAdvance(option.currentText),
                                 list->fontMetrics().height());
                const QSize needed =
                    list->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, list);
                QVERIFY2(needed.width() <= list->width(),
                         qPrintable(u"%1: %2 > %3"_s.arg(option.currentText)
                                        .arg(needed.width())
                                        .arg(list->width())));
            }
        };
        auto *types = editor.findChild<QComboBox *>(u"comOccurs"_s);
        showsWhole(types);
        for (const char *name : {"UpDown1", "UpDown2", "txtBirthYear"}) {
            auto *spinner = editor.findChild<QSpinBox *>(QString::fromLatin1(name));
            const QSize needed = spinner->sizeHint();
            QVERIFY2(needed.width() <= spinner->width() && needed.height() <= spinner->height(),
                     qPrintable(u"%1: %2x%3 in %4x%5"_s.arg(QString::fromLatin1(name))
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(spinner->width())
                                    .arg(spinner->height())));
            QVERIFY2(spinner->geometry().right() < editor.findChild<QWidget *>(u"cmdOk"_s)->x(),
                     name);
            // Above the line that closes the collapsed dialog.
            QVERIFY2(spinner->geometry().bottom() < editor.findChild<QFrame *>(u"Line1"_s)->y(),
                     name);
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
        // A yearly event's first year beside its interval, under the clip, in the dialog.
        auto *firstYear = editor.findChild<QSpinBox *>(u"txtFirstYear"_s);
        QVERIFY(firstYear->sizeHint().width() <= firstYear->width());
        QVERIFY(firstYear->x() > editor.findChild<QSpinBox *>(u"UpDown2"_s)->geometry().right());
        auto *interval = editor.findChild<QLabel *>(u"lblInterval"_s);
        QVERIFY(editor.findChild<QLabel *>(u"lblFirstYear"_s)->x() >
                interval->x() + interval->fontMetrics().horizontalAdvance(interval->text()));
        QVERIFY(firstYear->y() > editor.findChild<QWidget *>(u"anmAdd"_s)->geometry().bottom());
        QVERIFY2(firstYear->geometry().right() < editor.width(),
                 qPrintable(u"%1 + %2 in %3"_s.arg(firstYear->x())
                                .arg(firstYear->width())
                                .arg(editor.width())));
        QVERIFY(firstYear->geometry().bottom() < editor.findChild<QFrame *>(u"Line1"_s)->y());
        // The month's days and weekdays, every week of them, whole under the type, clear of the
        // notice period and of the buttons' column's clip.
        types->setCurrentIndex(types->findData(u"Monthly"_s));
        auto *repeatOn = editor.findChild<QComboBox *>(u"comRepeatOn"_s);
        QVERIFY(repeatOn->isVisible());
        for (int day = 1; day <= 31; ++day) {
            calendar->setSelectedDate(QDate(2027, 3, day));
            showsWhole(repeatOn);
        }
        for (const char *name :
             {"comOccurs", "lblPeriod", "UpDown1", "cmdOk", "cmdCancel", "anmAdd"})
            QVERIFY2(!repeatOn->geometry().intersects(
                         editor.findChild<QWidget *>(QString::fromLatin1(name))->geometry()),
                     name);
        QVERIFY(repeatOn->geometry().right() < editor.width());
    }

    void everyTextIsInTheDesktopsLanguage()
    {
        if (!qEnvironmentVariableIsSet("MOONRILL_TEST_TRANSLATED"))
            QSKIP("Only in the runs in another language");
        // The same windows built in English and in the desktop's language: a text that stays
        // the same is one the translation missed, unless the language writes it alike.
        const QList<QTranslator *> translators =
            QCoreApplication::instance()->findChildren<QTranslator *>();
        const auto everyWindow = [this] {
            start("$$Dentist$$" + dateText(0) + "$$Once$$3$$\r\n$$Ann$$" + dateText(1) +
                  "$$Birthday$$3$$ann@example.org$$1970\r\n");
            QMultiHash<QString, QString> texts = textsOf(window.get());
            {
                frmAddEvent editor;
                frmFind find(
                    window->List(), [](int) {}, window.get());
                std::vector<MailOffer> mails;
                frmWhatsUp whatsUp(ComputeScan(window->State().Events(), Date::today()).rows,
                                   mails);
                frmAbout about;
                frmBug contact;
                frmLiveUpdate update;
                CalendarSync publishing;
                frmSync sync(publishing, window.get());
                HelpViewer help({HelpTopic{1, "Contents", "Welcome."}}, nullptr);
                for (QWidget *other : std::initializer_list<QWidget *>{
                         &editor, &find, &whatsUp, &about, &contact, &update, &sync, &help})
                    texts.unite(textsOf(other));
            }
            finish();
            return texts;
        };
        for (QTranslator *translator : translators)
            QCoreApplication::removeTranslator(translator);
        const QMultiHash<QString, QString> english = everyWindow();
        for (QTranslator *translator : translators)
            QCoreApplication::installTranslator(translator);
        const QMultiHash<QString, QString> translated = everyWindow();
        // Alike in every language: the name, the data, numbers, dates and addresses.
        static const QRegularExpression alike(
            u"^(\\s*Moonrill|&?OK|Dentist|Ann( \\(\\d+\\))?|Version [\\d.]+|[\\d\\s:.-]*|\\S+@\\S+|"
            "&?Test|Status: |Idle|Version |Text:?|E-Mail:|E-mail|No|Date|Description|Type|Contents|"
            "Welcome\\.)$"_s);
        QStringList missed;
        for (auto it = translated.cbegin(); it != translated.cend(); ++it) {
            if (english.contains(it.key(), it.value()) && !alike.match(it.key()).hasMatch())
                missed << it.value() + u": "_s + it.key();
        }
        missed.removeDuplicates();
        QCOMPARE(missed.join(u"\n"_s), QString());
    }

    void noWindowCutsItsTexts()
    {
        start("$$Dentist$$" + dateText(0) + "$$Once$$3$$\r\n");
        // Each access key opens one entry of its menu, in every language.
        QCOMPARE(sharedAccessKeys(window.get()).join(u"; "_s), QString());
        QCOMPARE(cutTexts(window.get()).join(u", "_s), QString());
        OtherWindows others(*window);
        // The editor with each section shown: the e-mail's, and the birthday's.
        auto *types = others.editor.findChild<QComboBox *>(u"comOccurs"_s);
        types->setCurrentIndex(types->findData(u"Birthday"_s));
        for (QWidget *other : others.all()) {
            showAndWait(*other);
            QCOMPARE(cutTexts(other).join(u", "_s), QString());
            other->hide();
        }
    }

    void everyControlOfEveryWindowHasAName()
    {
        start("$$Dentist$$" + dateText(0) + "$$Once$$3$$\r\n");
        QCOMPARE(unnamed(window.get()).join(u", "_s), QString());
        // A row's cell reads with the rest of its row.
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(window->EventView());
        QAccessibleInterface *cell = list->tableInterface()->cellAt(0, 0);
        QCOMPARE(cell->text(QAccessible::Name), u"Dentist"_s);
        if (!qEnvironmentVariableIsSet("MOONRILL_TEST_TRANSLATED"))
            QCOMPARE(cell->text(QAccessible::Description),
                     u"Date: %1, When: 0, Type: Once, Notice period: 3"_s.arg(
                         QString::fromLatin1(dateText(0))));
        // The toolbar's buttons are named by their tooltips.
        for (QToolButton *button : window->findChildren<QToolButton *>()) {
            if (button->defaultAction() != nullptr && !button->toolTip().isEmpty())
                QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                         button->toolTip());
        }
        OtherWindows others(*window);
        QCOMPARE(QAccessible::queryAccessibleInterface(
                     others.editor.findChild<QLineEdit *>(u"txtDescription"_s))
                     ->text(QAccessible::Name),
                 QCoreApplication::translate("frmAddEvent", "Description:").chopped(1).trimmed());
        HelpViewer help({HelpTopic{1, "Contents", "Welcome."}}, window.get());
        QCOMPARE(unnamed(&help).join(u", "_s), QString());
        for (QWidget *other : others.all())
            QCOMPARE(unnamed(other).join(u", "_s), QString());
    }
};

QTEST_MAIN(ReadableWindowsTest)
#include "ReadableWindowsTest.moc"
