#include "MemoryMap.h"

#include "core/MacType.h"
#include "image/DataImage.h"

namespace {

// Records of the map in file order, after the gap: message (4), function A, band.
constexpr int kRecordsAfterGap = 6;

int FirstAfterGap(const TMacType& model) {
    return model.ChannelCount() + model.GapRecords() + 1;
}

// The data file keeps function record B right before the message; the radio at 0x02B0.
int FileFunctionB(const TMacType& model) {
    return FirstAfterGap(model) - 1;
}

}  // namespace

std::vector<int> ReadAddresses(const TMacType& model) {
    std::vector<int> addresses{0};
    for (int n = 1; n <= model.ChannelCount(); ++n) {
        addresses.push_back(16 * n);
    }
    for (int k = 0; k < kRecordsAfterGap; ++k) {
        addresses.push_back(16 * (FirstAfterGap(model) + k));
    }
    addresses.push_back(kFunctionBAddress);
    return addresses;
}

std::vector<RecordWrite> WriteRecords(const Codeplug& codeplug, const TMacType& model,
                                      const TFrqList& bands) {
    std::vector<RecordWrite> writes{{0, TBWriteRead::FillEmpty(), kWriteCommand}};
    for (int n = 1; n <= model.ChannelCount(); ++n) {
        const auto& channel =
            n <= int(codeplug.channels.size()) ? codeplug.channels[n - 1] : std::nullopt;
        writes.push_back({16 * n,
                          channel ? TBWriteRead::EncodeChannel(*channel) : TBWriteRead::FillEmpty(),
                          kWriteCommand});
    }
    int address = 16 * FirstAfterGap(model);
    for (const QByteArray* line : {&codeplug.message.LineA, &codeplug.message.LineB}) {
        for (int piece = 0; piece < 2; ++piece) {
            writes.push_back(
                {address, TBWriteRead::EncodeMessage(MessagePiece(*line, piece)), kWriteCommand});
            address += 16;
        }
    }
    writes.push_back({address, TBWriteRead::EncodeFunA(codeplug.fun), kWriteCommand});
    writes.push_back(
        {address + 16,
         TBWriteRead::EncodeBand(bands.BandIndexOf(codeplug.bandText), codeplug.modelCode),
         kWriteCommand});
    writes.push_back({kFunctionBAddress, TBWriteRead::EncodeFunB(codeplug.fun), kWriteFunBCommand});
    if (model.ChannelCount() > 16) {
        const ChannelMaps maps = BuildChannelMaps(codeplug);
        int mapAddress = kFunctionBAddress + 16;
        for (const QString* map : {&maps.channelMap, &maps.scanMap}) {
            for (int part = 0; part < 2; ++part) {
                writes.push_back(
                    {mapAddress, TBWriteRead::EncodeMap(map->mid(128 * part, 128)), kWriteCommand});
                mapAddress += 16;
            }
        }
    }
    return writes;
}

Codeplug DecodeRadioRecords(const std::map<int, Record>& records, const TMacType& model,
                            const TMacList& models, const TFrqList& bands) {
    auto at = [&](int address) {
        const auto found = records.find(address);
        return found == records.end() ? TBWriteRead::FillEmpty() : found->second;
    };
    Codeplug codeplug;
    codeplug.model = &model;
    for (int n = 1; n <= model.ChannelCount(); ++n) {
        codeplug.channels.push_back(TBWriteRead::DecodeChannel(at(16 * n)));
    }
    int address = 16 * FirstAfterGap(model);
    for (QByteArray* line : {&codeplug.message.LineA, &codeplug.message.LineB}) {
        *line =
            TBWriteRead::DecodeMessage(at(address)) + TBWriteRead::DecodeMessage(at(address + 16));
        address += 32;
    }
    TBWriteRead::DecodeFunA(at(address), codeplug.fun);
    const BandFields band = TBWriteRead::DecodeBand(at(address + 16));
    codeplug.bandText = bands.BandTextOf(band.bandIndex);
    // As for data files: a band record that names no model leaves the model's own code.
    codeplug.modelCode = models.FindByCode(band.modelCode) ? band.modelCode : model.Code();
    TBWriteRead::DecodeFunB(at(kFunctionBAddress), codeplug.fun);
    return codeplug;
}

QByteArray RadioImageFromDataFile(const QByteArray& file, const TMacType& model) {
    QByteArray image(kRadioMemorySize, char(0xFF));
    for (int n = 1; n <= model.ChannelCount(); ++n) {
        image.replace(16 * n, 16, file.mid(16 * n, 16));
    }
    const int first = FirstAfterGap(model);
    image.replace(16 * first, 16 * kRecordsAfterGap, file.mid(16 * first, 16 * kRecordsAfterGap));
    image.replace(kFunctionBAddress, 16, file.mid(16 * FileFunctionB(model), 16));
    return image;
}

QByteArray DataFileFromRadioImage(const QByteArray& image, const TMacType& model,
                                  const TFrqList& bands, const QDateTime& saved) {
    QByteArray file(16 * model.FileRecordCount(), char(0xFF));
    const int first = FirstAfterGap(model);
    const BandFields band = TBWriteRead::DecodeBand(RecordFrom(image, 16 * (first + 5)));
    file.replace(0, 16,
                 RecordBytes(TBWriteRead::EncodeHeader(
                     QLatin1Char('P') + model.Code(), BandDigits(bands.BandTextOf(band.bandIndex)),
                     saved.toString(QStringLiteral("yyyy-MM-dd HH:mm")))));
    for (int n = 1; n <= model.ChannelCount(); ++n) {
        file.replace(16 * n, 16, image.mid(16 * n, 16));
    }
    file.replace(16 * FileFunctionB(model), 16, image.mid(kFunctionBAddress, 16));
    file.replace(16 * first, 16 * kRecordsAfterGap, image.mid(16 * first, 16 * kRecordsAfterGap));
    return file;
}
