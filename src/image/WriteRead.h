#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "codeplug/ChannelValues.h"
#include "codeplug/Settings.h"

// One 16-byte record of the radio's memory image; 0xFF is the erased state.
using Record = std::array<uint8_t, 16>;
constexpr int kRecordSize = 16;

QByteArray RecordBytes(const Record& record);
Record RecordFrom(const QByteArray& bytes, int offset = 0);

struct HeaderFields {
    QString modelText;   // "P" + model code
    QString bandDigits;  // six digits, "450470"
    QString dateText;    // "yyyy-MM-dd HH:mm"
};

struct BandFields {
    uint8_t bandIndex = 0;
    QString modelCode;
};

// The record codec: turns each part of the codeplug into a record and back. It holds
// no state; the caller passes what a record carries and takes what it gives.
class TBWriteRead {
  public:
    static Record FillEmpty();

    // Throws ConversionError when the band digits are not hexadecimal pairs.
    static Record EncodeHeader(const QString& modelText, const QString& bandDigits,
                               const QString& dateText);
    static HeaderFields DecodeHeader(const Record& record);

    // Throws ConversionError on a tone text of neither tone form.
    static Record EncodeChannel(const ChannelValues& values);
    // Nothing when the receive field holds no frequency.
    static std::optional<ChannelValues> DecodeChannel(const Record& record);

    static Record EncodeFunA(const TFun& fun);
    static void DecodeFunA(const Record& record, TFun& fun);
    static Record EncodeFunB(const TFun& fun);
    static void DecodeFunB(const Record& record, TFun& fun);

    // The first 16 bytes of the text; 0xFF bytes are skipped when decoding.
    static Record EncodeMessage(const QByteArray& text);
    static QByteArray DecodeMessage(const Record& record);

    static Record EncodeBand(uint8_t bandIndex, const QString& modelCode);
    static BandFields DecodeBand(const Record& record);

    // Up to 128 characters "0"/"1", the first of each group of eight in bit 0.
    static Record EncodeMap(const QString& bits);
};
