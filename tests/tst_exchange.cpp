#include <QtTest>

#include "Fixtures.h"
#include "core/Globals.h"
#include "core/Seams.h"
#include "image/DataImage.h"
#include "image/Exchange.h"

namespace {

QByteArray ToFile(const Codeplug& codeplug) {
    return EncodeDataFile(codeplug, App().FrqList, Now());
}

ImportResult Json(const QByteArray& json, const ImportOptions& options = {}) {
    return ImportJson(json, options, App().MacList, App().FrqList);
}

ImportResult Csv(const QByteArray& csv, const ImportOptions& options = {}) {
    return ImportCsv(csv, options, App().MacList, App().FrqList);
}

const QByteArray kCsvHeader =
    "Channel,RxMHz,TxMHz,DecodeTone,EncodeTone,Power,Bandwidth,ScanAdd,BeatShift,BusyLock\r\n";

}  // namespace

class TestExchange : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app_;

  private slots:
    void init() { app_ = std::make_unique<AppFixture>(); }
    void cleanup() { app_.reset(); }

    void exportThenImportGivesTheIdenticalFile() {
        QRandomGenerator random(460);
        for (int n = 0; n < 100; ++n) {
            const Codeplug codeplug = RandomCodeplug(random, n % 2);
            const QByteArray file = ToFile(codeplug);
            const ImportResult json = Json(ExportJson(codeplug));
            QVERIFY2(json.codeplug, qPrintable(json.error));
            QVERIFY2(json.notes.isEmpty(), qPrintable(json.notes.join('\n')));
            QCOMPARE(ToFile(*json.codeplug), file);

            // CSV carries the channels only.
            const ImportResult csv =
                Csv(ExportCsv(codeplug), {codeplug.model->Name(), codeplug.bandText});
            QVERIFY2(csv.codeplug, qPrintable(csv.error));
            QCOMPARE(csv.codeplug->channels, codeplug.channels);
            QCOMPARE(csv.codeplug->fun, TFun());
            QCOMPARE(csv.codeplug->message, TEnMsg());
        }
    }

    void importChecksValuesLikeTheGrid() {
        const ImportResult result = Json(R"({"model": "XKM-U800", "band": "450 - 470MHz",
            "channels": [
              {"channel": 1, "rx": "700", "tx": null, "decode": "12", "encode": "d023n"},
              {"channel": 2, "rx": 460.0063, "tx": "480", "decode": "无", "encode": "D023I"}]})");
        QVERIFY2(result.codeplug, qPrintable(result.error));
        const auto& channels = result.codeplug->channels;
        QCOMPARE(*channels[0], (ChannelValues{470.0, ChannelValues::kNoTransmit, "30.0", "D777N", 1,
                                              0, 1, 1, 1}));
        QCOMPARE(*channels[1], (ChannelValues{460.00625, 480.0, "", "D023I", 1, 0, 1, 1, 1}));
        const QString notes = result.notes.join('\n');
        QCOMPARE(result.notes.size(), 4);
        for (const char* expected :
             {"channel 1: rx 700 lies outside the model's limits, 300 to 650 MHz: set to 470.00000",
              "channel 1: decode tone '12' changed to '30.0'",
              "channel 1: encode tone 'd023n' changed to 'D777N'",
              "channel 2: rx 460.00630 snapped to the channel raster: 460.00625"}) {
            QVERIFY2(notes.contains(QLatin1String(expected)), qPrintable(notes));
        }
    }

    void optionsChooseModelAndBand() {
        const ImportResult result = Json(R"({"channels": [{"channel": 16, "rx": "150.025"}]})",
                                         {"XKM-V800", "136 - 174MHz"});
        QVERIFY(result.codeplug);
        QCOMPARE(result.codeplug->model->Name(), QStringLiteral("XKM-V800"));
        QCOMPARE(result.codeplug->bandText, QStringLiteral("136 - 174MHz"));
        QCOMPARE(result.codeplug->channels[15]->RxMHz, 150.025);
    }

    void badJson_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("error");
        QTest::newRow("syntax") << QByteArray("{\n\"model\": \"XKM-U800\",\n}") << "line 3:";
        QTest::newRow("not an object") << QByteArray("[]") << "one JSON object";
        QTest::newRow("unknown model")
            << QByteArray(R"({"model": "XKM-X1"})") << "'XKM-X1' is not a known model";
        QTest::newRow("unknown band")
            << QByteArray(R"({"band": "1 - 2MHz"})") << "'1 - 2MHz' is not a known band";
        QTest::newRow("channel 17") << QByteArray(R"({"channels": [{"channel": 17, "rx": "460"}]})")
                                    << "channel 17 does not exist";
        QTest::newRow("twice")
            << QByteArray(
                   R"({"channels": [{"channel": 1, "rx": "460"}, {"channel": 1, "rx": "461"}]})")
            << "channel 1 is given twice";
        QTest::newRow("no rx") << QByteArray(R"({"channels": [{"channel": 2}]})")
                               << "channel 2: rx must be a frequency";
        QTest::newRow("rx not a number")
            << QByteArray(R"({"channels": [{"channel": 2, "rx": "4x"}]})")
            << "rx '4x' is not a frequency";
        QTest::newRow("flag 2") << QByteArray(
                                       R"({"channels": [{"channel": 3, "rx": "460", "power": 2}]})")
                                << "channel 3: power must be 0 or 1";
        QTest::newRow("unknown field")
            << QByteArray(R"({"channels": [{"channel": 3, "rx": "460", "colour": 1}]})")
            << "unknown field 'colour'";
        QTest::newRow("function too large") << QByteArray(R"({"functions": {"Squelch": 256}})")
                                            << "Squelch must be a whole number from 0 to 255";
        QTest::newRow("function bit")
            << QByteArray(R"({"functions": {"BattSave": 2}})") << "BattSave";
        QTest::newRow("unknown function")
            << QByteArray(R"({"functions": {"Volume": 1}})") << "unknown field 'Volume'";
        QTest::newRow("message character")
            << QByteArray(R"({"message": ["ok", "\u4e2d"]})")
            << "message line 2: the character U+4e2d cannot be stored";
    }
    void badJson() {
        QFETCH(QByteArray, json);
        QFETCH(QString, error);
        const ImportResult result = Json(json);
        QVERIFY(!result.codeplug);
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
    }

    void messageBytesAndLengths() {
        const ImportResult result =
            Json(R"({"message": ["\u0000\u00e9\u00fe", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"]})");
        QVERIFY(result.codeplug);
        QCOMPARE(result.codeplug->message.LineA, QByteArray("\x00\xE9\xFE", 3));
        QCOMPARE(result.codeplug->message.LineB, QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"));
        QCOMPARE(result.notes.size(), 1);
    }

    void csvAsSpreadsheetsWriteIt() {
        const QByteArray csv = "\xEF\xBB\xBF" + kCsvHeader +
                               "\"1\",\"460.0125\",,\"67.0\",,high,\"Narrow\",Yes,No,\"No\"\r\n"
                               "\r\n"
                               "3,462.55,462.55,D023N,D023I,Low,Wide,No,Yes,Yes\r\n";
        const ImportResult result = Csv(csv);
        QVERIFY2(result.codeplug, qPrintable(result.error));
        QCOMPARE(result.codeplug->model->Name(), QStringLiteral("XKM-U800"));
        QCOMPARE(result.codeplug->bandText, QStringLiteral("450 - 470MHz"));
        QCOMPARE(*result.codeplug->channels[0],
                 (ChannelValues{460.0125, ChannelValues::kNoTransmit, "67.0", "", 1, 1, 0, 1, 1}));
        QCOMPARE(*result.codeplug->channels[2],
                 (ChannelValues{462.55, 462.55, "D023N", "D023I", 0, 0, 1, 0, 0}));
        QVERIFY(!result.codeplug->channels[1]);
    }

    void badCsv_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("error");
        QTest::newRow("no header")
            << QByteArray("1,460,,,,High,Wide,Yes,No,No\n") << "line 1: the header";
        QTest::newRow("short row") << kCsvHeader + "1,460\r\n"
                                   << "line 2: 2 fields";
        QTest::newRow("bad word") << kCsvHeader + "\r\n1,460,,,,Medium,Wide,Yes,No,No\r\n"
                                  << "line 3, channel 1: 'Medium' is not one of Low/High";
        QTest::newRow("bad channel") << kCsvHeader + "one,460,,,,High,Wide,Yes,No,No\r\n"
                                     << "line 2: 'one' is not a channel number";
        QTest::newRow("quoted line end counts")
            << kCsvHeader +
                   "1,460,,\"a\nb\",,High,Wide,Yes,No,No\r\n2,4x,,,,High,Wide,Yes,No,No\r\n"
            << "line 4, channel 2: rx '4x'";
    }
    void badCsv() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, error);
        const ImportResult result = Csv(csv);
        QVERIFY(!result.codeplug);
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
