#include "ValueFormat.h"

#include <cmath>

#include "ConversionError.h"

namespace {

// Frequencies are held in units of 10 Hz: eight decimal digits fit in the BCD field.
qint64 TenHertzUnits(double mhz) {
    return std::llround(mhz * 100000.0);
}

QString EightDigits(qint64 units) {
    return QStringLiteral("%1").arg(units % 100000000, 8, 10, QLatin1Char('0'));
}

QString HexDigits(const uint8_t* bytesMostSignificantFirst, int count) {
    QString text;
    for (int i = 0; i < count; ++i) {
        text += QStringLiteral("%1").arg(bytesMostSignificantFirst[i], 2, 16, QLatin1Char('0'));
    }
    return text.toUpper();
}

bool HasHexLetter(const QString& digits) {
    for (QChar c : digits) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('F')) {
            return true;
        }
    }
    return false;
}

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsOctalDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('7');
}

std::optional<double> ToNumber(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

double SnapFrequency(double mhz) {
    const qint64 n = TenHertzUnits(mhz);
    const qint64 r = (n % 100 == 0) ? n % 500 : n % 625;
    if (r == 0) {
        return mhz;
    }
    return double(n - r) / 100000.0;
}

QString FormatFrequency(double mhz) {
    return QString::number(mhz, 'f', 5);
}

double ParseFrequency(const QString& text) {
    const auto value = ToNumber(text.trimmed());
    if (!value) {
        throw ConversionError(QStringLiteral("'%1' is not a valid frequency").arg(text));
    }
    return *value;
}

FreqField EncodeFreq(double mhz) {
    const QString digits = EightDigits(TenHertzUnits(mhz));
    FreqField field{};
    for (int i = 0; i < 4; ++i) {
        // Byte 0 holds digits 7-8, byte 3 digits 1-2.
        field[i] = HexByte(digits.mid(6 - 2 * i, 2));
    }
    return field;
}

std::optional<double> DecodeFreq(const FreqField& field) {
    const uint8_t msbFirst[4] = {field[3], field[2], field[1], field[0]};
    const QString digits = HexDigits(msbFirst, 4);
    if (HasHexLetter(digits)) {
        return std::nullopt;
    }
    return digits.toLongLong() / 100000.0;
}

FreqField EncodeFreqText(const QString& text) {
    const int unit = text.indexOf(QStringLiteral("MHz"));
    if (unit < 0) {
        throw ConversionError(QStringLiteral("'%1' is not a frequency in MHz").arg(text));
    }
    return EncodeFreq(ParseFrequency(text.left(unit)));
}

ToneField EncodeTone(const QString& toneText) {
    if (toneText.isEmpty()) {
        return {0xFF, 0xFF};
    }
    if (toneText.startsWith(QLatin1Char('D'))) {
        if (toneText.size() != 5) {
            throw ConversionError(QStringLiteral("'%1' is not a DCS code").arg(toneText));
        }
        QChar polarity = toneText[4];
        if (polarity == QLatin1Char('N')) {
            polarity = QLatin1Char('8');
        } else if (polarity == QLatin1Char('I')) {
            polarity = QLatin1Char('C');
        }
        return {HexByte(toneText.mid(2, 2)), HexByte(QString(polarity) + toneText[1])};
    }
    const auto hertz = ToNumber(toneText);
    if (!hertz || *hertz < 0 || *hertz >= 1000) {
        throw ConversionError(QStringLiteral("'%1' is not a tone").arg(toneText));
    }
    const QString tenths =
        QStringLiteral("%1").arg(std::llround(*hertz * 10), 4, 10, QLatin1Char('0'));
    return {HexByte(tenths.mid(2, 2)), HexByte(tenths.mid(0, 2))};
}

QString DecodeTone(const ToneField& field) {
    if (field[0] == 0xFF && field[1] == 0xFF) {
        return {};
    }
    const uint8_t msbFirst[2] = {field[1], field[0]};
    const QString s = HexDigits(msbFirst, 2);
    if (s.startsWith(QLatin1Char('8'))) {
        return QLatin1Char('D') + s.mid(1) + QLatin1Char('N');
    }
    if (s.startsWith(QLatin1Char('C'))) {
        return QLatin1Char('D') + s.mid(1) + QLatin1Char('I');
    }
    if (HasHexLetter(s)) {
        return {};  // not a tone: shown as none
    }
    return QString::number(s.toInt() / 10.0, 'f', 1);
}

ToneField EncodeToneText(const QString& text) {
    QString rest = text;
    const int unit = rest.indexOf(QStringLiteral("Hz"));
    if (unit >= 0) {
        rest.truncate(unit);
    }
    return EncodeTone(rest);
}

QString CheckToneText(const QString& text) {
    if (text.isEmpty()) {
        return {};
    }
    if (IsAsciiDigit(text[0])) {
        const auto value = ToNumber(text);
        if (!value) {
            return QStringLiteral("290.0");
        }
        const double clamped = std::clamp(*value, 30.0, 290.0);
        return QString::number(clamped, 'f', 1);
    }
    const bool dcsShape = text.size() == 5 && text[0] == QLatin1Char('D') &&
                          IsOctalDigit(text[1]) && IsOctalDigit(text[2]) && IsOctalDigit(text[3]) &&
                          QStringLiteral("NIni").contains(text[4]);
    if (dcsShape) {
        return text.left(4) + text[4].toUpper();
    }
    return QStringLiteral("D777N");
}

BandEdges ParseBandText(const QString& bandText) {
    const int dash = bandText.indexOf(QLatin1Char('-'));
    const int unit = bandText.indexOf(QStringLiteral("MHz"), dash + 1);
    if (dash < 0 || unit < 0) {
        throw ConversionError(QStringLiteral("'%1' is not a band").arg(bandText));
    }
    const auto low = ToNumber(bandText.left(dash).trimmed());
    const auto high = ToNumber(bandText.mid(dash + 1, unit - dash - 1).trimmed());
    if (!low || !high) {
        throw ConversionError(QStringLiteral("'%1' is not a band").arg(bandText));
    }
    return {*low, *high};
}

QString BytesToText(const QByteArray& bytes, int count) {
    QString text;
    for (int i = 0; i < count && i < bytes.size(); ++i) {
        text += QChar(uint8_t(bytes[i]));
    }
    return text;
}

QString ReverseText(const QString& text) {
    QString reversed;
    for (auto it = text.crbegin(); it != text.crend(); ++it) {
        reversed += *it;
    }
    return reversed;
}

QString BinaryTextToInt(const QString& text) {
    qint64 value = 0;
    for (QChar c : text) {
        value = value * 2 + (c.unicode() - '0');
    }
    return QString::number(value);
}

uint8_t HexByte(const QString& twoChars) {
    bool ok = false;
    const uint value = twoChars.toUInt(&ok, 16);
    if (!ok || twoChars.size() != 2) {
        throw ConversionError(QStringLiteral("'%1' is not a hexadecimal byte").arg(twoChars));
    }
    return uint8_t(value);
}

uint32_t PackBytes(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    return uint32_t(a) | uint32_t(b) << 8 | uint32_t(c) << 16 | uint32_t(d) << 24;
}
