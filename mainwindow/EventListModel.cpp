// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventListModel.h"

#include "BirthYear.h"
#include "Conversions.h"
#include "EventState.h"
#include "MoonrillError.h"
#include "ScanComputation.h"
#include "ShownType.h"
#include "Text.h"
#include "UserWords.h"

#include <QFont>

EventListModel::EventListModel(EventState &state, QObject *parent)
    : QAbstractTableModel(parent), m_state(state)
{
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
    if (role == Qt::ToolTipRole && index.column() == EventColumn) {
        // A birthday tells the age it comes round with, an anniversary its count of years.
        if (const int years = AnniversaryYears(event, event.StartingOn))
            return PlainToolTip(FromBytes(WithYears(event.Description, years, UserWords())));
        if (event.Occurs == BirthdayType && ShownAge(event.StartingOn, event.BirthYear))
            return PlainToolTip(FromBytes(TurnsOnText(event.StartingOn, event.BirthYear)));
    }
    // A screen reader reads the cell the keyboard is on; the rest of its row is told with it
    // ("Date: 2026-12-09, Days: 3, ..."), so that each row reads whole.
    if (role == Qt::AccessibleDescriptionRole) {
        QStringList others;
        for (int column = 0; column < ColumnCount; ++column) {
            if (column != index.column())
                others << headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() +
                              QStringLiteral(": ") +
                              data(this->index(index.row(), column), Qt::DisplayRole)
                                  .toString()
                                  .trimmed();
        }
        return others.join(QStringLiteral(", "));
    }
    if (role == Qt::TextAlignmentRole && index.column() == WhenColumn)
        return QVariant::fromValue<Qt::Alignment>(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case EventColumn:
        return FromBytes(event.Description);
    case DateColumn:
        return FromBytes(DateToText(event.StartingOn));
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

int EventListModel::insertEvent(WrittenEvent written, Date today)
{
    if (!m_state.CanInsert())
        throw MoonrillError::overflow();
    const int at = int(m_state.InsertPosition(DayDifference(today, written.event.StartingOn)));
    beginInsertRows({}, at, at);
    const int placed = int(m_state.Insert(std::move(written), today));
    endInsertRows();
    return placed;
}

int EventListModel::insertEvents(std::vector<WrittenEvent> events, Date today)
{
    if (events.empty())
        return -1;
    if (events.size() > m_state.Room())
        throw MoonrillError::overflow();
    {
        const ListReset reset(*this);
        const EventState::BulkInsert bulk(m_state, events.size());
        for (WrittenEvent &event : events)
            m_state.Insert(std::move(event), today);
    }
    return int(m_state.RowOf(m_state.Events().back().Id).value_or(0));
}

int EventListModel::replaceEvent(int index, WrittenEvent written, Date today)
{
    if (m_state.NextId() >= EventState::Limit)
        throw MoonrillError::overflow();
    // Rows move; the view keeps its selection by position through a layout change.
    emit layoutAboutToBeChanged();
    const EventState::Moved moved = m_state.Replace(index, std::move(written), today);
    emit layoutChanged();
    return int(moved.to);
}

void EventListModel::removeEvent(int index)
{
    const std::optional<size_t> row = m_state.RowOf(m_state.Events().at(size_t(index)).Id);
    if (!row)
        throw MoonrillError(MoonrillError::KeyNotUnique, "Element not found");
    beginRemoveRows({}, int(*row), int(*row));
    m_state.Remove(index);
    endRemoveRows();
}

void EventListModel::clearEvents()
{
    beginResetModel();
    m_bold.clear();
    m_state.Clear();
    endResetModel();
}

void EventListModel::beginReload()
{
    beginResetModel();
    m_bold.clear();
}

void EventListModel::endReload()
{
    endResetModel();
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
