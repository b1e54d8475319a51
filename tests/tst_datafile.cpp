#include <QFile>
#include <QtTest>

#include "Fixtures.h"
#include "core/Globals.h"
#include "core/Seams.h"
#include "image/DataFile.h"
#include "image/DataImage.h"

namespace {

TChannelTable& Table() {
    return App().ChannelTable;
}

QByteArray RecordAt(const QByteArray& file, int number) {
    return file.mid(16 * number, 16);
}

// Everything of the codeplug in memory, as the save would write it.
QByteArray Snapshot() {
    return EncodeDataFile(CaptureCodeplug(Table()), App().FrqList, Now());
}

bool SaveTo(const QString& path) {
    App().CurrentFile = path;
    return WriteDataFile();
}

bool OpenFrom(const QString& path) {
    App().CurrentFile = path;
    return ReadDataFile();
}

// The header's date is the moment of saving; everything else must match.
QByteArray WithoutDate(QByteArray file) {
    return file.replace(8, 6, QByteArray(6, 0));
}

}  // namespace

class TestDataFile : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app_;

    QString FilePath(const QString& name) const { return app_->Dir() + name; }

    void FillChannelsOneAndThree() {
        Table().ResetTable();
        Table().SetFrequencyCell(kColRx, RowOfChannel(1), QStringLiteral("460.0125"));
        Table().SetFrequencyCell(kColTx, RowOfChannel(1), QStringLiteral("465.0125"));
        Table().SetTone(kColDecode, RowOfChannel(1), QStringLiteral("67.0"));
        Table().SetTone(kColEncode, RowOfChannel(1), QStringLiteral("D023N"));
        Table().SetChoice(kColScanAdd, RowOfChannel(1), 0);
        Table().SetFrequencyCell(kColRx, RowOfChannel(3), QStringLiteral("462.55"));
    }

  private slots:
    void init() {
        app_ = std::make_unique<AppFixture>();
        Table().ResetTable();
    }
    void cleanup() { app_.reset(); }

    void saveLayout() {
        FillChannelsOneAndThree();
        QVERIFY(SaveTo(FilePath("a.dat")));
        QVERIFY(!App().all.Modified);
        const QByteArray file = ReadBytes(FilePath("a.dat"));
        QCOMPARE(file.size(), 992);
        QCOMPARE(HexOf(RecordAt(file, 0)),
                 QStringLiteral("50 37 34 36 31 45 04 70 D9 07 05 07 0D 2D FF FF"));
        QCOMPARE(HexOf(RecordAt(file, 1)),
                 QStringLiteral("50 12 00 46 50 12 50 46 70 06 23 80 0B FF FF FF"));
        QCOMPARE(HexOf(RecordAt(file, 3)),
                 QStringLiteral("00 50 25 46 00 50 25 46 FF FF FF FF 1B FF FF FF"));
        const QByteArray empty(16, char(0xFF));
        QCOMPARE(RecordAt(file, 2), empty);
        for (int record = 4; record <= 54; ++record) {
            QCOMPARE(RecordAt(file, record), empty);
        }
        QCOMPARE(HexOf(RecordAt(file, 55)),
                 QStringLiteral("01 01 01 00 04 00 01 01 00 01 FF FF FF FF FF FF"));
        QCOMPARE(RecordAt(file, 56), empty);
        QCOMPARE(HexOf(RecordAt(file, 60)),
                 QStringLiteral("03 05 01 06 FF FF FF FF FF FF FF FF FF FF FF FF"));
        QCOMPARE(HexOf(RecordAt(file, 61)),
                 QStringLiteral("00 00 F4 31 36 34 37 50 FF FF FF FF FF FF FF FF"));
        QCOMPARE(App().all.ChannelMap, QStringLiteral("1010000000000000"));
        QCOMPARE(App().all.ScanMap, QStringLiteral("0010000000000000"));
    }

    void openRestoresTheCodeplug() {
        FillChannelsOneAndThree();
        App().EnMsg.LineA = QByteArray(32, 'A');
        App().EnMsg.LineB = "ABCDEFGHIJKLMNOPQRST";
        App().Fun.Squelch = 9;
        QVERIFY(SaveTo(FilePath("a.dat")));
        const QByteArray saved = Snapshot();

        Table().ResetTable();
        ResetSettings();
        SetCurrentModel(*App().MacList.FindByName("XKM-V800"));
        SetBandText("136 - 174MHz");
        App().all.Modified = true;
        QVERIFY(OpenFrom(FilePath("a.dat")));
        QCOMPARE(Snapshot(), saved);
        QCOMPARE(App().all.ModelName, QStringLiteral("XKM-U800"));
        QCOMPARE(App().all.BandText, QStringLiteral("450 - 470MHz"));
        QCOMPARE(App().all.BandHigh, 470.0);
        QVERIFY(!App().all.Modified);
        QVERIFY(app_->Boxes().isEmpty());

        Table().SetFrequencyCell(kColRx, RowOfChannel(1), QStringLiteral("461"));
        QCOMPARE(Table().Text(kColDecode, RowOfChannel(1)), QStringLiteral("67.0"));
        QCOMPARE(Table().Text(kColScanAdd, RowOfChannel(1)), QStringLiteral("有"));
    }

    void openSwitchesToTheFilesModel() {
        SetCurrentModel(*App().MacList.FindByName("XKM-V800"));
        SetBandText("216 - 223MHz");
        Table().ResetTable();
        Table().SetFrequencyCell(kColRx, RowOfChannel(2), QStringLiteral("220"));
        QVERIFY(SaveTo(FilePath("v.dat")));
        SelectDefaultModel();
        QVERIFY(OpenFrom(FilePath("v.dat")));
        QCOMPARE(App().all.ModelName, QStringLiteral("XKM-V800"));
        QCOMPARE(App().all.BandText, QStringLiteral("216 - 223MHz"));
        QCOMPARE(Table().Text(kColRx, RowOfChannel(2)), QStringLiteral("220.00000"));
    }

    void saveOpenSaveIsByteExact() {
        QRandomGenerator random(2009);
        for (int n = 0; n < 60; ++n) {
            const Codeplug codeplug = RandomCodeplug(random, n % 2);
            ApplyCodeplug(codeplug, App().ChannelTable);
            QVERIFY(SaveTo(FilePath("first.dat")));
            const QByteArray first = ReadBytes(FilePath("first.dat"));
            const DecodedDataFile decoded = DecodeDataFile(first, App().MacList, App().FrqList);
            QCOMPARE(decoded.codeplug->channels, codeplug.channels);
            QCOMPARE(decoded.codeplug->message, codeplug.message);
            QCOMPARE(decoded.codeplug->fun, codeplug.fun);

            SetClock([] { return QDateTime(QDate(2026, 12, 11), QTime(9, 30)); });
            QVERIFY(OpenFrom(FilePath("first.dat")));
            QVERIFY(SaveTo(FilePath("second.dat")));
            const QByteArray second = ReadBytes(FilePath("second.dat"));
            QCOMPARE(HexOf(second.mid(8, 6)), QStringLiteral("EA 07 0C 0B 09 1E"));
            QCOMPARE(WithoutDate(second), WithoutDate(first));
            SetClock([] { return QDateTime(QDate(2009, 5, 7), QTime(13, 45)); });
        }
        QVERIFY(app_->Boxes().isEmpty());
    }

    void everyMessageByteSurvives() {
        QByteArray all;
        for (int byte = 0; byte < 0xFF; ++byte) {
            all += char(byte);
        }
        for (int start = 0; start < all.size(); start += 64) {
            App().EnMsg.LineA = all.mid(start, 32);
            App().EnMsg.LineB = all.mid(start + 32, 32);
            const TEnMsg before = App().EnMsg;
            QVERIFY(SaveTo(FilePath("m.dat")));
            ResetSettings();
            QVERIFY(OpenFrom(FilePath("m.dat")));
            QCOMPARE(App().EnMsg, before);
        }
    }

    void badFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        AppFixture fixture;
        Table().ResetTable();
        Table().SetFrequencyCell(kColRx, RowOfChannel(1), QStringLiteral("151"));
        SetCurrentModel(*App().MacList.ModelAt(1));
        SetBandText("150 - 174MHz");
        const QByteArray good = Snapshot();
        const QString modError = QStringLiteral("机型错误，是否强写？");
        for (int length = 0; length < good.size(); ++length) {
            QTest::addRow("truncated to %d", length)
                << good.left(length) << (length < 16 ? modError : QStringLiteral("992"));
        }
        QTest::newRow("one byte too long") << good + 'x' << "992";
        QTest::newRow("map records of a larger model") << good + QByteArray(64, 0) << "992";
        QTest::newRow("foreign") << QByteArray("Hello, this is not a data file.\n").repeated(31)
                                 << modError;
        QByteArray unknownCode = good;
        unknownCode.replace(1, 4, "7463");
        QTest::newRow("unknown model code") << unknownCode << modError;
        QByteArray damagedBand = good;
        damagedBand[6] = char(0x4A);
        QTest::newRow("band digits not decimal") << damagedBand << "'154A74'";
    }
    void badFilesChangeNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        FillChannelsOneAndThree();
        App().EnMsg.LineA = "KEEP ME";
        App().Fun.VoxLevel = 2;
        App().CurrentFile = FilePath("earlier.dat");
        const QByteArray before = Snapshot();
        WriteBytes(FilePath("bad.dat"), bytes);
        App().all.Modified = true;

        QVERIFY(!OpenFrom(FilePath("bad.dat")));
        QCOMPARE(app_->Boxes().size(), 1);
        QVERIFY2(app_->Boxes().front().text.contains(message),
                 qPrintable(app_->Boxes().front().text));
        QCOMPARE(Snapshot(), before);
        QCOMPARE(App().all.ModelName, QStringLiteral("XKM-U800"));
        QVERIFY(App().all.Modified);
        QVERIFY(App().CurrentFile.isEmpty());
    }

    void unknownBandIndexFallsBack() {
        QVERIFY(SaveTo(FilePath("b.dat")));
        QByteArray file = ReadBytes(FilePath("b.dat"));
        file[61 * 16 + 2] = char(0x00);
        WriteBytes(FilePath("b.dat"), file);
        QVERIFY(OpenFrom(FilePath("b.dat")));
        QCOMPARE(App().all.BandText, QStringLiteral(" 27 -  72MHz"));
        QCOMPARE(App().all.BandLow, 27.0);
        QCOMPARE(App().all.BandHigh, 72.0);
    }

    void erasedBandRecordKeepsTheModelCode() {
        QVERIFY(SaveTo(FilePath("c.dat")));
        QByteArray file = ReadBytes(FilePath("c.dat"));
        file.replace(61 * 16, 16, QByteArray(16, char(0xFF)));
        WriteBytes(FilePath("c.dat"), file);
        QVERIFY(OpenFrom(FilePath("c.dat")));
        QCOMPARE(App().all.ModelCode, QStringLiteral("7461"));
        QVERIFY(SaveTo(FilePath("c.dat")));
        QVERIFY(OpenFrom(FilePath("c.dat")));
    }

    void failedSaveKeepsTheEarlierFile_data() {
        QTest::addColumn<bool>("badTone");
        QTest::newRow("folder cannot be written") << false;
        QTest::newRow("a cell the codec cannot take") << true;
    }
    void failedSaveKeepsTheEarlierFile() {
        QFETCH(bool, badTone);
        FillChannelsOneAndThree();
        QVERIFY(SaveTo(FilePath("keep.dat")));
        const QByteArray earlier = ReadBytes(FilePath("keep.dat"));
        Table().SetFrequencyCell(kColRx, RowOfChannel(5), QStringLiteral("463"));
        QString target = FilePath("keep.dat");
        if (badTone) {
            // No editor lets such a text in; a damaged table must still not be saved.
            Table().FillChannelRow(RowOfChannel(5), {463.0, 463.0, "abc", "", 1, 0, 1, 1, 1});
        } else {
            target = FilePath("keep.dat/inside.dat");  // a file is no folder
        }
        App().CurrentFile = target;
        QCOMPARE(SaveCodeplug(), SaveResult::Failed);
        QCOMPARE(app_->Boxes().size(), 1);
        QVERIFY(app_->Boxes().front().text.contains(badTone ? "Channel 5" : "inside.dat"));
        QVERIFY(App().all.Modified);
        QCOMPARE(ReadBytes(FilePath("keep.dat")), earlier);
    }

    void newAsksToSaveThenEmpties() {
        FillChannelsOneAndThree();
        App().Fun.Squelch = 2;
        App().TestFre.RxFreq[6] = QStringLiteral("450.00000");
        App().CurrentFile = FilePath("x.dat");
        app_->Answer({kAnswerNo});
        QVERIFY(NewCodeplug());
        QCOMPARE(app_->Texts(), QStringList{QStringLiteral("是否保存数据？")});
        QVERIFY(!Table().HoldsChannel(RowOfChannel(1)));
        QCOMPARE(App().Fun.Squelch, 5);
        QCOMPARE(App().TestFre.RxFreq[6], QStringLiteral("450.00000"));
        QVERIFY(App().CurrentFile.isEmpty());
        QVERIFY(!App().all.Modified);
        QVERIFY(!QFile::exists(FilePath("x.dat")));
    }

    void flowsStopWhenTheSaveFirstFails() {
        FillChannelsOneAndThree();
        App().CurrentFile = FilePath("missing/folder/x.dat");
        bool asked = false;
        SetFileChooser({[&](const QString&) {
                            asked = true;
                            return FilePath("other.dat");
                        },
                        {}});
        app_->Answer({kAnswerYes});
        QVERIFY(!OpenCodeplug());
        QVERIFY(!asked);
        app_->Answer({kAnswerYes});
        QVERIFY(!NewCodeplug());
        QVERIFY(Table().HoldsChannel(RowOfChannel(1)));
        QVERIFY(App().all.Modified);
    }

    void openAndSaveThroughTheChoosers() {
        FillChannelsOneAndThree();
        QStringList filters;
        SetFileChooser({[&](const QString& filter) {
                            filters << filter;
                            return FilePath("chosen.dat");
                        },
                        [&](const QString& filter, const QString& suffix) {
                            filters << filter + " " + suffix;
                            return FilePath("chosen.dat");
                        }});
        int refreshes = 0;
        App().RefreshStatus = [&] { ++refreshes; };
        app_->Answer({kAnswerYes});
        QVERIFY(OpenCodeplug());  // save question, save dialog, save, then the open dialog
        QCOMPARE(filters, QStringList({"数据文件(*.dat)|*.dat dat", "数据文件(*.dat)|*.dat"}));
        QCOMPARE(App().CurrentFile, FilePath("chosen.dat"));
        QVERIFY(Table().HoldsChannel(RowOfChannel(3)));
        QVERIFY(refreshes >= 2);

        SetFileChooser({});
        QCOMPARE(SaveCodeplugAs(), SaveResult::Cancelled);
        QVERIFY(App().CurrentFile.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
