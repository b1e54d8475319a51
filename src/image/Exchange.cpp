#include "Exchange.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <set>

#include "codeplug/FrequencyCheck.h"
#include "core/ConversionError.h"
#include "core/MacType.h"
#include "core/ValueFormat.h"
#include "image/CsvReader.h"

namespace {

const QString kCsvHeader = QStringLiteral(
    "Channel,RxMHz,TxMHz,DecodeTone,EncodeTone,Power,Bandwidth,ScanAdd,BeatShift,BusyLock");
const QString kNoneWord = QStringLiteral("无");

// The words of the CSV choices, by index.
const QStringList kPowerWords = {QStringLiteral("Low"), QStringLiteral("High")};
const QStringList kBandwidthWords = {QStringLiteral("Wide"), QStringLiteral("Narrow")};
const QStringList kYesNoWords = {QStringLiteral("Yes"), QStringLiteral("No")};

// One channel as the input gives it, before any check.
struct RawChannel {
    QString where;  // "line 4" or "channel 4", for the messages
    int channel = 0;
    QString rx;
    QString tx;  // empty: receive only
    QString decode;
    QString encode;
    int choices[5] = {1, 0, 1, 1, 1};  // power, bandwidth, scan add, beat shift, busy lock
};

const char* const kChoiceNames[5] = {"power", "bandwidth", "scan_add", "beat_shift", "busy_lock"};

class Importer {
  public:
    Importer(const TMacList& models, const TFrqList& bands) : models_(models), bands_(bands) {}

    bool Begin(const QString& modelName, const QString& bandText, const ImportOptions& options) {
        const QString name = options.modelName.isEmpty() ? modelName : options.modelName;
        const TMacType* model = name.isEmpty() ? models_.ModelAt(0) : models_.FindByName(name);
        if (!model) {
            return Fail(QStringLiteral("the model '%1' is not a known model").arg(name));
        }
        QString band = options.bandText.isEmpty() ? bandText : options.bandText;
        if (band.isEmpty()) {
            band = model->DefaultBand();
        }
        if (!bands_.Contains(band)) {
            return Fail(QStringLiteral("the band '%1' is not a known band").arg(band));
        }
        const BandEdges edges = ParseBandText(band);
        limits_ = {model->MinFreq(), model->MaxFreq(), edges.low, edges.high};
        Codeplug codeplug;
        codeplug.model = model;
        codeplug.modelCode = model->Code();
        codeplug.bandText = band;
        codeplug.channels.resize(model->ChannelCount());
        result_.codeplug = std::move(codeplug);
        return true;
    }

    bool AddChannel(const RawChannel& raw) {
        Codeplug& codeplug = *result_.codeplug;
        if (raw.channel < 1 || raw.channel > int(codeplug.channels.size())) {
            return Fail(QStringLiteral("%1: channel %2 does not exist; the %3 has channels 1 to %4")
                            .arg(raw.where)
                            .arg(raw.channel)
                            .arg(codeplug.model->Name())
                            .arg(codeplug.channels.size()));
        }
        auto& slot = codeplug.channels[raw.channel - 1];
        if (slot) {
            return Fail(
                QStringLiteral("%1: channel %2 is given twice").arg(raw.where).arg(raw.channel));
        }
        ChannelValues values;
        const auto rx = CheckedFrequency(raw, QStringLiteral("rx"), raw.rx);
        if (!rx) {
            return false;
        }
        values.RxMHz = *rx;
        if (!raw.tx.trimmed().isEmpty()) {
            const auto tx = CheckedFrequency(raw, QStringLiteral("tx"), raw.tx);
            if (!tx) {
                return false;
            }
            values.TxMHz = *tx;
        }
        values.DecodeTone = CheckedTone(raw, QStringLiteral("decode"), raw.decode);
        values.EncodeTone = CheckedTone(raw, QStringLiteral("encode"), raw.encode);
        int* fields[5] = {&values.Power, &values.Bandwidth, &values.ScanAdd, &values.BeatShift,
                          &values.BusyLock};
        for (int i = 0; i < 5; ++i) {
            if (raw.choices[i] != 0 && raw.choices[i] != 1) {
                return Fail(
                    QStringLiteral("%1: %2 must be 0 or 1").arg(raw.where, kChoiceNames[i]));
            }
            *fields[i] = raw.choices[i];
        }
        slot = values;
        return true;
    }

