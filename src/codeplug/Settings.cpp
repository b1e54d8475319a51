#include "Settings.h"

const std::array<TFunField, 15> kFunFields = {{
    {"BattSave", &TFun::BattSave, 1},
    {"BeepTone", &TFun::BeepTone, 1},
    {"Squelch", &TFun::Squelch, 255},
    {"SideKey", &TFun::SideKey, 255},
    {"TxTimeout", &TFun::TxTimeout, 255},
    {"VoxFun", &TFun::VoxFun, 255},
    {"VoxInhibit", &TFun::VoxInhibit, 255},
    {"VoxLevel", &TFun::VoxLevel, 255},
    {"Voice", &TFun::Voice, 255},
    {"ScanSwitch", &TFun::ScanSwitch, 255},
    {"VoicePrompt", &TFun::VoicePrompt, 255},
    {"VolHighInhibit", &TFun::VolHighInhibit, 255},
    {"VolLowInhibit", &TFun::VolLowInhibit, 255},
    {"RxAlarm", &TFun::RxAlarm, 255},
    {"FmRadio", &TFun::FmRadio, 255},
}};

void TFun::ResetDefaults() {
    BattSave = 1;
    BeepTone = 1;
    Squelch = 5;
    SideKey = 1;
    TxTimeout = 6;
    VoxFun = 0;
    VoxInhibit = 0;
    VoxLevel = 4;
    Voice = 1;
    ScanSwitch = 1;
    VoicePrompt = 1;
    VolHighInhibit = 1;
    VolLowInhibit = 1;
    RxAlarm = 0;
    FmRadio = 1;
}

namespace {

void KeepInRange(int& value, int low, int high, int fallback) {
    if (value < low || value > high) {
        value = fallback;
    }
}

}  // namespace

void TFun::ValidateRanges() {
    for (int* onOff : {&BattSave, &BeepTone, &VoxFun, &VoxInhibit, &Voice, &ScanSwitch,
                       &VoicePrompt, &VolHighInhibit, &VolLowInhibit, &RxAlarm, &FmRadio}) {
        *onOff &= 1;
    }
    KeepInRange(Squelch, 0, 9, 5);
    KeepInRange(SideKey, 0, 5, 0);
    KeepInRange(TxTimeout, 0, 10, 6);
    KeepInRange(VoxLevel, 0, 4, 4);
}

void TTestFre::ResetDefaults() {
    const char* defaults[][2] = {
        {"460.05000", "460.10000"}, {"440.05000", "440.10000"}, {"479.95000", "479.90000"},
        {"460.00000", "460.00000"}, {"460.20000", "460.20000"}, {"460.40000", "460.40000"},
    };
    for (int i = 0; i < kPairs; ++i) {
        const bool hasDefault = i < int(std::size(defaults));
        RxFreq[i] = hasDefault ? QString::fromLatin1(defaults[i][0]) : QString();
        TxFreq[i] = hasDefault ? QString::fromLatin1(defaults[i][1]) : QString();
    }
}
