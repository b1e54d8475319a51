#pragma once

#include <QAbstractTableModel>

class TChannelTable;

// Shows the core's channel table to a view: model row r is table row r + 1 (the title row
// first), model column c is table column c + 1 (the channel number first). The table stays
// the one owner of the data; an edit goes through its cell check.
class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit ChannelGridModel(TChannelTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static int TableRow(const QModelIndex& index) { return index.row() + 1; }
    static int TableColumn(const QModelIndex& index) { return index.column() + 1; }
    QModelIndex IndexOf(int tableColumn, int tableRow) const {
        return index(tableRow - 1, tableColumn - 1);
    }

  private:
    TChannelTable& table_;
};
