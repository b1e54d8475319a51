#pragma once

// The check every entered frequency goes through: a value outside the model's limits
// becomes the band edge on that side; one outside the band only draws a warning; the
// result is snapped onto the channel raster.
struct FrequencyLimits {
    double modelMin = 0;
    double modelMax = 0;
    double bandLow = 0;
    double bandHigh = 0;
};

enum class FrequencyNotice { None, ErrRange, OutRange };

struct CheckedFrequency {
    double mhz = 0;
    FrequencyNotice notice = FrequencyNotice::None;
};

CheckedFrequency CheckFrequency(double mhz, const FrequencyLimits& limits);

// The limits of the current model and band.
FrequencyLimits CurrentFrequencyLimits();
