#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "codeplug/ChannelTable.h"
#include "codeplug/ChannelValues.h"
#include "codeplug/Settings.h"

class TMacType;

// A whole codeplug as one value: what a data file or a radio holds. Files and radios are
// decoded into one of these first and taken over only when all of it decoded.
struct Codeplug {
    const TMacType* model = nullptr;
    QString modelCode;  // the code the band record carries
    QString bandText;
    std::vector<std::optional<ChannelValues>> channels;  // one per channel, empty rows as nothing
    TFun fun;
    TEnMsg message;
};

// "1" per channel that holds a receive frequency; "1" per channel whose scan-add choice is
// "no" (index 1).
struct ChannelMaps {
    QString channelMap;
    QString scanMap;
};
ChannelMaps BuildChannelMaps(const Codeplug& codeplug);

// The codeplug the application holds now: the current model and band, the channel table,
// the function settings and the message. Throws ConversionError naming the channel when a
// row holds a text the codec cannot take.
Codeplug CaptureCodeplug(const TChannelTable& table);

// Makes a decoded codeplug the application's: model, band, settings and message, and its
// channels in the given table (the channel table, or the staging table of a read). Does not
// touch Modified.
void ApplyCodeplug(const Codeplug& codeplug, TChannelTable& table);

// The part of a message line that one message record carries (piece 0 or 1).
QByteArray MessagePiece(const QByteArray& line, int piece);
