#include "DataImage.h"

#include <cmath>

#include "core/ConversionError.h"
#include "core/MacType.h"
#include "core/ValueFormat.h"
#include "image/WriteRead.h"

namespace {

bool AllDecimal(const QString& digits) {
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

}  // namespace

QString BandDigits(const QString& bandText) {
    const BandEdges edges = ParseBandText(bandText);
    auto threeDigits = [](double mhz) {
        return QStringLiteral("%1").arg(qint64(std::llround(mhz)), 3, 10, QLatin1Char('0'));
    };
    return threeDigits(edges.low) + threeDigits(edges.high);
}

QByteArray EncodeDataFile(const Codeplug& codeplug, const TFrqList& bands, const QDateTime& saved) {
    const TMacType& model = *codeplug.model;
    QByteArray file;
    file += RecordBytes(TBWriteRead::EncodeHeader(
        QLatin1Char('P') + codeplug.modelCode, BandDigits(codeplug.bandText),
        saved.toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
    for (int i = 0; i < model.ChannelCount(); ++i) {
        const auto& channel =
            i < int(codeplug.channels.size()) ? codeplug.channels[i] : std::nullopt;
        try {
            file += RecordBytes(channel ? TBWriteRead::EncodeChannel(*channel)
                                        : TBWriteRead::FillEmpty());
        } catch (const ConversionError& error) {
            throw ConversionError(QStringLiteral("Channel %1: %2").arg(i + 1).arg(error.message()));
        }
    }
    for (int i = 0; i < model.GapRecords() - 1; ++i) {
        file += RecordBytes(TBWriteRead::FillEmpty());
    }
    file += RecordBytes(TBWriteRead::EncodeFunB(codeplug.fun));
    for (const QByteArray* line : {&codeplug.message.LineA, &codeplug.message.LineB}) {
        file += RecordBytes(TBWriteRead::EncodeMessage(MessagePiece(*line, 0)));
        file += RecordBytes(TBWriteRead::EncodeMessage(MessagePiece(*line, 1)));
    }
    file += RecordBytes(TBWriteRead::EncodeFunA(codeplug.fun));
    file += RecordBytes(
        TBWriteRead::EncodeBand(bands.BandIndexOf(codeplug.bandText), codeplug.modelCode));
    if (model.ChannelCount() > 16) {
        const ChannelMaps maps = BuildChannelMaps(codeplug);
        for (const QString* map : {&maps.channelMap, &maps.scanMap}) {
            file += RecordBytes(TBWriteRead::EncodeMap(map->mid(0, 128)));
            file += RecordBytes(TBWriteRead::EncodeMap(map->mid(128, 128)));
        }
    }
    return file;
}

DecodedDataFile DecodeDataFile(const QByteArray& bytes, const TMacList& models,
                               const TFrqList& bands) {
    DecodedDataFile result;
    if (bytes.size() < kRecordSize) {
        result.error = QStringLiteral("record 0: the file holds %1 bytes, too few for a header")
                           .arg(bytes.size());
        result.unknownModel = true;
        return result;
    }
    const HeaderFields header = TBWriteRead::DecodeHeader(RecordFrom(bytes, 0));
    const QString code = header.modelText.mid(1).trimmed();
    const TMacType* model = models.FindByCode(code);
    if (!model) {
        result.error =
            QStringLiteral("record 0: the model code '%1' belongs to no known model").arg(code);
        result.unknownModel = true;
        return result;
    }
    const int expectedSize = model->FileRecordCount() * kRecordSize;
    if (bytes.size() != expectedSize) {
        result.error = QStringLiteral("the file holds %1 bytes; a data file of the %2 holds %3")
                           .arg(bytes.size())
                           .arg(model->Name())
                           .arg(expectedSize);
        return result;
    }
    if (!AllDecimal(header.bandDigits)) {
        result.error = QStringLiteral("record 0: the band edges '%1' are not decimal digits")
                           .arg(header.bandDigits);
        return result;
    }
    result.dateText = header.dateText;

    Codeplug codeplug;
    codeplug.model = model;
    int record = 1;
    auto next = [&]() { return RecordFrom(bytes, kRecordSize * record++); };
    for (int i = 0; i < model->ChannelCount(); ++i) {
        codeplug.channels.push_back(TBWriteRead::DecodeChannel(next()));
    }
    record += model->GapRecords() - 1;
    TBWriteRead::DecodeFunB(next(), codeplug.fun);
    for (QByteArray* line : {&codeplug.message.LineA, &codeplug.message.LineB}) {
        *line = TBWriteRead::DecodeMessage(next());
        *line += TBWriteRead::DecodeMessage(next());
    }
    TBWriteRead::DecodeFunA(next(), codeplug.fun);
    const BandFields band = TBWriteRead::DecodeBand(next());
    codeplug.bandText = bands.BandTextOf(band.bandIndex);
    // A band record whose code names no model (erased or damaged) would make the next save
    // write a file that no longer opens; the header's model code stands then.
    codeplug.modelCode = models.FindByCode(band.modelCode) ? band.modelCode : model->Code();
    result.codeplug = std::move(codeplug);
    return result;
}
