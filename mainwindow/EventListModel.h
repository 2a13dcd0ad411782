// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

#include <string>
#include <unordered_set>
#include <vector>

class EventState;
struct WrittenEvent;
class Date;

/// The event list as the list view shows it: five columns over the rows of the event state, in
/// the state's order (soonest first). Every change of rows goes through here, so the view and
/// the state never disagree.
class EventListModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EventListModel)

public:
    enum Column
    {
        EventColumn,
        DateColumn,
        WhenColumn,
        TypeColumn,
        NoticeColumn,
        ColumnCount
    };

    explicit EventListModel(EventState &state, QObject *parent = nullptr);
    ~EventListModel() override;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

    [[nodiscard]] EventState &state() { return m_state; }
    /// The key of the row at `row` (display order).
    [[nodiscard]] QString keyOfRow(int row) const;

    /// Inserts an event with its row; throws an overflow before anything changes when a counter
    /// is at its limit. Returns the new row's position.
    int insertEvent(WrittenEvent written, Date today);
    /// Inserts every event of `events` with its row, in one pass (an import): all of them, or,
    /// when they do not fit under the limits, none (an overflow is thrown). Returns the row of
    /// the last one, or -1 when there is none.
    int insertEvents(std::vector<WrittenEvent> events, Date today);
    /// Replaces record `index` and its row (edit). Throws before anything changes.
    int replaceEvent(int index, WrittenEvent written, Date today);
    /// Removes record `index` and its row.
    void removeEvent(int index);
    /// Removes every row and record.
    void clearEvents();
    /// Tells the view before and after the state is filled anew (a load).
    void beginReload();
    void endReload();

    /// Bold rows, by key (the find dialog marks its match so).
    void setBold(const QString &key, bool bold);

private:
    EventState &m_state;
    std::unordered_set<std::string> m_bold;
};

/// Tells the list view around a wholesale change of the event state, however it ends.
class ListReset
{
public:
    explicit ListReset(EventListModel &model) : m_model(model) { m_model.beginReload(); }
    ~ListReset() { m_model.endReload(); }
    ListReset(const ListReset &) = delete;
    ListReset &operator=(const ListReset &) = delete;

private:
    EventListModel &m_model;
};
