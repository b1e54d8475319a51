#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "Fixtures.h"
#include "core/Globals.h"
#include "image/DataImage.h"
#include "link/MemoryMap.h"
#include "link/PortList.h"
#include "sim/PtyRadio.h"
#include "sim/SimBytePort.h"
#include "ui/ReadRadio.h"
#include "ui/SetPort.h"
#include "ui/WriteRadio.h"

// The radio windows and the port dialog, driven as a person drives them.
class TestLinkDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app_;
    std::unique_ptr<RadioSim> radio_;

    PortFactory SimulatedPort() {
        return [this] { return std::make_unique<SimBytePort>(*radio_); };
    }

  private slots:
    void init() {
        app_ = std::make_unique<AppFixture>();
        QRandomGenerator random(5);
        const Codeplug codeplug = RandomCodeplug(random, 0);
        const QByteArray file =
            EncodeDataFile(codeplug, App().FrqList, QDateTime::currentDateTime());
        radio_ = std::make_unique<RadioSim>("7461", RadioImageFromDataFile(file, *codeplug.model));
    }
    void cleanup() {
        radio_.reset();
        app_.reset();
    }

    void readWindowReadsAndCloses() {
        TfReadRadio window(nullptr, SimulatedPort());
        QCOMPARE(window.objectName(), QStringLiteral("fReadRadio"));
        QCOMPARE(window.windowTitle(), QStringLiteral("从对讲机读取信息"));
        QCOMPARE(window.ProgressBar()->objectName(), QStringLiteral("pBar"));
        QCOMPARE(window.ProgressBar()->width(), 300);
        QVERIFY(window.findChild<QTimer*>("TryTime"));
        QVERIFY(window.findChild<QTimer*>("ReTime"));
        QSignalSpy finished(&window, &QDialog::finished);
        window.show();
        QTest::qWait(100);
        QTest::mouseClick(window.OkButton(), Qt::LeftButton);
        QVERIFY(!window.OkButton()->isEnabled());
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.front().at(0).toInt(), int(QDialog::Accepted));
        QVERIFY(window.ReadComplete());
        QCOMPARE(window.ProgressBar()->maximum(), 24);
        QCOMPARE(window.ProgressBar()->value(), 24);
        QCOMPARE(app_->Texts(), QStringList{QStringLiteral("读取完成！")});
    }

    void cancelWhileTheRadioIsSilent() {
        radio_->SetFaults({.silentAfterFrames = 1});
        TfReadRadio window(nullptr, SimulatedPort());
        window.show();
        QTest::qWait(100);
        QTest::mouseClick(window.OkButton(), Qt::LeftButton);
        QTest::qWait(600);
        window.findChild<QPushButton*>("btnCancel")->click();
        QTest::qWait(1500);  // past the reply timer: nothing may be asked any more
        QVERIFY(app_->Boxes().isEmpty());
        QVERIFY(!window.ReadComplete());
    }

    void writeWindowStaysOpenForTheNextRadio() {
        TfWriteRadio window(nullptr, SimulatedPort());
        QCOMPARE(window.windowTitle(), QStringLiteral("向对讲机写数据"));
        window.show();
        QTest::qWait(100);
        for (int radio = 0; radio < 2; ++radio) {
            QTest::mouseClick(window.OkButton(), Qt::LeftButton);
            QVERIFY(!window.OkButton()->isEnabled());
            QTRY_VERIFY_WITH_TIMEOUT(window.OkButton()->isEnabled(), 10000);
            QCOMPARE(window.ProgressBar()->value(), 0);
        }
        QVERIFY(window.isVisible());
        QCOMPARE(app_->Texts(), QStringList({"写入完成！", "写入完成！"}));
    }

    void portThatCannotOpenClosesTheWindow() {
        App().all.ComPort.clear();
        TfReadRadio window(nullptr);  // a real serial port with no name
        QSignalSpy finished(&window, &QDialog::finished);
        window.show();
        QVERIFY(finished.wait(2000));
        QCOMPARE(app_->Texts(), QStringList{QStringLiteral("无法打开端口！")});
    }

    void portDialogOffersTheSimulatedRadio() {
        RadioSim radio("7461", QByteArray(kRadioMemorySize, char(0xFF)));
        PtyRadio line(radio);
        QString error;
        QVERIFY2(line.Open(&error), qPrintable(error));
        AnnounceSimulatedPort(line.DevicePath());

        App().all.ComPort = QStringLiteral("COM99");  // an adapter that is gone
        {
            TfSetPort dialog(nullptr);
            QComboBox* chooser = dialog.PortChooser();
            QCOMPARE(chooser->objectName(), QStringLiteral("cbCom"));
            QVERIFY(chooser->findText(line.DevicePath()) >= 0);
            QCOMPARE(chooser->currentIndex(), 0);
            dialog.findChild<QPushButton*>("btnCancel")->click();
            QCOMPARE(App().all.ComPort, QStringLiteral("COM99"));
        }
        App().all.ComPort = line.DevicePath();
        {
            TfSetPort dialog(nullptr);
            QCOMPARE(dialog.PortChooser()->currentText(), line.DevicePath());
            dialog.findChild<QPushButton*>("btnOk")->click();
            QCOMPARE(App().all.ComPort, line.DevicePath());
        }
        WithdrawSimulatedPort();
    }
};

QTEST_MAIN(TestLinkDialogs)
#include "tst_linkdialogs.moc"
