#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// Radio-wide function settings.
struct TFun {
    int BattSave = 0;
    int BeepTone = 0;
    int Squelch = 0;
    int SideKey = 0;
    int TxTimeout = 0;
    int VoxFun = 0;
    int VoxInhibit = 0;
    int VoxLevel = 0;
    int Voice = 0;
    int ScanSwitch = 0;
    int VoicePrompt = 0;
    int VolHighInhibit = 0;
    int VolLowInhibit = 0;
    int RxAlarm = 0;
    int FmRadio = 0;

    TFun() { ResetDefaults(); }
    void ResetDefaults();
    // Brings values read from a radio back into their ranges.
    void ValidateRanges();
    bool operator==(const TFun&) const = default;
};

// The fields of TFun by name, in declared order, for the exchange formats.
struct TFunField {
    const char* name;
    int TFun::*member;
    int maxStored;  // the largest value its record byte or bit can carry
};
extern const std::array<TFunField, 15> kFunFields;

// The two-line embedded message. Lines are bytes: they go to files and radios as they stand.
struct TEnMsg {
    static constexpr int kLineLength = 32;
    QByteArray LineA;
    QByteArray LineB;

    void ResetDefaults() {
        LineA.clear();
        LineB.clear();
    }
    bool operator==(const TEnMsg&) const = default;
};

// Sixteen test frequency pairs; kept in memory only.
struct TTestFre {
    static constexpr int kPairs = 16;
    std::array<QString, kPairs> RxFreq;
    std::array<QString, kPairs> TxFreq;

    TTestFre() { ResetDefaults(); }
    void ResetDefaults();
};