    Codeplug& Current() { return *result_.codeplug; }
    void Note(const QString& note) { result_.notes.append(note); }

    bool Fail(const QString& error) {
        result_.error = error;
        result_.codeplug.reset();
        return false;
    }

    ImportResult Finish() { return std::move(result_); }

  private:
    std::optional<double> CheckedFrequency(const RawChannel& raw, const QString& field,
                                           const QString& text) {
        double typed = 0;
        try {
            typed = ParseFrequency(text);
        } catch (const ConversionError&) {
            Fail(QStringLiteral("%1: %2 '%3' is not a frequency").arg(raw.where, field, text));
            return std::nullopt;
        }
        const ::CheckedFrequency checked = CheckFrequency(typed, limits_);
        if (checked.notice == FrequencyNotice::ErrRange) {
            Note(
                QStringLiteral("%1: %2 %3 lies outside the model's limits, %4 to %5 MHz: set to %6")
                    .arg(raw.where, field, text.trimmed())
                    .arg(limits_.modelMin)
                    .arg(limits_.modelMax)
                    .arg(FormatFrequency(checked.mhz)));
        } else if (checked.mhz != typed) {
            Note(QStringLiteral("%1: %2 %3 snapped to the channel raster: %4")
                     .arg(raw.where, field, text.trimmed(), FormatFrequency(checked.mhz)));
        }
        return checked.mhz;
    }

    QString CheckedTone(const RawChannel& raw, const QString& field, const QString& text) {
        if (text.isEmpty() || text == kNoneWord) {
            return {};
        }
        const QString checked = CheckToneText(text);
        if (checked != text) {
            Note(QStringLiteral("%1: %2 tone '%3' changed to '%4'")
                     .arg(raw.where, field, text, checked));
        }
        return checked;
    }

    const TMacList& models_;
    const TFrqList& bands_;
    FrequencyLimits limits_;
    ImportResult result_;
};

// ---- JSON ----

int LineOfOffset(const QByteArray& text, int offset) {
    return int(text.left(offset).count('\n')) + 1;
}

// Texts may be given as strings or, for frequencies, as numbers.
std::optional<QString> TextOf(const QJsonValue& value) {
    if (value.isString()) {
        return value.toString();
    }
    if (value.isDouble()) {
        return QString::number(value.toDouble(), 'f', 5);
    }
    if (value.isNull() || value.isUndefined()) {
        return QString();
    }
    return std::nullopt;
}

bool ReadChannelObject(const QJsonValue& value, int position, Importer& importer) {
    const QString where = QStringLiteral("channels[%1]").arg(position);
    if (!value.isObject()) {
        return importer.Fail(where + QStringLiteral(": a channel must be an object"));
    }
    const QJsonObject object = value.toObject();
    static const std::set<QString> known = {"channel",    "rx",       "tx",        "decode",
                                            "encode",     "power",    "bandwidth", "scan_add",
                                            "beat_shift", "busy_lock"};
    for (const QString& key : object.keys()) {
        if (!known.count(key)) {
            return importer.Fail(QStringLiteral("%1: unknown field '%2'").arg(where, key));
        }
    }
    RawChannel raw;
    raw.channel = object.value(QStringLiteral("channel")).toInt(0);
    raw.where = QStringLiteral("channel %1").arg(raw.channel);
    if (!object.value(QStringLiteral("rx")).isString() &&
        !object.value(QStringLiteral("rx")).isDouble()) {
        return importer.Fail(QStringLiteral("%1: rx must be a frequency").arg(raw.where));
    }
    const QString textFields[] = {"rx", "tx", "decode", "encode"};
    QString* targets[] = {&raw.rx, &raw.tx, &raw.decode, &raw.encode};
    for (int i = 0; i < 4; ++i) {
        const auto text = TextOf(object.value(textFields[i]));
        if (!text) {
            return importer.Fail(
                QStringLiteral("%1: %2 must be a text").arg(raw.where, textFields[i]));
        }
        *targets[i] = *text;
    }
    for (int i = 0; i < 5; ++i) {
        const QJsonValue choice = object.value(QLatin1String(kChoiceNames[i]));
        if (choice.isUndefined()) {
            continue;
        }
        raw.choices[i] =
            choice.isDouble() && choice.toDouble() == choice.toInt() ? choice.toInt() : -1;
    }
    return importer.AddChannel(raw);
}

bool ReadFunctions(const QJsonValue& value, Importer& importer) {
    if (value.isUndefined()) {
        return true;
    }
    if (!value.isObject()) {
        return importer.Fail(QStringLiteral("functions: must be an object"));
    }
    const QJsonObject object = value.toObject();
    TFun& fun = importer.Current().fun;
    for (const QString& key : object.keys()) {
        const auto field =
            std::find_if(kFunFields.begin(), kFunFields.end(),
                         [&](const TFunField& f) { return key == QLatin1String(f.name); });
        if (field == kFunFields.end()) {
            return importer.Fail(QStringLiteral("functions: unknown field '%1'").arg(key));
        }
        const QJsonValue number = object.value(key);
        const double given = number.toDouble(-1);
        if (!number.isDouble() || given != int(given) || given < 0 || given > field->maxStored) {
            return importer.Fail(QStringLiteral("functions: %1 must be a whole number from 0 to %2")
                                     .arg(key)
                                     .arg(field->maxStored));
        }
        fun.*field->member = int(given);
    }
    return true;
}

bool ReadMessage(const QJsonValue& value, Importer& importer) {
    if (value.isUndefined()) {
        return true;
    }
    const QJsonArray lines = value.toArray();
    if (!value.isArray() || lines.size() > 2) {
        return importer.Fail(QStringLiteral("message: must be an array of at most two lines"));
    }
    QByteArray* targets[] = {&importer.Current().message.LineA, &importer.Current().message.LineB};
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].isString()) {
            return importer.Fail(QStringLiteral("message line %1: must be a text").arg(i + 1));
        }
        const QString line = lines[i].toString();
        for (QChar c : line) {
            if (c.unicode() > 0xFE) {
                return importer.Fail(
                    QStringLiteral("message line %1: the character U+%2 cannot be stored; "
                                   "a line holds bytes 0x00 to 0xFE")
                        .arg(i + 1)
                        .arg(c.unicode(), 4, 16, QLatin1Char('0')));
            }
        }
        *targets[i] = line.toLatin1().left(TEnMsg::kLineLength);
        if (line.size() > TEnMsg::kLineLength) {
            importer.Note(QStringLiteral("message line %1: cut to its first %2 characters")
                              .arg(i + 1)
                              .arg(TEnMsg::kLineLength));
        }
    }
    return true;
}

