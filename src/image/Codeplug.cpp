#include "Codeplug.h"

#include "core/ConversionError.h"
#include "core/Globals.h"
#include "image/WriteRead.h"

ChannelMaps BuildChannelMaps(const Codeplug& codeplug) {
    ChannelMaps maps;
    for (const auto& channel : codeplug.channels) {
        maps.channelMap += channel ? QLatin1Char('1') : QLatin1Char('0');
        maps.scanMap += channel && channel->ScanAdd == 1 ? QLatin1Char('1') : QLatin1Char('0');
    }
    return maps;
}

Codeplug CaptureCodeplug(const TChannelTable& table) {
    const TApp& app = App();
    Codeplug codeplug;
    codeplug.model = app.all.CurrentModel;
    codeplug.modelCode = app.all.ModelCode;
    codeplug.bandText = app.all.BandText;
    codeplug.fun = app.Fun;
    codeplug.message = app.EnMsg;
    for (int channel = 1; channel <= table.ChannelCount(); ++channel) {
        try {
            codeplug.channels.push_back(table.ReadChannelRow(RowOfChannel(channel)));
            if (const auto& values = codeplug.channels.back()) {
                // Tones are checked here so that a bad one stops the whole save up front.
                TBWriteRead::EncodeChannel(*values);
            }
        } catch (const ConversionError& error) {
            throw ConversionError(
                QStringLiteral("Channel %1: %2").arg(channel).arg(error.message()));
        }
    }
    return codeplug;
}

void ApplyCodeplug(const Codeplug& codeplug, TChannelTable& table) {
    TApp& app = App();
    SetCurrentModel(*codeplug.model);
    app.all.ModelCode = codeplug.modelCode;
    SetBandText(codeplug.bandText);
    app.Fun = codeplug.fun;
    app.EnMsg = codeplug.message;
    table.ResetTable();
    for (int channel = 1; channel <= int(codeplug.channels.size()); ++channel) {
        if (const auto& values = codeplug.channels[channel - 1]) {
            table.FillChannelRow(RowOfChannel(channel), *values);
        }
    }
}

QByteArray MessagePiece(const QByteArray& line, int piece) {
    return line.mid(piece * 16, 16);
}
