#include "ChannelTable.h"

#include "codeplug/FrequencyCheck.h"
#include "core/ConversionError.h"
#include "core/Globals.h"
#include "core/MessageBox.h"
#include "core/ValueFormat.h"

namespace {

constexpr int kChoiceColumns[] = {kColPower, kColBandwidth, kColScanAdd, kColBeatShift,
                                  kColBusyLock};

void SetModified() {
    App().all.Modified = true;
}

int ChoiceIndex(const QString& back, int column, int row) {
    bool ok = false;
    const int index = back.toInt(&ok);
    if (!ok || index < 0 || index > 1) {
        throw ConversionError(QStringLiteral("channel %1, column %2: '%3' is not a choice")
                                  .arg(row - 1)
                                  .arg(column)
                                  .arg(back));
    }
    return index;
}

}  // namespace

const QStringList& ChoiceTexts::ItemsOf(int column) const {
    switch (column) {
        case kColPower:
            return power;
        case kColBandwidth:
            return bandwidth;
        default:
            return yesNo;
    }
}

QStringList DefaultColumnText() {
    return {QStringLiteral("信道编号"), QStringLiteral("接收频率"), QStringLiteral("发射频率"),
            QStringLiteral("QT/DQT解码"), QStringLiteral("QT/DQT编码"), QStringLiteral("发射功率"),
            QStringLiteral("宽/窄"), QStringLiteral("扫描添加"), QStringLiteral("拍频偏移"),
            QStringLiteral("繁忙锁定"),
            // widths
            QStringLiteral("80"), QStringLiteral("90"), QStringLiteral("90"), QStringLiteral("75"),
            QStringLiteral("75"), QStringLiteral("70"), QStringLiteral("70"), QStringLiteral("70"),
            QStringLiteral("70"), QStringLiteral("80"),
            // alignments
            QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("3"),
            QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2"),
            QStringLiteral("2"), QStringLiteral("2")};
}

TChannelTable::TChannelTable() : columnText_(DefaultColumnText()) {
    Rebuild(0);
}

void TChannelTable::SetColumnText(const QStringList& bColText) {
    columnText_ = bColText;
    for (int column = kColNumber; column < kChannelColumns; ++column) {
        rows_[kTitleRow][column].text = columnText_.value(column - 1);
    }
    emit RowsChanged(kTitleRow, kTitleRow);
}

int TChannelTable::ColumnWidth(int column) const {
    return columnText_.value(column - 1 + 10).toInt();
}

int TChannelTable::ColumnAlignment(int column) const {
    return columnText_.value(column - 1 + 20).toInt();
}

void TChannelTable::Rebuild(int channelCount) {
    rows_.assign(channelCount + 2, std::vector<Cell>(kChannelColumns));
    for (int column = kColNumber; column < kChannelColumns; ++column) {
        rows_[kTitleRow][column].text = columnText_.value(column - 1);
    }
    for (int channel = 1; channel <= channelCount; ++channel) {
        rows_[RowOfChannel(channel)][kColNumber].text = QString::number(channel);
        rows_[RowOfChannel(channel)][kColRx].readOnly = false;
    }
}

void TChannelTable::ResetTable() {
    const int channelCount = App().all.ChannelCount;
    if (RowCount() == channelCount + 2) {
        for (int row = 2; row < RowCount(); ++row) {
            rows_[row][kColNumber].back.clear();
            for (int column = kColRx; column < kChannelColumns; ++column) {
                rows_[row][column].text.clear();
                rows_[row][column].back.clear();
            }
            rows_[row][kColTx].readOnly = true;
        }
    } else {
        Rebuild(channelCount);
    }
    emit TableReset();
}

bool TChannelTable::SetFrequencyCell(int column, int row, const QString& text) {
    SetModified();
    if (column != kColRx && column != kColTx) {
        rows_[row][column].text = text;
        emit RowsChanged(row, row);
        return true;
    }
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        if (column == kColRx) {
            ClearChannelRow(row);
        } else {
            rows_[row][column].text.clear();
            emit RowsChanged(row, row);
        }
        return true;
    }
    double typed = 0;
    try {
        typed = ParseFrequency(trimmed);
    } catch (const ConversionError&) {
        // Not a number: the cell keeps its previous text, so that no save can trip on it.
        ShowMessageBox(App().language.Caution,
                       QStringLiteral("%1 \"%2\"").arg(App().language.ErrRange, trimmed), kNotice);
        return false;
    }
    const CheckedFrequency checked = CheckFrequency(typed, CurrentFrequencyLimits());
    if (checked.notice == FrequencyNotice::ErrRange) {
        ShowMessageBox(App().language.Caution, App().language.ErrRange, kNotice);
    } else if (checked.notice == FrequencyNotice::OutRange) {
        ShowMessageBox(App().language.Caution, App().language.OutRange, kNotice);
    }
    rows_[row][column].text = FormatFrequency(checked.mhz);
    if (column == kColRx && !HoldsChannel(row)) {
        NewChannelRow(row);
    }
    emit RowsChanged(row, row);
    return true;
}

