#include <QtTest>

#include "Fixtures.h"
#include "core/ConversionError.h"
#include "core/ValueFormat.h"

class TestValueFormat : public QObject {
    Q_OBJECT

  private slots:
    void snapFrequency_data() {
        QTest::addColumn<double>("typed");
        QTest::addColumn<QString>("snapped");
        QTest::newRow("6.25 kHz step kept") << 460.0125 << "460.01250";
        QTest::newRow("whole kHz snaps to 5 kHz") << 460.003 << "460.00000";
        QTest::newRow("10 Hz units snap to 6.25 kHz") << 460.0063 << "460.00625";
        QTest::newRow("5 kHz step kept") << 460.025 << "460.02500";
        QTest::newRow("136.00625 kept") << 136.00625 << "136.00625";
        QTest::newRow("136.0062 down to 136") << 136.0062 << "136.00000";
        QTest::newRow("150 kept") << 150.0 << "150.00000";
        QTest::newRow("never rounds up") << 460.0249 << "460.01875";
    }
    void snapFrequency() {
        QFETCH(double, typed);
        QFETCH(QString, snapped);
        QCOMPARE(FormatFrequency(SnapFrequency(typed)), snapped);
    }

    void frequencyField_data() {
        QTest::addColumn<double>("mhz");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("460.05") << 460.05 << Hex("00 50 00 46");
        QTest::newRow("67") << 67.0 << Hex("00 00 70 06");
        QTest::newRow("136.025") << 136.025 << Hex("00 25 60 13");
        QTest::newRow("460.0125") << 460.0125 << Hex("50 12 00 46");
    }
    void frequencyField() {
        QFETCH(double, mhz);
        QFETCH(QByteArray, field);
        const FreqField encoded = EncodeFreq(mhz);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(encoded.data()), 4), field);
        QCOMPARE(DecodeFreq(encoded), std::optional<double>(mhz));
    }

    void frequencyFieldWithoutFrequency() {
        QCOMPARE(DecodeFreq({0xFF, 0xFF, 0xFF, 0xFF}), std::nullopt);
        QCOMPARE(DecodeFreq({0x00, 0x5A, 0x00, 0x46}), std::nullopt);
    }

    void toneField_data() {
        QTest::addColumn<QString>("tone");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("none") << "" << Hex("FF FF");
        QTest::newRow("D023N") << "D023N" << Hex("23 80");
        QTest::newRow("D754I") << "D754I" << Hex("54 C7");
        QTest::newRow("D023I") << "D023I" << Hex("23 C0");
        QTest::newRow("67.0") << "67.0" << Hex("70 06");
        QTest::newRow("250.3") << "250.3" << Hex("03 25");
        QTest::newRow("100.0") << "100.0" << Hex("00 10");
    }
    void toneField() {
        QFETCH(QString, tone);
        QFETCH(QByteArray, field);
        const ToneField encoded = EncodeTone(tone);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(encoded.data()), 2), field);
        QCOMPARE(DecodeTone(encoded), tone);
    }

    void toneFieldThatIsNoTone() {
        // Neither erased, DCS, nor decimal digits: shown as no tone.
        QCOMPARE(DecodeTone({0x0A, 0x1B}), QString());
    }

    void encodeToneRejectsOtherTexts() {
        for (const char* text : {"abc", "D12", "-5", "1000"}) {
            QVERIFY_THROWS_EXCEPTION(ConversionError, EncodeTone(QString::fromLatin1(text)));
        }
    }

    void encodeTexts() {
        QCOMPARE(EncodeToneText(QStringLiteral("67.0Hz")), EncodeTone(QStringLiteral("67.0")));
        QCOMPARE(EncodeToneText(QStringLiteral("Hz")), (ToneField{0xFF, 0xFF}));
        QCOMPARE(EncodeFreqText(QStringLiteral("460.05000MHz")), EncodeFreq(460.05));
        QVERIFY_THROWS_EXCEPTION(ConversionError, EncodeFreqText(QStringLiteral("460.05")));
    }

    void checkToneText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("checked");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("whole hertz") << "67"
                                     << "67.0";
        QTest::newRow("below 30") << "12"
                                  << "30.0";
        QTest::newRow("above 290") << "300"
                                   << "290.0";
        QTest::newRow("two points") << "1.2.3"
                                    << "290.0";
        QTest::newRow("unlisted CTCSS") << "123.4"
                                        << "123.4";
        QTest::newRow("DCS kept") << "D023N"
                                  << "D023N";
        QTest::newRow("lower-case polarity") << "D023n"
                                             << "D023N";
        QTest::newRow("lower-case inverted") << "D023i"
                                             << "D023I";
        QTest::newRow("8 is not octal") << "D089N"
                                        << "D777N";
        QTest::newRow("lower-case d") << "d023N"
                                      << "D777N";
        QTest::newRow("four characters") << "D23N"
                                         << "D777N";
        QTest::newRow("other polarity") << "D023X"
                                        << "D777N";
        QTest::newRow("word") << "none"
                              << "D777N";
    }
    void checkToneText() {
        QFETCH(QString, typed);
        QFETCH(QString, checked);
        QCOMPARE(CheckToneText(typed), checked);
    }

    void parseBandText() {
        const BandEdges edges = ParseBandText(QStringLiteral(" 27 -  72MHz"));
        QCOMPARE(edges.low, 27.0);
        QCOMPARE(edges.high, 72.0);
        QVERIFY_THROWS_EXCEPTION(ConversionError, ParseBandText(QStringLiteral("450 470MHz")));
        QVERIFY_THROWS_EXCEPTION(ConversionError, ParseBandText(QStringLiteral("450 - 470")));
    }

    void smallHelpers() {
        QCOMPARE(BinaryTextToInt(QStringLiteral("1101")), QStringLiteral("13"));
        QCOMPARE(ReverseText(QStringLiteral("abc")), QStringLiteral("cba"));
        QCOMPARE(HexByte(QStringLiteral("F4")), uint8_t(0xF4));
        QCOMPARE(PackBytes(1, 2, 3, 4), 0x04030201u);
        QCOMPARE(BytesToText(QByteArray("\x41\xE9", 2), 2), QString::fromLatin1("A\xE9"));
    }

    void messageBoxKinds() {
        AppFixture app;
        QCOMPARE(ShowMessageBox(QStringLiteral("c"), QStringLiteral("t"), 3), 1);
        QVERIFY(app.Boxes().isEmpty());
        app.Answer({kAnswerRetry});
        QCOMPARE(ShowMessageBox(QStringLiteral("c"), QStringLiteral("t"), kRetryCancel),
                 int(kAnswerRetry));
        QCOMPARE(app.Boxes().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestValueFormat)
#include "tst_valueformat.moc"
