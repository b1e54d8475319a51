#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

#include "image/Codeplug.h"

class TMacList;
class TFrqList;

// The band edges as the header record holds them: "450470" for "450 - 470MHz".
QString BandDigits(const QString& bandText);

// The bytes of a .dat data file: a header record, then the memory image record by record.
// Throws ConversionError naming the channel when a channel cannot be encoded.
QByteArray EncodeDataFile(const Codeplug& codeplug, const TFrqList& bands, const QDateTime& saved);

struct DecodedDataFile {
    std::optional<Codeplug> codeplug;  // set only when the whole file decoded
    QString dateText;                  // when it was saved, "yyyy-MM-dd HH:mm"
    QString error;                     // what is wrong, naming the record
    bool unknownModel = false;         // the header names no registered model
};

DecodedDataFile DecodeDataFile(const QByteArray& bytes, const TMacList& models,
                               const TFrqList& bands);
