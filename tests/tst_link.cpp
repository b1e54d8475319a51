#include <QSignalSpy>
#include <QtTest>

#include "Fixtures.h"
#include "core/Globals.h"
#include "image/DataImage.h"
#include "link/MemoryMap.h"
#include "link/ReadTransfer.h"
#include "link/WriteTransfer.h"
#include "sim/SimBytePort.h"

namespace {

constexpr int kAttemptTimeoutMs = 15000;

QByteArray FileOf(const Codeplug& codeplug) {
    return EncodeDataFile(codeplug, App().FrqList, QDateTime(QDate(2026, 1, 2), QTime(3, 4)));
}

// A radio on a simulated port, with the transfer of one window.
template <typename Transfer>
struct Bench {
    RadioSim radio;
    SimBytePort port{radio};
    Transfer transfer{port};
    QList<QByteArray> frames;

    Bench(const QString& code, const QByteArray& image) : radio(code, image) {
        QObject::connect(&radio, &RadioSim::FrameReceived,
                         [this](const QByteArray& frame) { frames << frame; });
    }

    // Shows the window, presses OK and waits until the attempt comes to its end.
    bool Run() {
        transfer.Show();
        QTest::qWait(80);
        return Ok();
    }
    bool Ok() {
        QSignalSpy ended(&transfer, &RadioTransfer::AttemptEnded);
        transfer.Ok();
        if (!ended.wait(kAttemptTimeoutMs)) {
            return false;
        }
        return ended.takeFirst().at(0).toBool();
    }
    QList<int> Addresses(char command) const {
        QList<int> addresses;
        for (const QByteArray& frame : frames) {
            if (frame.size() >= 4 && frame[0] == command) {
                addresses << (uint8_t(frame[1]) << 8 | uint8_t(frame[2]));
            }
        }
        return addresses;
    }
};

QList<int> ExpectedBlockAddresses() {
    QList<int> records{0};
    for (int n = 1; n <= 16; ++n)
        records << 16 * n;
    for (int k = 56; k <= 61; ++k)
        records << 16 * k;
    records << 0x2B0;
    QList<int> blocks;
    for (int record : records)
        blocks << record << record + 8;
    return blocks;
}

}  // namespace

Q_DECLARE_METATYPE(SimFaults)

