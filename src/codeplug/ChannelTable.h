#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "codeplug/ChannelValues.h"

// Columns of the channel table; column 0 and row 0 are hidden and hold nothing,
// row 1 holds the titles and channel n sits in row n + 1.
enum ChannelColumn {
    kColNumber = 1,
    kColRx = 2,
    kColTx = 3,
    kColDecode = 4,
    kColEncode = 5,
    kColPower = 6,
    kColBandwidth = 7,
    kColScanAdd = 8,
    kColBeatShift = 9,
    kColBusyLock = 10,
};
constexpr int kChannelColumns = 11;
constexpr int kTitleRow = 1;
constexpr int RowOfChannel(int channel) {
    return channel + 1;
}

// The texts the choices of columns 4 to 10 show in the current language.
struct ChoiceTexts {
    QString noneWord = QStringLiteral("无");
    QStringList power = {QStringLiteral("低"), QStringLiteral("高")};
    QStringList bandwidth = {QStringLiteral("宽带"), QStringLiteral("窄带")};
    QStringList yesNo = {QStringLiteral("有"), QStringLiteral("无")};

    const QStringList& ItemsOf(int column) const;
};

// Titles, widths in pixels and alignment codes (1 left, 2 centre, 3 right) of the ten
// visible columns, as the channel window's hidden list BColText holds them.
QStringList DefaultColumnText();

// The channel table: cells with a display text, a hidden back text and a read-only flag.
// The channel window shows it; every editor writes into it and every consumer reads it.
class TChannelTable : public QObject {
    Q_OBJECT

  public:
    struct Cell {
        QString text;
        QString back;
        bool readOnly = true;
    };

    TChannelTable();

    int RowCount() const { return int(rows_.size()); }
    int ChannelCount() const { return RowCount() - 2; }
    const Cell& At(int column, int row) const { return rows_[row][column]; }
    QString Text(int column, int row) const { return At(column, row).text; }
    QString Back(int column, int row) const { return At(column, row).back; }
    bool IsReadOnly(int column, int row) const { return At(column, row).readOnly; }
    bool HoldsChannel(int row) const { return !Back(kColNumber, row).isEmpty(); }

    const QStringList& ColumnText() const { return columnText_; }
    void SetColumnText(const QStringList& bColText);
    int ColumnWidth(int column) const;
    int ColumnAlignment(int column) const;

    const ChoiceTexts& Choices() const { return choices_; }
    // Takes the texts of a new language and re-renders the display texts from the back
    // texts (and tone cells showing the old none word).
    void SetChoices(const ChoiceTexts& choices);

    // Empties the table for the current model's channel count.
    void ResetTable();
    // A frequency typed into column 2 or 3 (or any other text set through the grid).
    // Returns false, leaving the cell as it was, when the text is not a number.
    bool SetFrequencyCell(int column, int row, const QString& text);
    // An in-cell choice of columns 6 to 10.
    void SetChoice(int column, int row, int index);
    // A tone chosen or typed for column 4 or 5: empty or the none word means none; any other
    // text goes through the tone-text check.
    void SetTone(int column, int row, const QString& typed);
    void NewChannelRow(int row);
    void ClearChannelRow(int row);
    // Throws ConversionError when a cell holds a text the codec cannot take.
    std::optional<ChannelValues> ReadChannelRow(int row) const;
    void FillChannelRow(int row, const ChannelValues& values);

  signals:
    void RowsChanged(int firstRow, int lastRow);
    void TableReset();

  private:
    void Rebuild(int channelCount);
    void SetChoiceCell(int column, int row, int index);
    QString ToneDisplay(const QString& toneText) const;

    std::vector<std::vector<Cell>> rows_;
    QStringList columnText_;
    ChoiceTexts choices_;
};
