#include <QtTest>

#include "Fixtures.h"
#include "core/Globals.h"

namespace {

TChannelTable& Table() {
    return App().ChannelTable;
}

QStringList RowTexts(int row) {
    QStringList texts;
    for (int column = kColRx; column < kChannelColumns; ++column) {
        texts.append(Table().Text(column, row));
    }
    return texts;
}

}  // namespace

class TestChannelTable : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app_;

  private slots:
    void init() {
        app_ = std::make_unique<AppFixture>();  // XKM-U800, 450 - 470MHz
        Table().ResetTable();
    }
    void cleanup() { app_.reset(); }

    void emptyTable() {
        QCOMPARE(Table().RowCount(), 18);
        QCOMPARE(Table().Text(kColRx, kTitleRow), QStringLiteral("接收频率"));
        QCOMPARE(Table().Text(kColNumber, RowOfChannel(16)), QStringLiteral("16"));
        QCOMPARE(Table().ColumnWidth(kColRx), 90);
        QCOMPARE(Table().ColumnAlignment(kColRx), 3);
        for (int column = kColNumber; column < kChannelColumns; ++column) {
            QCOMPARE(Table().IsReadOnly(column, RowOfChannel(1)), column != kColRx);
        }
    }

    void typedReceiveFrequency_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QStringList>("notices");
        const QString errRange = QStringLiteral("频率出错！");
        const QString outRange = QStringLiteral("频率超出范围！");
        QTest::newRow("in band") << "460.0125"
                                 << "460.01250" << QStringList();
        QTest::newRow("above the model") << "700"
                                         << "470.00000" << QStringList{errRange};
        QTest::newRow("below the model") << "100"
                                         << "450.00000" << QStringList{errRange};
        QTest::newRow("outside the band") << "480"
                                          << "480.00000" << QStringList{outRange};
        QTest::newRow("band edge is inside") << "470"
                                             << "470.00000" << QStringList();
        QTest::newRow("model edge is inside") << "650"
                                              << "650.00000" << QStringList{outRange};
        QTest::newRow("5 kHz raster") << "460.003"
                                      << "460.00000" << QStringList();
        QTest::newRow("6.25 kHz raster") << "460.0063"
                                         << "460.00625" << QStringList();
        QTest::newRow("surrounding blanks") << " 460.025 "
                                            << "460.02500" << QStringList();
    }
    void typedReceiveFrequency() {
        QFETCH(QString, typed);
        QFETCH(QString, cell);
        QFETCH(QStringList, notices);
        const int row = RowOfChannel(1);
        App().all.Modified = false;
        QVERIFY(Table().SetFrequencyCell(kColRx, row, typed));
        QCOMPARE(app_->Texts(), notices);
        for (const auto& box : app_->Boxes()) {
            QCOMPARE(box.caption, QStringLiteral("注意"));
        }
        QCOMPARE(RowTexts(row),
                 QStringList({cell, cell, "无", "无", "高", "宽带", "无", "无", "无"}));
        QVERIFY(!Table().IsReadOnly(kColTx, row));
        QVERIFY(App().all.Modified);
        const ChannelValues values = *Table().ReadChannelRow(row);
        QCOMPARE(values, (ChannelValues{cell.toDouble(), cell.toDouble(), {}, {}, 1, 0, 1, 1, 1}));
    }

    void textThatIsNoNumberLeavesTheCell() {
        const int row = RowOfChannel(2);
        Table().SetFrequencyCell(kColRx, row, QStringLiteral("460.0125"));
        for (const char* typed : {"1.2.3", ".", "abc"}) {
            app_->ClearBoxes();
            QVERIFY(!Table().SetFrequencyCell(kColTx, row, QString::fromLatin1(typed)));
            QCOMPARE(app_->Boxes().size(), 1);
            QCOMPARE(Table().Text(kColTx, row), QStringLiteral("460.01250"));
        }
        QVERIFY(!Table().SetFrequencyCell(kColRx, RowOfChannel(3), QStringLiteral("1.2.3")));
        QVERIFY(!Table().HoldsChannel(RowOfChannel(3)));
    }

    void changingAChannelKeepsItsChoices() {
        const int row = RowOfChannel(1);
        Table().SetFrequencyCell(kColRx, row, QStringLiteral("460.0125"));
        Table().SetTone(kColDecode, row, QStringLiteral("67.0"));
        Table().SetChoice(kColPower, row, 0);
        Table().SetFrequencyCell(kColRx, row, QStringLiteral("461"));
        QCOMPARE(RowTexts(row), QStringList({"461.00000", "460.01250", "67.0", "无", "低", "宽带",
                                             "无", "无", "无"}));
    }

    void tonesAreChecked_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cell");
        QTest::newRow("inverted, lower case") << "D023i"
                                              << "D023I";
        QTest::newRow("not octal") << "D089N"
                                   << "D777N";
        QTest::newRow("lower-case d") << "d023N"
                                      << "D777N";
        QTest::newRow("unlisted CTCSS") << "254.1"
                                        << "254.1";
        QTest::newRow("whole hertz") << "67"
                                     << "67.0";
        QTest::newRow("empty") << ""
                               << "无";
        QTest::newRow("none word") << "无"
                                   << "无";
    }
    void tonesAreChecked() {
        QFETCH(QString, typed);
        QFETCH(QString, cell);
        const int row = RowOfChannel(6);
        Table().SetFrequencyCell(kColRx, row, QStringLiteral("460"));
        Table().SetTone(kColEncode, row, typed);
        QCOMPARE(Table().Text(kColEncode, row), cell);
    }

    void emptyingCells() {
        const int row = RowOfChannel(4);
        Table().SetFrequencyCell(kColRx, row, QStringLiteral("460.0125"));
        Table().SetFrequencyCell(kColTx, row, QStringLiteral(""));
        QCOMPARE(Table().Text(kColTx, row), QString());
        QCOMPARE(Table().Text(kColPower, row), QStringLiteral("高"));
        QCOMPARE(Table().ReadChannelRow(row)->TxMHz, ChannelValues::kNoTransmit);

        Table().SetFrequencyCell(kColRx, row, QStringLiteral("  "));
        QCOMPARE(RowTexts(row), QStringList(9, QString()));
        QVERIFY(!Table().HoldsChannel(row));
        QVERIFY(Table().IsReadOnly(kColTx, row));
        QCOMPARE(Table().ReadChannelRow(row), std::nullopt);
    }

    void fillAndReadBack() {
        const ChannelValues values{462.55, ChannelValues::kNoTransmit, "D754I", "", 0, 1, 0, 0, 1};
        Table().FillChannelRow(RowOfChannel(16), values);
        QCOMPARE(RowTexts(RowOfChannel(16)),
                 QStringList({"462.55000", "", "D754I", "无", "低", "窄带", "有", "有", "无"}));
        QCOMPARE(*Table().ReadChannelRow(RowOfChannel(16)), values);
    }

    void languageSwitchRerendersFromBackTexts() {
        const int row = RowOfChannel(1);
        Table().FillChannelRow(row, {460.0125, 460.0125, "", "67.0", 0, 1, 0, 1, 0});
        ChoiceTexts english;
        english.noneWord = QStringLiteral("None");
        english.power = {"Low", "High"};
        english.bandwidth = {"Wide", "Narrow"};
        english.yesNo = {"Yes", "No"};
        Table().SetChoices(english);
        QCOMPARE(RowTexts(row), QStringList({"460.01250", "460.01250", "None", "67.0", "Low",
                                             "Narrow", "Yes", "No", "Yes"}));
        QCOMPARE(Table().ReadChannelRow(row)->DecodeTone, QString());
        Table().SetFrequencyCell(kColRx, RowOfChannel(2), QStringLiteral("460"));
        QCOMPARE(Table().Text(kColEncode, RowOfChannel(2)), QStringLiteral("None"));
    }

    void resetKeepsRowsOrRebuilds() {
        Table().SetFrequencyCell(kColRx, RowOfChannel(1), QStringLiteral("460"));
        Table().ResetTable();
        QCOMPARE(RowTexts(RowOfChannel(1)), QStringList(9, QString()));
        QVERIFY(Table().IsReadOnly(kColTx, RowOfChannel(1)));
        App().all.ChannelCount = 20;
        Table().ResetTable();
        QCOMPARE(Table().ChannelCount(), 20);
        QCOMPARE(Table().Text(kColNumber, RowOfChannel(20)), QStringLiteral("20"));
    }
};

QTEST_GUILESS_MAIN(TestChannelTable)
#include "tst_channeltable.moc"
