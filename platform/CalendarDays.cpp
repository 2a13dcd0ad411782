// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarDays.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCalendarWidget>
#include <QHeaderView>
#include <QLocale>
#include <QPointer>
#include <QTableView>

#include <map>

namespace {

const char *const GridName = "qt_calendar_calendarview";

/// The cells of the grid are numbered as the view numbers them when it tells the bus which one
/// has the keyboard: row by row, a visible header counted as a row or column of its own.
struct GridShape
{
    int headerRows = 0; // the view's own header, not the model's row of weekday names
    int headerColumns = 0;
    int columns = 0;

    explicit GridShape(const QTableView &view)
        : headerRows(view.horizontalHeader()->isVisible() ? 1 : 0),
          headerColumns(view.verticalHeader()->isVisible() ? 1 : 0),
          columns(view.model()->columnCount() + headerColumns)
    {
    }

    [[nodiscard]] QModelIndex cell(const QTableView &view, int child) const
    {
        return view.model()->index(child / columns - headerRows, child % columns - headerColumns);
    }

    [[nodiscard]] int child(const QModelIndex &index) const
    {
        return (index.row() + headerRows) * columns + index.column() + headerColumns;
    }
};

/// The date a cell of the grid shows: its day number in the month shown, or in the month before
/// or after for the days that fill the first and last weeks.
QDate dateOf(const QCalendarWidget &calendar, const QModelIndex &cell)
{
    bool number = false;
    const int day = cell.data(Qt::DisplayRole).toInt(&number);
    if (!number || day < 1)
        return {};
    const int weekdayRow =
        calendar.horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader ? 0 : 1;
    const int week = cell.row() - weekdayRow;
    QDate month(calendar.yearShown(), calendar.monthShown(), 1);
    if (week < 2 && day > 20)
        month = month.addMonths(-1);
    else if (week > 3 && day < 15)
        month = month.addMonths(1);
    return {month.year(), month.month(), day};
}

/// One day of the grid: a list item named by its date in words.
class Day final : public QAccessibleInterface
{
public:
    // The grid keeps its cells when it shows another month: a day is a place in it.
    Day(QTableView *view, int row, int column) : m_view(view), m_row(row), m_column(column) {}

    [[nodiscard]] bool isValid() const override { return m_view != nullptr && cell().isValid(); }
    [[nodiscard]] QObject *object() const override { return nullptr; }
    [[nodiscard]] QWindow *window() const override
    {
        return m_view != nullptr ? m_view->window()->windowHandle() : nullptr;
    }
    [[nodiscard]] QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_view.data());
    }
    [[nodiscard]] QAccessibleInterface *child(int) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::ListItem; }

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !isValid())
            return {};
        const auto *calendar = qobject_cast<const QCalendarWidget *>(m_view->parentWidget());
        const QDate date = calendar != nullptr ? dateOf(*calendar, cell()) : QDate();
        return date.isValid() ? QLocale().toString(date, QLocale::LongFormat)
                              : cell().data(Qt::DisplayRole).toString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    [[nodiscard]] QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect shown = m_view->visualRect(cell());
        return {m_view->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        const QModelIndex here = cell();
        state.selectable = state.focusable = (here.flags() & Qt::ItemIsSelectable) != 0;
        state.selected = m_view->selectionModel()->isSelected(here);
        state.focused = m_view->currentIndex() == here && m_view->hasFocus();
        return state;
    }

private:
    [[nodiscard]] QModelIndex cell() const
    {
        return m_view != nullptr ? m_view->model()->index(m_row, m_column) : QModelIndex();
    }

    QPointer<QTableView> m_view;
    int m_row;
    int m_column;
};

/// The grid as a list of days. Each day's interface is made when the bus first asks for it, and
/// lives as long as the grid's.
class DayList final : public QAccessibleWidget
{
public:
    explicit DayList(QTableView *view) : QAccessibleWidget(view, QAccessible::List) {}
    ~DayList() override
    {
        for (const auto &[child, id] : m_days)
            QAccessible::deleteAccessibleInterface(id);
    }
    DayList(const DayList &) = delete;
    DayList &operator=(const DayList &) = delete;

    [[nodiscard]] int childCount() const override
    {
        const GridShape shape(*view());
        return (view()->model()->rowCount() + shape.headerRows) * shape.columns;
    }

    [[nodiscard]] QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const auto known = m_days.find(index); known != m_days.end())
            return QAccessible::accessibleInterface(known->second);
        const QModelIndex cell = GridShape(*view()).cell(*view(), index);
        if (!cell.isValid())
            return nullptr;
        auto *day = new Day(view(), cell.row(), cell.column());
        m_days.emplace(index, QAccessible::registerAccessibleInterface(day));
        return day;
    }

    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (const auto &[index, id] : m_days) {
            if (QAccessible::accessibleInterface(id) == child)
                return index;
        }
        return -1;
    }

    [[nodiscard]] QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint point = view()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex cell = view()->indexAt(point);
        return cell.isValid() ? child(GridShape(*view()).child(cell)) : nullptr;
    }

private:
    [[nodiscard]] QTableView *view() const { return static_cast<QTableView *>(widget()); }

    // The bus names a day by its interface's id: the same day keeps the same one.
    mutable std::map<int, QAccessible::Id> m_days;
};

const char *const ReadsAsDates = "moonrillReadsAsDates";

QAccessibleInterface *dayListInterface(const QString &, QObject *object)
{
    if (auto *view = qobject_cast<QTableView *>(object);
        view != nullptr && view->property(ReadsAsDates).toBool())
        return new DayList(view);
    return nullptr;
}

} // namespace

void ReadDaysAsDates(QCalendarWidget *calendar)
{
    auto *view = calendar->findChild<QTableView *>(QLatin1String(GridName));
    if (view == nullptr)
        return;
    static const bool installed = (QAccessible::installFactory(dayListInterface), true);
    Q_UNUSED(installed)
    view->setProperty(ReadsAsDates, true);
    // An interface made for the grid before would go on reading it as a table.
    if (QAccessibleInterface *known = QAccessible::queryAccessibleInterface(view);
        known != nullptr && dynamic_cast<DayList *>(known) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}
