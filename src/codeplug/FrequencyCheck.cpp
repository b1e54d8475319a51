#include "FrequencyCheck.h"

#include "core/Globals.h"
#include "core/ValueFormat.h"

CheckedFrequency CheckFrequency(double mhz, const FrequencyLimits& limits) {
    CheckedFrequency result{mhz, FrequencyNotice::None};
    if (mhz > limits.modelMax) {
        result = {limits.bandHigh, FrequencyNotice::ErrRange};
    } else if (mhz < limits.modelMin) {
        result = {limits.bandLow, FrequencyNotice::ErrRange};
    } else if (mhz > limits.bandHigh || mhz < limits.bandLow) {
        result.notice = FrequencyNotice::OutRange;
    }
    result.mhz = SnapFrequency(result.mhz);
    return result;
}

FrequencyLimits CurrentFrequencyLimits() {
    const TALL& all = App().all;
    return {all.ModelMin, all.ModelMax, all.BandLow, all.BandHigh};
}
