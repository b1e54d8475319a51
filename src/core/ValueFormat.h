#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

// Conversions between the texts the user sees and the bytes the radio holds.

using FreqField = std::array<uint8_t, 4>;
using ToneField = std::array<uint8_t, 2>;

// Moves a frequency down onto the 5 kHz raster (whole kilohertz) or the 6.25 kHz raster.
double SnapFrequency(double mhz);

// "0.00000": the five-decimal form of every frequency in the tables.
QString FormatFrequency(double mhz);

// Reads a frequency text; throws ConversionError when it is not a number.
double ParseFrequency(const QString& text);

FreqField EncodeFreq(double mhz);
std::optional<double> DecodeFreq(const FreqField& field);
// "460.05000MHz" -> field; throws ConversionError without "MHz" or a number before it.
FreqField EncodeFreqText(const QString& text);

// Tone text ("" none, "67.0", "D023N") <-> tone field. Encoding throws ConversionError
// on a text of neither form; decoding gives "" for none and for a field that is no tone.
ToneField EncodeTone(const QString& toneText);
QString DecodeTone(const ToneField& field);
// Drops everything from "Hz" on before encoding; an empty rest is no tone.
ToneField EncodeToneText(const QString& text);

// Brings a typed tone into tone-text form; never fails.
QString CheckToneText(const QString& text);

struct BandEdges {
    double low = 0;
    double high = 0;
};
// "450 - 470MHz" -> (450, 470); throws ConversionError on any other shape.
BandEdges ParseBandText(const QString& bandText);

QString BytesToText(const QByteArray& bytes, int count);
QString ReverseText(const QString& text);
QString BinaryTextToInt(const QString& text);
uint8_t HexByte(const QString& twoChars);
uint32_t PackBytes(uint8_t a, uint8_t b, uint8_t c, uint8_t d);
inline QString PickText(bool flag, const QString& text1, const QString& text2) {
    return flag ? text1 : text2;
}
