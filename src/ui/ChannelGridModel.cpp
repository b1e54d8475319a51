#include "ChannelGridModel.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

#include "codeplug/ChannelTable.h"

namespace {

Qt::Alignment AlignmentOf(int code) {
    switch (code) {
        case 1:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case 3:
            return Qt::AlignRight | Qt::AlignVCenter;
        default:
            return Qt::AlignCenter;
    }
}

}  // namespace

ChannelGridModel::ChannelGridModel(TChannelTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    connect(&table_, &TChannelTable::TableReset, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&table_, &TChannelTable::RowsChanged, this, [this](int first, int last) {
        const int top = std::max(0, first - 1);
        const int bottom = std::min(rowCount() - 1, last - 1);
        if (top <= bottom) {
            emit dataChanged(index(top, 0), index(bottom, columnCount() - 1));
        }
    });
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, table_.RowCount() - 1);
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelColumns - 1;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    const int row = TableRow(index);
    const int column = TableColumn(index);
    const bool fixed = row == kTitleRow || column == kColNumber;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return table_.Text(column, row);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(row == kTitleRow
                                           ? Qt::Alignment(Qt::AlignCenter)
                                           : AlignmentOf(table_.ColumnAlignment(column)));
        case Qt::BackgroundRole:
            return fixed ? QApplication::palette().button() : QVariant();
        case Qt::FontRole:
            if (row == kTitleRow) {
                // A title such as "QT/DQT解码" fits its 75-pixel column in this size.
                QFont font;
                font.setPixelSize(11);
                return font;
            }
            return {};
        default:
            return {};
    }
}

bool ChannelGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole) {
        return false;
    }
    const int row = TableRow(index);
    if (row == kTitleRow) {  // titles are set by the window translation
        QStringList columnText = table_.ColumnText();
        columnText[TableColumn(index) - 1] = value.toString();
        table_.SetColumnText(columnText);
        return true;
    }
    return table_.SetFrequencyCell(TableColumn(index), row, value.toString());
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (TableRow(index) > kTitleRow && !table_.IsReadOnly(TableColumn(index), TableRow(index))) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}
