#include "Fixtures.h"

#include <QFile>
#include <QStringList>

#include "codeplug/ToneTables.h"
#include "core/Globals.h"
#include "core/Seams.h"

QByteArray Hex(const char* spaced) {
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

QString HexOf(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString HexOf(const Record& record) {
    return HexOf(RecordBytes(record));
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

AppFixture::AppFixture() {
    ResetApp();
    SetClock([] { return QDateTime(QDate(2009, 5, 7), QTime(13, 45)); });
    SetFileChooser({});
    SetMessageBoxHandler([this](const QString& caption, const QString& text, int kind) {
        boxes_.append({caption, text, kind});
        return answers_.isEmpty() ? SafeAnswer(kind) : answers_.takeFirst();
    });
    StartUp(Dir());
}

AppFixture::~AppFixture() {
    SetMessageBoxHandler({});
    SetFileChooser({});
    SetClock({});
    ResetApp();
}

QStringList AppFixture::Texts() const {
    QStringList texts;
    for (const Box& box : boxes_) {
        texts.append(box.text);
    }
    return texts;
}

namespace {

double RandomFrequency(QRandomGenerator& random, const TMacType& model) {
    // Whole 6.25 kHz steps inside the model's limits are already on the raster.
    const qint64 low = qint64(model.MinFreq() * 160);
    const qint64 high = qint64(model.MaxFreq() * 160);
    return double(random.bounded(low, high + 1)) / 160.0;
}

QString RandomTone(QRandomGenerator& random) {
    switch (random.bounded(4)) {
        case 0:
            return {};
        case 1:  // any CTCSS text with one decimal, listed or not
            return QString::number(random.bounded(300, 2901) / 10.0, 'f', 1);
        case 2:  // any DCS code, listed or not
            return QStringLiteral("D%1%2%3%4")
                .arg(random.bounded(8))
                .arg(random.bounded(8))
                .arg(random.bounded(8))
                .arg(random.bounded(2) ? QLatin1Char('N') : QLatin1Char('I'));
        default:
            return DropDownToneList().at(random.bounded(1, DropDownToneList().size()));
    }
}

QByteArray RandomLine(QRandomGenerator& random) {
    QByteArray line;
    const int length = random.bounded(TEnMsg::kLineLength + 1);
    for (int i = 0; i < length; ++i) {
        line += char(random.bounded(0xFF));  // 0x00 to 0xFE: 0xFF is the erased byte
    }
    return line;
}

}  // namespace

Codeplug RandomCodeplug(QRandomGenerator& random, int modelPosition) {
    const TMacType& model = *App().MacList.ModelAt(modelPosition);
    Codeplug codeplug;
    codeplug.model = &model;
    codeplug.modelCode = model.Code();
    codeplug.bandText = model.Bands().at(random.bounded(model.Bands().size()));
    for (int i = 0; i < model.ChannelCount(); ++i) {
        if (random.bounded(3) == 0) {
            codeplug.channels.emplace_back();
            continue;
        }
        ChannelValues values;
        values.RxMHz = RandomFrequency(random, model);
        values.TxMHz =
            random.bounded(4) == 0 ? ChannelValues::kNoTransmit : RandomFrequency(random, model);
        values.DecodeTone = RandomTone(random);
        values.EncodeTone = RandomTone(random);
        for (int* flag : {&values.Power, &values.Bandwidth, &values.ScanAdd, &values.BeatShift,
                          &values.BusyLock}) {
            *flag = random.bounded(2);
        }
        codeplug.channels.push_back(values);
    }
    for (const auto& field : kFunFields) {
        codeplug.fun.*field.member = random.bounded(field.maxStored + 1);
    }
    codeplug.message.LineA = RandomLine(random);
    codeplug.message.LineB = RandomLine(random);
    return codeplug;
}