class TestLink : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app_;
    Codeplug radioCodeplug_;

    QByteArray RadioImage(const Codeplug& codeplug) {
        return RadioImageFromDataFile(FileOf(codeplug), *codeplug.model);
    }

  private slots:
    void init() {
        app_ = std::make_unique<AppFixture>();
        App().all.ComPort = QStringLiteral("/dev/simulated");
        QRandomGenerator random(16);
        radioCodeplug_ = RandomCodeplug(random, 1);  // an XKM-V800 radio
        radioCodeplug_.channels[3].reset();          // an empty row
        radioCodeplug_.message.LineA = "ABCDEFGHIJKLMNOPQRST";
        radioCodeplug_.fun.Squelch = 12;  // out of range in the radio
    }
    void cleanup() { app_.reset(); }

    void readTakesOverOnlyAfterTheLastRecord_data() {
        QTest::addColumn<QList<int>>("fragments");
        QTest::addColumn<int>("strayBytes");
        QTest::newRow("whole replies") << QList<int>() << 0;
        QTest::newRow("fragments of 5, 4 and 3") << QList<int>{5, 4, 3} << 0;
        QTest::newRow("byte by byte") << QList<int>{1} << 0;
        QTest::newRow("a stray byte before the greeting reply") << QList<int>() << 1;
        QTest::newRow("two stray bytes, arriving apart") << QList<int>{1} << 2;
    }
    void readTakesOverOnlyAfterTheLastRecord() {
        QFETCH(QList<int>, fragments);
        QFETCH(int, strayBytes);
        Bench<ReadTransfer> bench(QStringLiteral("7462"), RadioImage(radioCodeplug_));
        bench.port.SetFragments(fragments);
        bench.radio.SetFaults({.strayBytesBeforeGreeting = strayBytes});
        QSignalSpy progress(&bench.transfer, &RadioTransfer::ProgressChanged);
        QVERIFY(bench.Run());

        QCOMPARE(app_->Texts(), QStringList{QStringLiteral("读取完成！")});
        QCOMPARE(bench.Addresses('R'), ExpectedBlockAddresses());
        QCOMPARE(bench.transfer.ProgressMaximum(), 24);
        QCOMPARE(progress.last().at(0).toInt(), 24);
        QVERIFY(bench.transfer.ReadComplete());
        QCOMPARE(App().all.ModelName, QStringLiteral("XKM-V800"));
        QCOMPARE(App().all.BandText, radioCodeplug_.bandText);
        QCOMPARE(App().EnMsg, radioCodeplug_.message);
        TFun validated = radioCodeplug_.fun;
        validated.ValidateRanges();
        QCOMPARE(App().Fun, validated);
        QCOMPARE(App().Fun.Squelch, 5);
        QVERIFY(App().all.Modified);
        QVERIFY(!App().StagingTable.HoldsChannel(RowOfChannel(4)));
        QVERIFY(!App().ChannelTable.HoldsChannel(RowOfChannel(1)));  // until the take-over

        App().CurrentFile = QStringLiteral("old.dat");
        TakeOverReadData();
        QVERIFY(App().CurrentFile.isEmpty());
        for (int channel = 1; channel <= 16; ++channel) {
            QCOMPARE(App().ChannelTable.ReadChannelRow(RowOfChannel(channel)),
                     radioCodeplug_.channels[channel - 1]);
        }
        QSignalSpy close(&bench.transfer, &RadioTransfer::CloseRequested);
        QVERIFY(close.wait(1000));
    }

    void failedReadChangesNothing_data() {
        QTest::addColumn<SimFaults>("faults");
        QTest::newRow("silent in the middle") << SimFaults{.silentAfterFrames = 20};
        QTest::newRow("silent after an acknowledgement") << SimFaults{.silentAfterFrames = 4};
        QTest::newRow("wrong greeting reply") << SimFaults{.wrongGreetingReply = true};
        QTest::newRow("identification cut short") << SimFaults{.cutReplyShort = true};
    }
    void failedReadChangesNothing() {
        QFETCH(SimFaults, faults);
        Bench<ReadTransfer> bench(QStringLiteral("7462"), RadioImage(radioCodeplug_));
        bench.radio.SetFaults(faults);
        App().EnMsg.LineB = "KEEP";
        App().ChannelTable.ResetTable();
        App().StagingTable.ResetTable();
        app_->Answer({kAnswerCancel});
        QVERIFY(!bench.Run());
        QCOMPARE(app_->Texts(), QStringList{QStringLiteral("检查所有连接及通信端口设置！")});
        QCOMPARE(app_->Boxes().front().kind, int(kRetryCancel));
        QVERIFY(bench.transfer.OkEnabled());
        QVERIFY(!bench.transfer.ReadComplete());
        QCOMPARE(App().all.ModelName, QStringLiteral("XKM-U800"));
        QCOMPARE(App().all.BandText, QStringLiteral("450 - 470MHz"));
        QCOMPARE(App().EnMsg.LineB, QByteArray("KEEP"));
        QCOMPARE(App().Fun, TFun());
        QVERIFY(!App().StagingTable.HoldsChannel(RowOfChannel(1)));
        QVERIFY(!App().all.Modified);

        // A late reply must not wake the abandoned attempt; Retry then reads the radio.
        app_->ClearBoxes();
        app_->Answer({});
        QVERIFY(bench.Ok());
        QCOMPARE(app_->Texts(), QStringList{QStringLiteral("读取完成！")});
        QCOMPARE(App().EnMsg, radioCodeplug_.message);
    }

    void retryAnswerStartsAgain() {
        Bench<ReadTransfer> bench(QStringLiteral("7462"), RadioImage(radioCodeplug_));
        bench.radio.SetFaults({.silentAfterFrames = 9});
        app_->Answer({kAnswerRetry});
        QVERIFY(bench.Run());
        QCOMPARE(app_->Texts(), QStringList({"检查所有连接及通信端口设置！", "读取完成！"}));
    }

    void lineErrors() {
        Bench<ReadTransfer> bench(QStringLiteral("7462"), RadioImage(radioCodeplug_));
        bench.radio.SetFaults({.lineBreakAfterFrames = 12});
        QVERIFY(bench.Run());  // the first line error of the window is retried without a word
        QCOMPARE(app_->Texts(), QStringList{QStringLiteral("读取完成！")});

        app_->ClearBoxes();
        bench.radio.SetFaults({.lineBreakAfterFrames = bench.radio.FramesReceived() + 12});
        QTest::qWait(RadioSim::kIdleResetMs + 50);
        QVERIFY(!bench.Ok());
        QCOMPARE(app_->Texts(), QStringList{QStringLiteral("检查所有连接及通信端口设置！")});
        QCOMPARE(app_->Boxes().front().kind, int(kNotice));
    }

    void unregisteredRadioIsNotRead() {
        Bench<ReadTransfer> bench(QStringLiteral("9999"), RadioImage(radioCodeplug_));
        QVERIFY(!bench.Run());
        QCOMPARE(app_->Texts(), QStringList{QStringLiteral("机型错误，是否强写？")});
        QCOMPARE(bench.frames.size(), 2);  // greeting and identification
        QVERIFY(!bench.transfer.OkEnabled());
    }

    void portThatCannotOpen() {
        Bench<ReadTransfer> bench(QStringLiteral("7462"), RadioImage(radioCodeplug_));
        bench.port.FailNextOpen(BytePort::OpenError::InUse);
        QSignalSpy close(&bench.transfer, &RadioTransfer::CloseRequested);
        bench.transfer.Show();
        QVERIFY(close.wait(1000));
        QCOMPARE(app_->Texts(), QStringList{QStringLiteral("无法打开端口！")});
        QCOMPARE(bench.port.OpenedName(), QStringLiteral("/dev/simulated"));
    }

    void writeFillsTheRadioRecordForRecord() {
        ApplyCodeplug(radioCodeplug_, App().ChannelTable);
        QRandomGenerator random(17);
        Bench<WriteTransfer> bench(QStringLiteral("7462"), RadioImage(RandomCodeplug(random, 1)));
        QSignalSpy progress(&bench.transfer, &RadioTransfer::ProgressChanged);
        QVERIFY(bench.Run());
        QCOMPARE(app_->Texts(), QStringList{QStringLiteral("写入完成！")});
        QCOMPARE(bench.Addresses('W') + bench.Addresses('Y'), ExpectedBlockAddresses());
        QCOMPARE(bench.Addresses('Y'), QList<int>({0x2B0, 0x2B8}));
        const QByteArray file = FileOf(radioCodeplug_);
        const QByteArray radioFile =
            DataFileFromRadioImage(bench.radio.Image(), *radioCodeplug_.model, App().FrqList,
                                   QDateTime(QDate(2026, 1, 2), QTime(3, 4)));
        QCOMPARE(HexOf(radioFile), HexOf(file));
        QCOMPARE(bench.radio.Image().left(16), QByteArray(16, char(0xFF)));
        QCOMPARE(progress.last().at(0).toInt(), 0);  // back to the start after the notice
        QCOMPARE(bench.transfer.ProgressMaximum(), 24);
        QVERIFY(bench.transfer.OkEnabled());
        QCOMPARE(App().all.ChannelMap, BuildChannelMaps(radioCodeplug_).channelMap);

        // The next radio at once, and any byte after a block write counts.
        bench.radio.SetFaults({.writeReply = 0x15});
        app_->ClearBoxes();
        QVERIFY(bench.Ok());
        QCOMPARE(app_->Texts(), QStringList{QStringLiteral("写入完成！")});
    }

    void writeToAnotherModel_data() {
        QTest::addColumn<QString>("radioCode");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("written");
        QTest::newRow("other model, Yes") << "7461" << int(kAnswerYes) << true;
        QTest::newRow("other model, No") << "7461" << int(kAnswerNo) << false;
        QTest::newRow("unregistered, Yes") << "ABCD" << int(kAnswerYes) << true;
    }
    void writeToAnotherModel() {
        QFETCH(QString, radioCode);
        QFETCH(int, answer);
        QFETCH(bool, written);
        ApplyCodeplug(radioCodeplug_, App().ChannelTable);
        Bench<WriteTransfer> bench(radioCode, QByteArray(kRadioMemorySize, char(0xFF)));
        app_->Answer({answer});
        QCOMPARE(bench.Run(), written);
        QCOMPARE(app_->Boxes().front().text, QStringLiteral("是否强制改写？"));
        QCOMPARE(app_->Boxes().front().kind, int(kYesNo));
        const QByteArray bandRecord = bench.radio.Image().mid(0x3D0, 16);
        QCOMPARE(bandRecord.mid(3, 5), written ? QByteArray("2647P") : QByteArray(5, char(0xFF)));
        QCOMPARE(bench.transfer.OkEnabled(), written);
    }

    void modelComparison() {
        AppFixture app;
        auto big = std::make_unique<TMacType>("7470", "XKM-X32", 32);
        App().MacList.Add(std::move(big));
        const TMacType& u800 = *App().MacList.ModelAt(0);
        QCOMPARE(CompareModels("7461", u800), ModelComparison::SameModel);
        QCOMPARE(CompareModels("7462", u800), ModelComparison::Ask);
        QCOMPARE(CompareModels("9999", u800), ModelComparison::Ask);
        QCOMPARE(CompareModels("7470", u800), ModelComparison::Refused);
    }

    void writeTimeOutAsksRetry() {
        ApplyCodeplug(radioCodeplug_, App().ChannelTable);
        Bench<WriteTransfer> bench(QStringLiteral("7462"),
                                   QByteArray(kRadioMemorySize, char(0xFF)));
        bench.radio.SetFaults({.silentAfterFrames = 30});
        app_->Answer({kAnswerRetry});
        QVERIFY(bench.Run());
        QCOMPARE(app_->Texts(), QStringList({"检查所有连接及通信端口设置！", "写入完成！"}));
        QCOMPARE(bench.radio.Image().mid(0x380, 16),
                 RecordBytes(TBWriteRead::EncodeMessage("ABCDEFGHIJKLMNOP")));
        QCOMPARE(HexOf(bench.radio.Image().mid(0x390, 16)),
                 QStringLiteral("51 52 53 54 FF FF FF FF FF FF FF FF FF FF FF FF"));
    }

    void unencodableRowStopsTheWriteBeforeTheRadio() {
        ApplyCodeplug(radioCodeplug_, App().ChannelTable);
        // No editor lets such a text in; a damaged table must still not reach the radio.
        App().ChannelTable.FillChannelRow(RowOfChannel(2),
                                          {460.0, 460.0, "bad", "", 1, 0, 1, 1, 1});
        Bench<WriteTransfer> bench(QStringLiteral("7462"),
                                   QByteArray(kRadioMemorySize, char(0xFF)));
        QVERIFY(!bench.Run());
        QVERIFY(bench.frames.isEmpty());
        QVERIFY(app_->Texts().front().contains("Channel 2"));
        QVERIFY(bench.transfer.OkEnabled());
    }
};

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
