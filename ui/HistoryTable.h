// SPDX-License-Identifier: GPL-3.0-or-later
// The entries of the programming history as the history window's table shows them.
#pragma once

#include "app/History.h"

#include <QAbstractTableModel>
#include <QList>
#include <vector>

// All entries loaded, the newest first; the table shows those the filter lets through. A
// history of a hundred thousand entries is filtered in memory: typing into the search field
// never reads the file again.
class THistoryTable : public QAbstractTableModel {
    Q_OBJECT

public:
    enum TColumn { Time, Operation, Result, Checksum, Adapter, File, User, ColumnCount };

    explicit THistoryTable(QObject* parent = nullptr);

    void SetEntries(QList<THistoryEntry> entries);
    void SetFilter(const THistoryFilter& filter);

    int AllCount() const { return static_cast<int>(Entries.size()); }
    // The entry of a shown row.
    const THistoryEntry& Entry(int row) const;
    // The shown entries, in their order.
    QList<THistoryEntry> Shown() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // "Read", "Write", "Verify" in the user's language.
    static QString OperationText(const QString& operation);

private:
    QList<THistoryEntry> Entries;
    std::vector<int> Rows; // indexes into Entries
};
