#include <QtTest>

#include "Fixtures.h"
#include "core/ConversionError.h"
#include "core/Globals.h"
#include "image/WriteRead.h"

class TestCodec : public QObject {
    Q_OBJECT

  private slots:
    void workedExamples_data() {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("expected");
        TFun defaults;
        QTest::newRow("header") << HexOf(TBWriteRead::EncodeHeader("P7461", "450470",
                                                                   "2009-05-07 13:45"))
                                << "50 37 34 36 31 45 04 70 D9 07 05 07 0D 2D FF FF";
        QTest::newRow("channel") << HexOf(TBWriteRead::EncodeChannel(
                                        {460.0125, 465.0125, "67.0", "D023N", 1, 0, 0, 1, 1}))
                                 << "50 12 00 46 50 12 50 46 70 06 23 80 0B FF FF FF";
        QTest::newRow("receive only, no tones")
            << HexOf(TBWriteRead::EncodeChannel(
                   {460.0125, ChannelValues::kNoTransmit, "", "", 0, 0, 0, 0, 0}))
            << "50 12 00 46 FF FF FF FF FF FF FF FF 00 FF FF FF";
        QTest::newRow("function A") << HexOf(TBWriteRead::EncodeFunA(defaults))
                                    << "03 05 01 06 FF FF FF FF FF FF FF FF FF FF FF FF";
        QTest::newRow("function B") << HexOf(TBWriteRead::EncodeFunB(defaults))
                                    << "01 01 01 00 04 00 01 01 00 01 FF FF FF FF FF FF";
        QTest::newRow("message") << HexOf(TBWriteRead::EncodeMessage("HELLO"))
                                 << "48 45 4C 4C 4F FF FF FF FF FF FF FF FF FF FF FF";
        QTest::newRow("message cut at 16")
            << HexOf(TBWriteRead::EncodeMessage("ABCDEFGHIJKLMNOPQRST"))
            << "41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50";
        QTest::newRow("band") << HexOf(TBWriteRead::EncodeBand(244, "7461"))
                              << "00 00 F4 31 36 34 37 50 FF FF FF FF FF FF FF FF";
        QTest::newRow("fallback band") << HexOf(TBWriteRead::EncodeBand(253, "7462"))
                                       << "00 00 FD 32 36 34 37 50 FF FF FF FF FF FF FF FF";
        QTest::newRow("short code padded") << HexOf(TBWriteRead::EncodeBand(244, "74"))
                                           << "00 00 F4 20 20 34 37 50 FF FF FF FF FF FF FF FF";
        QTest::newRow("map") << HexOf(TBWriteRead::EncodeMap("1011000011"))
                             << "0D 03 00 00 00 00 00 00 00 00 00 00 00 00 00 00";
    }
    void workedExamples() {
        QFETCH(QString, record);
        QFETCH(QString, expected);
        QCOMPARE(record, expected);
    }

    void headerDate() {
        const Record header = TBWriteRead::EncodeHeader("P7461", "450470", "2010-12-31 23:59");
        QCOMPARE(HexOf(RecordBytes(header).mid(8, 6)), QStringLiteral("DA 07 0C 1F 17 3B"));
        const HeaderFields fields = TBWriteRead::DecodeHeader(header);
        QCOMPARE(fields.modelText, QStringLiteral("P7461"));
        QCOMPARE(fields.bandDigits, QStringLiteral("450470"));
        QCOMPARE(fields.dateText, QStringLiteral("2010-12-31 23:59"));
    }

    void decodingOddRecords() {
        QCOMPARE(TBWriteRead::DecodeChannel(TBWriteRead::FillEmpty()), std::nullopt);
        Record zeros;
        zeros.fill(0);
        QCOMPARE(*TBWriteRead::DecodeChannel(zeros),
                 (ChannelValues{0.0, 0.0, "0.0", "0.0", 0, 0, 0, 0, 0}));
        Record record = TBWriteRead::EncodeChannel({460.0125, 460.0125, "", "", 1, 1, 1, 1, 1});
        record[1] = 0x1A;  // a hexadecimal letter in the receive field: not a channel
        QCOMPARE(TBWriteRead::DecodeChannel(record), std::nullopt);

        QCOMPARE(TBWriteRead::DecodeMessage(RecordFrom(Hex("41 FF 42"))), QByteArray("AB"));
        const BandFields band = TBWriteRead::DecodeBand(RecordFrom(Hex("00 00 F4 20 31 36 37 50")));
        QCOMPARE(band.bandIndex, uint8_t(244));
        QCOMPARE(band.modelCode, QStringLiteral("761"));
    }

    void unencodableToneIsAConversionError() {
        QVERIFY_THROWS_EXCEPTION(
            ConversionError, TBWriteRead::EncodeChannel({460.0, 460.0, "abc", "", 1, 0, 1, 1, 1}));
    }

    void twentyCharacterLine() {
        const QByteArray line = "ABCDEFGHIJKLMNOPQRST";
        const Record first = TBWriteRead::EncodeMessage(MessagePiece(line, 0));
        const Record second = TBWriteRead::EncodeMessage(MessagePiece(line, 1));
        QCOMPARE(HexOf(second), QStringLiteral("51 52 53 54 FF FF FF FF FF FF FF FF FF FF FF FF"));
        QCOMPARE(TBWriteRead::DecodeMessage(first) + TBWriteRead::DecodeMessage(second), line);
    }

    void roundTripsOverGeneratedCodeplugs() {
        AppFixture app;
        QRandomGenerator random(7463);
        for (int n = 0; n < 300; ++n) {
            const Codeplug codeplug = RandomCodeplug(random, n % 2);
            for (const auto& channel : codeplug.channels) {
                const Record record =
                    channel ? TBWriteRead::EncodeChannel(*channel) : TBWriteRead::FillEmpty();
                QCOMPARE(TBWriteRead::DecodeChannel(record), channel);
            }
            TFun fun;
            TBWriteRead::DecodeFunA(TBWriteRead::EncodeFunA(codeplug.fun), fun);
            TBWriteRead::DecodeFunB(TBWriteRead::EncodeFunB(codeplug.fun), fun);
            QCOMPARE(fun, codeplug.fun);
            const QByteArray& line = codeplug.message.LineA;
            QCOMPARE(
                TBWriteRead::DecodeMessage(TBWriteRead::EncodeMessage(MessagePiece(line, 0))) +
                    TBWriteRead::DecodeMessage(TBWriteRead::EncodeMessage(MessagePiece(line, 1))),
                line);
        }
    }
};

QTEST_GUILESS_MAIN(TestCodec)
#include "tst_codec.moc"
