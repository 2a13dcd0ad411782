// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

// moc cannot parse the C++20 standard headers the event model uses; it needs none of it.
#ifndef Q_MOC_RUN
#include "EventList.h"
#endif

#include <string>
#include <unordered_set>
#include <vector>

/// The event list as the list view shows it: five columns over the rows of the list document,
/// in its order (soonest first). It hears of every change the document makes, so the view and
/// the list never disagree.
class EventListModel final : public QAbstractTableModel, private EventListObserver
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

    explicit EventListModel(EventList &list, QObject *parent = nullptr);
    ~EventListModel() override;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

    /// The key of the row at `row` (display order).
    [[nodiscard]] QString keyOfRow(int row) const;

    /// Bold rows, by key (the find dialog marks its match so).
    void setBold(const QString &key, bool bold);

private:
    /// A birthday's coming age or an anniversary's count of years, in the user's words; empty
    /// for other events.
    [[nodiscard]] static QString yearsText(const clsEvent &event);

    void changing(Change change, size_t row) override;
    void changed(Change change) override;

    const EventState &m_state;
    std::unordered_set<std::string> m_bold;
};
