#pragma once

#include <QString>
#include <array>
#include <cstdint>

class TMacType;

// The global application state.
struct TALL {
    QString LanguageName;
    int LanguageIndex = 0;
    QString ComPort;
    QString AppPath;  // with trailing separator
    QString AppTitle;
    int ChannelCount = 0;
    QString ModelName;
    QString BandText;
    double ModelMax = 0;
    double ModelMin = 0;
    double BandHigh = 0;
    double BandLow = 0;
    QString ModelCode;
    QString ChannelMap;
    QString ScanMap;
    int PictureId = 0;
    bool Modified = false;
    bool GridRefreshing = false;
    QString HelpPrefix;
    std::array<uint8_t, 5> TuningSeeds{};
    bool TuningEnabled = false;
    const TMacType* CurrentModel = nullptr;
};

// Makes a model current; the caller sets the band right after.
void SetCurrentModel(const TMacType& model);
// Sets the band and its edges together.
void SetBandText(const QString& bandText);