void TChannelTable::SetChoiceCell(int column, int row, int index) {
    rows_[row][column].back = QString::number(index);
    rows_[row][column].text = choices_.ItemsOf(column).value(index);
}

void TChannelTable::SetChoice(int column, int row, int index) {
    SetModified();
    SetChoiceCell(column, row, index);
    emit RowsChanged(row, row);
}

QString TChannelTable::ToneDisplay(const QString& toneText) const {
    return toneText.isEmpty() ? choices_.noneWord : toneText;
}

void TChannelTable::SetTone(int column, int row, const QString& typed) {
    SetModified();
    const bool none = typed.isEmpty() || typed == choices_.noneWord;
    rows_[row][column].text = none ? choices_.noneWord : CheckToneText(typed);
    rows_[row][column].back = QStringLiteral("0");
    emit RowsChanged(row, row);
}

void TChannelTable::NewChannelRow(int row) {
    SetModified();
    auto& cells = rows_[row];
    cells[kColNumber].back = QStringLiteral("1");
    if (cells[kColTx].text.isEmpty()) {
        cells[kColTx].text = cells[kColRx].text;
    }
    for (int column : {kColDecode, kColEncode}) {
        cells[column].text = choices_.noneWord;
        cells[column].back = QStringLiteral("0");
    }
    const ChannelValues defaults;
    SetChoiceCell(kColPower, row, defaults.Power);
    SetChoiceCell(kColBandwidth, row, defaults.Bandwidth);
    SetChoiceCell(kColScanAdd, row, defaults.ScanAdd);
    SetChoiceCell(kColBeatShift, row, defaults.BeatShift);
    SetChoiceCell(kColBusyLock, row, defaults.BusyLock);
    cells[kColTx].readOnly = false;
    emit RowsChanged(row, row);
}

void TChannelTable::ClearChannelRow(int row) {
    auto& cells = rows_[row];
    cells[kColNumber].back.clear();
    for (int column = kColRx; column < kChannelColumns; ++column) {
        cells[column].text.clear();
        cells[column].back.clear();
    }
    cells[kColTx].readOnly = true;
    emit RowsChanged(row, row);
}

std::optional<ChannelValues> TChannelTable::ReadChannelRow(int row) const {
    const auto& cells = rows_[row];
    if (cells[kColRx].text.trimmed().isEmpty()) {
        return std::nullopt;
    }
    ChannelValues values;
    values.RxMHz = ParseFrequency(cells[kColRx].text);
    const QString tx = cells[kColTx].text.trimmed();
    values.TxMHz = tx.isEmpty() ? ChannelValues::kNoTransmit : ParseFrequency(tx);
    auto tone = [&](int column) {
        const QString& text = cells[column].text;
        return text == choices_.noneWord ? QString() : text;
    };
    values.DecodeTone = tone(kColDecode);
    values.EncodeTone = tone(kColEncode);
    values.Power = ChoiceIndex(cells[kColPower].back, kColPower, row);
    values.Bandwidth = ChoiceIndex(cells[kColBandwidth].back, kColBandwidth, row);
    values.ScanAdd = ChoiceIndex(cells[kColScanAdd].back, kColScanAdd, row);
    values.BeatShift = ChoiceIndex(cells[kColBeatShift].back, kColBeatShift, row);
    values.BusyLock = ChoiceIndex(cells[kColBusyLock].back, kColBusyLock, row);
    return values;
}

void TChannelTable::FillChannelRow(int row, const ChannelValues& values) {
    auto& cells = rows_[row];
    cells[kColTx].readOnly = false;
    cells[kColNumber].back = QStringLiteral("1");
    cells[kColRx].text = FormatFrequency(values.RxMHz);
    cells[kColTx].text = values.HasTransmit() ? FormatFrequency(values.TxMHz) : QString();
    cells[kColDecode].text = ToneDisplay(values.DecodeTone);
    cells[kColDecode].back = QStringLiteral("0");
    cells[kColEncode].text = ToneDisplay(values.EncodeTone);
    cells[kColEncode].back = QStringLiteral("0");
    SetChoiceCell(kColPower, row, values.Power);
    SetChoiceCell(kColBandwidth, row, values.Bandwidth);
    SetChoiceCell(kColScanAdd, row, values.ScanAdd);
    SetChoiceCell(kColBeatShift, row, values.BeatShift);
    SetChoiceCell(kColBusyLock, row, values.BusyLock);
    emit RowsChanged(row, row);
}

void TChannelTable::SetChoices(const ChoiceTexts& choices) {
    const QString oldNone = choices_.noneWord;
    choices_ = choices;
    for (int row = 2; row < RowCount(); ++row) {
        if (!HoldsChannel(row)) {
            continue;
        }
        for (int column : {kColDecode, kColEncode}) {
            if (rows_[row][column].text == oldNone) {
                rows_[row][column].text = choices_.noneWord;
            }
        }
        for (int column : kChoiceColumns) {
            rows_[row][column].text =
                choices_.ItemsOf(column).value(rows_[row][column].back.toInt());
        }
    }
    emit RowsChanged(0, RowCount() - 1);
}
