// SPDX-License-Identifier: GPL-3.0-or-later
// The programming history's table (HistoryTable.h).
#include "ui/HistoryTable.h"

#include "app/HistoryCsv.h"

#include <QLocale>

THistoryTable::THistoryTable(QObject* parent) : QAbstractTableModel(parent) {}

void THistoryTable::SetEntries(QList<THistoryEntry> entries) {
    beginResetModel();
    Entries = std::move(entries);
    Rows.resize(static_cast<std::size_t>(Entries.size()));
    for (std::size_t row = 0; row < Rows.size(); ++row)
        Rows[row] = static_cast<int>(row);
    endResetModel();
}

void THistoryTable::SetFilter(const THistoryFilter& filter) {
    beginResetModel();
    Rows.clear();
    for (qsizetype index = 0; index < Entries.size(); ++index)
        if (filter.Matches(Entries[index]))
            Rows.push_back(static_cast<int>(index));
    endResetModel();
}

const THistoryEntry& THistoryTable::Entry(int row) const {
    return Entries[Rows[static_cast<std::size_t>(row)]];
}

QList<THistoryEntry> THistoryTable::Shown() const {
    QList<THistoryEntry> shown;
    shown.reserve(static_cast<qsizetype>(Rows.size()));
    for (const int index : Rows)
        shown.append(Entries[index]);
    return shown;
}

int THistoryTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(Rows.size());
}

int THistoryTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString THistoryTable::OperationText(const QString& operation) {
    if (operation == QLatin1String("read"))
        return tr("Read");
    if (operation == QLatin1String("write"))
        return tr("Write");
    if (operation == QLatin1String("verify"))
        return tr("Verify");
    return operation;
}

QVariant THistoryTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const THistoryEntry& entry = Entry(index.row());
    if (role == Qt::ToolTipRole && index.column() == Result && !entry.Ok)
        return entry.Message;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Time:
        return HistoryLocalTime(entry.Time);
    case Operation:
        return OperationText(entry.Operation);
    case Result:
        return entry.Ok ? tr("OK") : tr("Failed");
    case Checksum:
        return entry.Checksum;
    case Adapter:
        return entry.AdapterSerial;
    case File:
        return entry.File;
    case User:
        return entry.Computer.isEmpty() ? entry.User
                                        : entry.User + QLatin1Char('@') + entry.Computer;
    default:
        return {};
    }
}

QVariant THistoryTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Time:
        return tr("Time");
    case Operation:
        return tr("Action");
    case Result:
        return tr("Result");
    case Checksum:
        return tr("Checksum");
    case Adapter:
        return tr("Adapter");
    case File:
        return tr("File");
    case User:
        return tr("User");
    default:
        return {};
    }
}
