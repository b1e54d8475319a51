#include "WriteRead.h"

#include "core/ValueFormat.h"

namespace {

QString TwoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Record B bytes 0 to 9, in record order.
constexpr int TFun::*kFunBLayout[] = {
    &TFun::VoicePrompt, &TFun::Voice,      &TFun::ScanSwitch,    &TFun::VoxFun,
    &TFun::VoxLevel,    &TFun::VoxInhibit, &TFun::VolLowInhibit, &TFun::VolHighInhibit,
    &TFun::RxAlarm,     &TFun::FmRadio,
};

}  // namespace

QByteArray RecordBytes(const Record& record) {
    return QByteArray(reinterpret_cast<const char*>(record.data()), kRecordSize);
}

Record RecordFrom(const QByteArray& bytes, int offset) {
    Record record = TBWriteRead::FillEmpty();
    for (int i = 0; i < kRecordSize && offset + i < bytes.size(); ++i) {
        record[i] = uint8_t(bytes[offset + i]);
    }
    return record;
}

Record TBWriteRead::FillEmpty() {
    Record record;
    record.fill(0xFF);
    return record;
}

Record TBWriteRead::EncodeHeader(const QString& modelText, const QString& bandDigits,
                                 const QString& dateText) {
    Record record = FillEmpty();
    const QByteArray model = (modelText + QString(8, QLatin1Char(' '))).left(5).toLatin1();
    for (int i = 0; i < 5; ++i) {
        record[i] = uint8_t(model[i]);
    }
    for (int i = 0; i < 3; ++i) {
        record[5 + i] = HexByte(bandDigits.mid(2 * i, 2));
    }
    const int year = dateText.left(4).toInt();
    record[8] = uint8_t(year % 256);
    record[9] = uint8_t(year / 256);
    record[10] = uint8_t(dateText.mid(5, 2).toInt());
    record[11] = uint8_t(dateText.mid(8, 2).toInt());
    record[12] = uint8_t(dateText.mid(11, 2).toInt());
    record[13] = uint8_t(dateText.mid(14, 2).toInt());
    return record;
}

HeaderFields TBWriteRead::DecodeHeader(const Record& record) {
    HeaderFields fields;
    for (int i = 0; i < 5; ++i) {
        fields.modelText += QChar(record[i]);
    }
    for (int i = 5; i < 8; ++i) {
        fields.bandDigits += QStringLiteral("%1").arg(record[i], 2, 16, QLatin1Char('0')).toUpper();
    }
    const int year = record[9] * 256 + record[8];
    fields.dateText = QStringLiteral("%1-%2-%3 %4:%5")
                          .arg(year)
                          .arg(TwoDigits(record[10]), TwoDigits(record[11]), TwoDigits(record[12]),
                               TwoDigits(record[13]));
    return fields;
}

Record TBWriteRead::EncodeChannel(const ChannelValues& values) {
    Record record = FillEmpty();
    const FreqField rx = EncodeFreq(values.RxMHz);
    std::copy(rx.begin(), rx.end(), record.begin());
    if (values.HasTransmit()) {
        const FreqField tx = EncodeFreq(values.TxMHz);
        std::copy(tx.begin(), tx.end(), record.begin() + 4);
    }
    if (!values.DecodeTone.isEmpty()) {
        const ToneField tone = EncodeTone(values.DecodeTone);
        record[8] = tone[0];
        record[9] = tone[1];
    }
    if (!values.EncodeTone.isEmpty()) {
        const ToneField tone = EncodeTone(values.EncodeTone);
        record[10] = tone[0];
        record[11] = tone[1];
    }
    record[12] = uint8_t(values.ScanAdd * 16 + values.Power * 8 + values.Bandwidth * 4 +
                         values.BeatShift * 2 + values.BusyLock);
    return record;
}

std::optional<ChannelValues> TBWriteRead::DecodeChannel(const Record& record) {
    const auto rx = DecodeFreq({record[0], record[1], record[2], record[3]});
    if (!rx) {
        return std::nullopt;
    }
    ChannelValues values;
    values.RxMHz = *rx;
    values.TxMHz = DecodeFreq({record[4], record[5], record[6], record[7]})
                       .value_or(ChannelValues::kNoTransmit);
    values.DecodeTone = DecodeTone({record[8], record[9]});
    values.EncodeTone = DecodeTone({record[10], record[11]});
    const uint8_t flags = record[12];
    values.BusyLock = flags & 1;
    values.BeatShift = (flags >> 1) & 1;
    values.Bandwidth = (flags >> 2) & 1;
    values.Power = (flags >> 3) & 1;
    values.ScanAdd = (flags >> 4) & 1;
    return values;
}

Record TBWriteRead::EncodeFunA(const TFun& fun) {
    Record record = FillEmpty();
    record[0] = uint8_t(fun.BattSave * 2 | fun.BeepTone);
    record[1] = uint8_t(fun.Squelch);
    record[2] = uint8_t(fun.SideKey);
    record[3] = uint8_t(fun.TxTimeout);
    return record;
}

void TBWriteRead::DecodeFunA(const Record& record, TFun& fun) {
    fun.BattSave = (record[0] >> 1) & 1;
    fun.BeepTone = record[0] & 1;
    fun.Squelch = record[1];
    fun.SideKey = record[2];
    fun.TxTimeout = record[3];
}

Record TBWriteRead::EncodeFunB(const TFun& fun) {
    Record record = FillEmpty();
    for (int i = 0; i < int(std::size(kFunBLayout)); ++i) {
        record[i] = uint8_t(fun.*kFunBLayout[i]);
    }
    return record;
}

void TBWriteRead::DecodeFunB(const Record& record, TFun& fun) {
    for (int i = 0; i < int(std::size(kFunBLayout)); ++i) {
        fun.*kFunBLayout[i] = record[i];
    }
}

Record TBWriteRead::EncodeMessage(const QByteArray& text) {
    Record record = FillEmpty();
    for (int i = 0; i < kRecordSize && i < text.size(); ++i) {
        record[i] = uint8_t(text[i]);
    }
    return record;
}

QByteArray TBWriteRead::DecodeMessage(const Record& record) {
    QByteArray text;
    for (uint8_t byte : record) {
        if (byte != 0xFF) {
            text += char(byte);
        }
    }
    return text;
}

Record TBWriteRead::EncodeBand(uint8_t bandIndex, const QString& modelCode) {
    Record record = FillEmpty();
    record[0] = 0;
    record[1] = 0;
    record[2] = bandIndex;
    const QByteArray code = (modelCode + QStringLiteral("    ")).left(4).toLatin1();
    for (int i = 0; i < 4; ++i) {
        record[6 - i] = uint8_t(code[i]);
    }
    record[7] = 'P';
    return record;
}

BandFields TBWriteRead::DecodeBand(const Record& record) {
    QString code;
    for (int i = 6; i >= 3; --i) {
        code += QChar(record[i]);
    }
    // Trimming drops blanks and control characters at both ends.
    int first = 0;
    int last = code.size();
    while (first < last && code[first].unicode() <= ' ') {
        ++first;
    }
    while (last > first && code[last - 1].unicode() <= ' ') {
        --last;
    }
    return {record[2], code.mid(first, last - first)};
}

Record TBWriteRead::EncodeMap(const QString& bits) {
    Record record;
    record.fill(0x00);
    for (int i = 0; i < kRecordSize && i * 8 < bits.size(); ++i) {
        record[i] = uint8_t(BinaryTextToInt(ReverseText(bits.mid(i * 8, 8))).toInt());
    }
    return record;
}
