#pragma once

#include <QString>

// One channel as it travels between the channel table and the record codec.
// Power to BusyLock are the 0-based indexes of the table's choices: for ScanAdd,
// BeatShift and BusyLock, 0 means yes and 1 means no.
struct ChannelValues {
    static constexpr double kNoTransmit = -1.0;

    double RxMHz = 0;
    double TxMHz = kNoTransmit;
    QString DecodeTone;  // empty for no tone
    QString EncodeTone;
    int Power = 1;
    int Bandwidth = 0;
    int ScanAdd = 1;
    int BeatShift = 1;
    int BusyLock = 1;

    bool HasTransmit() const { return TxMHz > kNoTransmit; }
    bool operator==(const ChannelValues&) const = default;
};
