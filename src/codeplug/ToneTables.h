#pragma once

#include <QStringList>
#include <optional>
#include <vector>

// The 206 items of every tone drop-down list: the none word, 39 CTCSS tones, the 83 DCS
// codes with "N", then the same codes with "I".
const QStringList& DropDownToneList();

// The 133 items behind the tone picker: 42 CTCSS items "01-67.0-XZ", three empty items,
// 85 DCS items "1-D023", three empty items.
const QStringList& PickerCodeTable();

// One item of the picker code table split into index, value and code: "01-67.0-XZ" gives
// "01", "67.0", "XZ"; "1-D023" gives "1", "D023", "D023"; an empty item three empty parts.
struct ToneItemParts {
    QString index;
    QString value;
    QString code;
};
ToneItemParts SplitToneItem(const QString& item);

// The three tables of the tone picker, laid out in column groups as the picker shows them.
enum class PickerTable { Ctcss, DcsN, DcsI };

struct PickerCell {
    enum class Kind { Index, Value, Code };
    QString text;
    Kind kind = Kind::Value;
};

struct PickerGrid {
    int rows = 0;
    int columns = 0;
    std::vector<PickerCell> cells;  // row by row
    std::vector<int> columnWidths;

    const PickerCell& At(int row, int column) const { return cells[row * columns + column]; }
    // The tone a double-click on a cell picks: the text of a value cell, else nothing
    // (std::nullopt keeps the picker open; an empty value cell picks an empty text).
    std::optional<QString> Pick(int row, int column) const;
};

PickerGrid BuildPickerGrid(PickerTable table);