// ---- CSV ----

std::optional<int> WordIndex(const QStringList& words, const QString& text) {
    for (int i = 0; i < words.size(); ++i) {
        if (words[i].compare(text.trimmed(), Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace

QByteArray ExportJson(const Codeplug& codeplug) {
    // Written by hand so that the fields keep the order a person reads them in, one channel
    // to a line; the texts are escaped by the JSON library.
    auto text = [](const QString& value) {
        const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        return array.mid(1, array.size() - 2);
    };
    QByteArrayList channels;
    for (int i = 0; i < int(codeplug.channels.size()); ++i) {
        const auto& v = codeplug.channels[i];
        if (!v) {
            continue;
        }
        channels.append(
            "        {\"channel\": " + QByteArray::number(i + 1) +
            ", \"rx\": " + text(FormatFrequency(v->RxMHz)) +
            ", \"tx\": " + (v->HasTransmit() ? text(FormatFrequency(v->TxMHz)) : "null") +
            ", \"decode\": " + text(v->DecodeTone) + ", \"encode\": " + text(v->EncodeTone) +
            ", \"power\": " + QByteArray::number(v->Power) + ", \"bandwidth\": " +
            QByteArray::number(v->Bandwidth) + ", \"scan_add\": " + QByteArray::number(v->ScanAdd) +
            ", \"beat_shift\": " + QByteArray::number(v->BeatShift) +
            ", \"busy_lock\": " + QByteArray::number(v->BusyLock) + "}");
    }
    QByteArrayList functions;
    for (const auto& field : kFunFields) {
        functions.append("        \"" + QByteArray(field.name) +
                         "\": " + QByteArray::number(codeplug.fun.*field.member));
    }
    return "{\n    \"model\": " + text(codeplug.model->Name()) +
           ",\n    \"band\": " + text(codeplug.bandText) + ",\n    \"channels\": [\n" +
           channels.join(",\n") + (channels.isEmpty() ? "" : "\n") +
           "    ],\n    \"functions\": {\n" + functions.join(",\n") +
           "\n    },\n    \"message\": [" + text(QString::fromLatin1(codeplug.message.LineA)) +
           ", " + text(QString::fromLatin1(codeplug.message.LineB)) + "]\n}\n";
}

QByteArray ExportCsv(const Codeplug& codeplug) {
    QStringList lines{kCsvHeader};
    for (int i = 0; i < int(codeplug.channels.size()); ++i) {
        const auto& v = codeplug.channels[i];
        if (!v) {
            continue;
        }
        lines.append(QStringList{
            QString::number(i + 1), FormatFrequency(v->RxMHz),
            v->HasTransmit() ? FormatFrequency(v->TxMHz) : QString(), CsvField(v->DecodeTone),
            CsvField(v->EncodeTone), kPowerWords[v->Power], kBandwidthWords[v->Bandwidth],
            kYesNoWords[v->ScanAdd], kYesNoWords[v->BeatShift], kYesNoWords[v->BusyLock]}
                         .join(QLatin1Char(',')));
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

ImportResult ImportJson(const QByteArray& json, const ImportOptions& options,
                        const TMacList& models, const TFrqList& bands) {
    Importer importer(models, bands);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        importer.Fail(QStringLiteral("line %1: %2")
                          .arg(LineOfOffset(json, parseError.offset))
                          .arg(parseError.errorString()));
        return importer.Finish();
    }
    if (!document.isObject()) {
        importer.Fail(QStringLiteral("line 1: the file must hold one JSON object"));
        return importer.Finish();
    }
    const QJsonObject root = document.object();
    if (!importer.Begin(root.value(QStringLiteral("model")).toString(),
                        root.value(QStringLiteral("band")).toString(), options)) {
        return importer.Finish();
    }
    const QJsonValue channels = root.value(QStringLiteral("channels"));
    if (!channels.isUndefined() && !channels.isArray()) {
        importer.Fail(QStringLiteral("channels: must be an array"));
        return importer.Finish();
    }
    const QJsonArray list = channels.toArray();
    for (int i = 0; i < list.size(); ++i) {
        if (!ReadChannelObject(list[i], i, importer)) {
            return importer.Finish();
        }
    }
    if (ReadFunctions(root.value(QStringLiteral("functions")), importer)) {
        ReadMessage(root.value(QStringLiteral("message")), importer);
    }
    return importer.Finish();
}

ImportResult ImportCsv(const QByteArray& csv, const ImportOptions& options, const TMacList& models,
                       const TFrqList& bands) {
    Importer importer(models, bands);
    const std::vector<CsvRow> rows = ReadCsv(csv);
    if (rows.empty() ||
        rows.front().fields.join(QLatin1Char(',')).compare(kCsvHeader, Qt::CaseInsensitive) != 0) {
        importer.Fail(QStringLiteral("line 1: the header must read %1").arg(kCsvHeader));
        return importer.Finish();
    }
    if (!importer.Begin(QString(), QString(), options)) {
        return importer.Finish();
    }
    for (size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        RawChannel raw;
        raw.where = QStringLiteral("line %1").arg(row.line);
        if (row.fields.size() != 10) {
            importer.Fail(QStringLiteral("%1: %2 fields; a row has 10")
                              .arg(raw.where)
                              .arg(row.fields.size()));
            return importer.Finish();
        }
        bool numbered = false;
        raw.channel = row.fields[0].trimmed().toInt(&numbered);
        if (!numbered) {
            importer.Fail(
                QStringLiteral("%1: '%2' is not a channel number").arg(raw.where, row.fields[0]));
            return importer.Finish();
        }
        raw.where += QStringLiteral(", channel %1").arg(raw.channel);
        raw.rx = row.fields[1];
        raw.tx = row.fields[2];
        raw.decode = row.fields[3].trimmed();
        raw.encode = row.fields[4].trimmed();
        const QStringList* words[5] = {&kPowerWords, &kBandwidthWords, &kYesNoWords, &kYesNoWords,
                                       &kYesNoWords};
        for (int i = 0; i < 5; ++i) {
            const auto index = WordIndex(*words[i], row.fields[5 + i]);
            if (!index) {
                importer.Fail(
                    QStringLiteral("%1: '%2' is not one of %3")
                        .arg(raw.where, row.fields[5 + i], words[i]->join(QLatin1Char('/'))));
                return importer.Finish();
            }
            raw.choices[i] = *index;
        }
        if (!importer.AddChannel(raw)) {
            return importer.Finish();
        }
    }
    return importer.Finish();
}
