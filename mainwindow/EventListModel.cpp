// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventListModel.h"

#include "BirthYear.h"
#include "Conversions.h"
#include "EventList.h"
#include "MoonrillError.h"
#include "Reminders.h"
#include "ScanComputation.h"
#include "ShownType.h"
#include "Text.h"
#include "UserWords.h"

#include <QDate>
#include <QFont>
#include <QLocale>
#include <QTime>

EventListModel::EventListModel(EventList &list, QObject *parent)
    : QAbstractTableModel(parent), m_state(list.State())
{
    list.SetObserver(this);
}

EventListModel::~EventListModel() = default;

int EventListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_state.RowCount());
}

int EventListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EventListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= m_state.RowCount())
        return {};
    const auto row = size_t(index.row());
    const clsEvent &event = m_state.RecordOfRow(row);
    if (role == Qt::FontRole) {
        if (m_bold.count(event.Id) == 0)
            return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    // A timed event's date tells its day and time in the user's words.
    if (role == Qt::ToolTipRole && index.column() == DateColumn) {
        const std::optional<int> time = EventTime(event);
        if (!time)
            return {};
        const Date::Ymd day = event.StartingOn.ymd();
        const QLocale locale;
        return PlainToolTip(
            locale.toString(QDate(day.year, day.month, day.day), QLocale::LongFormat) +
            QLatin1Char(' ') +
            locale.toString(QTime(*time / 60, *time % 60), QLocale::ShortFormat));
    }
    if (role == Qt::ToolTipRole && index.column() == EventColumn) {
        const QString years = yearsText(event);
        return years.isEmpty() ? QVariant() : QVariant(PlainToolTip(years));
    }
    // The keyboard is always on a row's Event cell (the list selects whole rows). A screen reader
    // reads that cell's text, then its description: the age or count of years the tooltip shows,
    // and the rest of the row ("Date: 2026-12-09, When: 3, ..."), so that each row reads whole and
    // once. The other cells say their own value alone.
    if (role == Qt::AccessibleDescriptionRole) {
        if (index.column() != EventColumn)
            return {};
        QStringList told;
        if (const QString years = yearsText(event); !years.isEmpty())
            told << years;
        for (int column = 0; column < ColumnCount; ++column) {
            if (column != EventColumn)
                told << headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() +
                            QStringLiteral(": ") +
                            data(this->index(index.row(), column), Qt::DisplayRole)
                                .toString()
                                .trimmed();
        }
        return told.join(QStringLiteral(", "));
    }
    // A day count is padded to line up on screen; read out, it is the number alone.
    if (role == Qt::AccessibleTextRole)
        return data(index, Qt::DisplayRole).toString().trimmed();
    if (role == Qt::TextAlignmentRole && index.column() == WhenColumn)
        return QVariant::fromValue<Qt::Alignment>(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case EventColumn:
        return FromBytes(event.Description);
    case DateColumn:
        return FromBytes(DateAndTimeText(event));
    case WhenColumn:
        return FromBytes(PaddedDayCount(m_state.WhenDaysOfRow(row)));
    case TypeColumn:
        return ShownType(event.Occurs);
    case NoticeColumn:
        return FromBytes(m_state.NoticePeriodOfRow(row));
    default:
        return {};
    }
}

QString EventListModel::yearsText(const clsEvent &event)
{
    // A birthday tells the age it comes round with, an anniversary its count of years.
    if (const int years = AnniversaryYears(event, event.StartingOn))
        return FromBytes(WithYears(event.Description, years, UserWords()));
    if (event.Occurs == BirthdayType && ShownAge(event.StartingOn, event.BirthYear))
        return FromBytes(TurnsOnText(event.StartingOn, event.BirthYear, UserWords()));
    return {};
}

QVariant EventListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case EventColumn:
        return tr("Event");
    case DateColumn:
        return tr("Date");
    case WhenColumn:
        return tr("When");
    case TypeColumn:
        return tr("Type");
    case NoticeColumn:
        return tr("Notice period");
    default:
        return {};
    }
}

QString EventListModel::keyOfRow(int row) const
{
    if (row < 0 || size_t(row) >= m_state.RowCount())
        return {};
    return FromBytes(m_state.RecordOfRow(size_t(row)).Id);
}

void EventListModel::changing(Change change, size_t row)
{
    switch (change) {
    case Change::Insert:
        beginInsertRows({}, int(row), int(row));
        break;
    case Change::Remove:
        beginRemoveRows({}, int(row), int(row));
        break;
    case Change::Reorder:
        // Rows move; the view keeps its selection by position through a layout change.
        emit layoutAboutToBeChanged();
        break;
    case Change::Reset:
        beginResetModel();
        m_bold.clear();
        break;
    }
}

void EventListModel::changed(Change change)
{
    switch (change) {
    case Change::Insert:
        endInsertRows();
        break;
    case Change::Remove:
        endRemoveRows();
        break;
    case Change::Reorder:
        emit layoutChanged();
        break;
    case Change::Reset:
        endResetModel();
        break;
    }
}

void EventListModel::setBold(const QString &key, bool bold)
{
    const std::string k = key.toStdString();
    if (bold)
        m_bold.insert(k);
    else
        m_bold.erase(k);
    const std::optional<size_t> row = m_state.RowOf(k);
    if (row)
        emit dataChanged(index(int(*row), 0), index(int(*row), ColumnCount - 1), {Qt::FontRole});
}
