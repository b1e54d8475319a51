#include <QtTest>

#include "Fixtures.h"
#include "codeplug/ToneTables.h"
#include "core/Globals.h"

// The model and band registry, the settings records and the tone tables.
class TestRegistry : public QObject {
    Q_OBJECT

  private slots:
    void lookups() {
        AppFixture app;
        const TMacList& models = App().MacList;
        QCOMPARE(models.FindByCode(QStringLiteral("7461"))->Name(), QStringLiteral("XKM-U800"));
        QCOMPARE(models.FindByCode(QStringLiteral("7461 ")), nullptr);
        QCOMPARE(models.FindByName(QStringLiteral("xkm-u800")), nullptr);
        QCOMPARE(models.ModelAt(2), nullptr);
        QStringList names{QStringLiteral("stale")};
        models.ListNames(names);
        QCOMPARE(names, QStringList({"XKM-U800", "XKM-V800"}));

        const TFrqList& bands = App().FrqList;
        QCOMPARE(bands.BandIndexOf(QStringLiteral("450 - 470MHz")), uint8_t(244));
        QCOMPARE(bands.BandIndexOf(QStringLiteral("450-470MHz")), uint8_t(253));
        QCOMPARE(bands.BandTextOf(240), QStringLiteral("150 - 174MHz"));
        QCOMPARE(bands.BandTextOf(0), QStringLiteral(" 27 -  72MHz"));
    }

    void everyModelBandIsListed() {
        AppFixture app;
        for (int i = 0; i < App().MacList.Count(); ++i) {
            const TMacType& model = *App().MacList.ModelAt(i);
            QVERIFY(model.Bands().contains(model.DefaultBand()));
            for (const QString& band : model.Bands()) {
                QVERIFY2(App().FrqList.Contains(band), qPrintable(band));
            }
            QCOMPARE(model.FileRecordCount() * 16, 992);
        }
    }

    void setCurrentModel() {
        AppFixture app;
        SetCurrentModel(*App().MacList.FindByName(QStringLiteral("XKM-V800")));
        SetBandText(QStringLiteral("150 - 174MHz"));
        const TALL& all = App().all;
        QCOMPARE(all.ChannelCount, 16);
        QCOMPARE(all.ModelMin, 67.0);
        QCOMPARE(all.ModelMax, 300.0);
        QCOMPARE(all.BandLow, 150.0);
        QCOMPARE(all.BandHigh, 174.0);
        QCOMPARE(all.ModelCode, QStringLiteral("7462"));
    }

    void validateRanges_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("validated");
        QTest::newRow("squelch above") << "Squelch" << 12 << 5;
        QTest::newRow("squelch below") << "Squelch" << -1 << 5;
        QTest::newRow("squelch kept") << "Squelch" << 9 << 9;
        QTest::newRow("side key 5 passes") << "SideKey" << 5 << 5;
        QTest::newRow("side key 6") << "SideKey" << 6 << 0;
        QTest::newRow("time-out 11") << "TxTimeout" << 11 << 6;
        QTest::newRow("vox level 5") << "VoxLevel" << 5 << 4;
        QTest::newRow("switch keeps bit 0") << "RxAlarm" << 3 << 1;
        QTest::newRow("switch 2") << "FmRadio" << 2 << 0;
    }
    void validateRanges() {
        QFETCH(QString, field);
        QFETCH(int, stored);
        QFETCH(int, validated);
        TFun fun;
        const auto entry =
            std::find_if(kFunFields.begin(), kFunFields.end(),
                         [&](const TFunField& f) { return field == QLatin1String(f.name); });
        fun.*entry->member = stored;
        fun.ValidateRanges();
        QCOMPARE(fun.*entry->member, validated);
    }

    void defaults() {
        AppFixture app;
        App().TestFre.RxFreq[6] = QStringLiteral("450.00000");
        App().Fun.Squelch = 9;
        App().EnMsg.LineA = "HELLO";
        ResetSettings();
        QCOMPARE(App().Fun.Squelch, 5);
        QCOMPARE(App().Fun.TxTimeout, 6);
        QCOMPARE(App().Fun.VoxLevel, 4);
        QCOMPARE(App().Fun.SideKey, 1);
        QVERIFY(App().EnMsg.LineA.isEmpty());
        QCOMPARE(App().TestFre.RxFreq[6], QStringLiteral("450.00000"));  // not part of the reset
        QCOMPARE(App().TestFre.TxFreq[0], QStringLiteral("460.10000"));
    }

    void toneTables() {
        const QStringList& list = DropDownToneList();
        QCOMPARE(list.size(), 206);
        QCOMPARE(list[0], QStringLiteral("无"));
        QCOMPARE(list[1], QStringLiteral("67.0"));
        QCOMPARE(list[39], QStringLiteral("250.3"));
        QCOMPARE(list[74], QStringLiteral("D245N"));
        QCOMPARE(list[157], QStringLiteral("D245I"));
        QCOMPARE(list[86], QStringLiteral("D351N"));
        QCOMPARE(list[169], QStringLiteral("D351I"));
        QCOMPARE(list[205], QStringLiteral("D754I"));
        QVERIFY(!list.contains(QStringLiteral("D525N")));
        QVERIFY(!list.contains(QStringLiteral("206.5")));

        const QStringList& picker = PickerCodeTable();
        QCOMPARE(picker.size(), 133);
        QCOMPARE(picker[0], QStringLiteral("01-67.0-XZ"));
        QCOMPARE(picker[9], QStringLiteral("0A-91.5-ZZ"));
        QCOMPARE(picker[41], QStringLiteral("2A-254.1-0Z"));
        QVERIFY(picker[42].isEmpty() && picker[44].isEmpty());
        QCOMPARE(picker[45], QStringLiteral("1-D023"));
        QCOMPARE(picker[45 + 63], QStringLiteral("64-D525"));
        QCOMPARE(picker[129], QStringLiteral("85-D754"));
        QVERIFY(picker[130].isEmpty() && picker[132].isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
