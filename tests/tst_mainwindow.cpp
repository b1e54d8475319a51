#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include "Fixtures.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Seams.h"
#include "core/SysInfo.h"
#include "image/DataImage.h"
#include "link/MemoryMap.h"
#include "sim/SimBytePort.h"
#include "ui/ChInfo.h"
#include "ui/ChannelGridModel.h"
#include "ui/MainFrm.h"
#include "ui/ReadRadio.h"
#include "ui/Tags.h"
#include "ui/ToneOption.h"
#include "ui/TranslateForm.h"

namespace {

TChannelTable& Table() {
    return App().ChannelTable;
}

// Runs `action` on the next modal dialog of type T as soon as it is shown.
template <typename T>
void OnNextDialog(std::function<void(T*)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(dialog);
        }
    });
    poll->start(20);
}

}  // namespace

// The window program as a person uses it.
class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app_;
    std::unique_ptr<RadioSim> radio_;
    std::unique_ptr<TfMainFrm> window_;

    TfChInfo* Channels() const { return window_->ChannelWindow(); }
    QModelIndex Cell(int column, int row) const {
        return Channels()->Model()->IndexOf(column, row);
    }

    void Open() {
        window_ =
            std::make_unique<TfMainFrm>([this] { return std::make_unique<SimBytePort>(*radio_); });
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void TypeIntoCell(int column, int row, const QString& text) {
        Channels()->SelectCell(column, row);
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(editor));
        QTest::keyClick(editor, Qt::Key_Backspace);  // the cell's text opens selected
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the grid commits an edit on its next turn
    }

  private slots:
    void init() {
        app_ = std::make_unique<AppFixture>();
        QRandomGenerator random(1);
        Codeplug radio = RandomCodeplug(random, 0);
        for (int i = 0; i < 16; ++i) {
            if (i == 0 || i == 1 || i == 4) {
                radio.channels[i] = ChannelValues{460.0 + i, 460.5 + i, "", "D023N", 0, 1, 0, 1, 0};
            } else {
                radio.channels[i].reset();
            }
        }
        const QByteArray file = EncodeDataFile(radio, App().FrqList, Now());
        radio_ = std::make_unique<RadioSim>("7461", RadioImageFromDataFile(file, *radio.model));
        Open();
    }
    void cleanup() {
        window_.reset();
        radio_.reset();
        app_.reset();
    }

    void startsWithAnEmptyTable() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("XKM-7463"));
        QCOMPARE(window_->findChild<QLabel*>("stModel")->text(), QStringLiteral("XKM-U800"));
        QCOMPARE(window_->findChild<QLabel*>("stFreq")->text(), QStringLiteral("450 - 470MHz"));
        QCOMPARE(Channels()->Model()->rowCount(), 17);
        QCOMPARE(Cell(kColRx, kTitleRow).data().toString(), QStringLiteral("接收频率"));
        QCOMPARE(Channels()->width(), 800);
        QVERIFY(!App().all.Modified);
        QVERIFY(window_->StatusText(3).startsWith(QStringLiteral("通信口：")));
        QCOMPARE(Tag(window_->findChild<QToolButton*>("tbRead")),
                 Tag(window_->findChild<QAction*>("R1")));
        QVERIFY(!window_->findChild<QAction*>("T1")->isVisible());
        QVERIFY(!window_->findChild<QMenu*>("nWindow")->menuAction()->isVisible());
    }

    void closeQuestions_data() {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("chooserAnswers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("closed");
        const QString exit = QStringLiteral("确定要退出系统？");
        const QString save = QStringLiteral("是否保存数据？");
        QTest::newRow("No stays open")
            << true << QList<int>{kAnswerNo} << false << QStringList{exit} << false;
        QTest::newRow("Yes, No closes unsaved") << true << QList<int>{kAnswerYes, kAnswerNo}
                                                << false << QStringList{exit, save} << true;
        QTest::newRow("Yes, Yes, dialog cancelled closes unsaved")
            << true << QList<int>{kAnswerYes, kAnswerYes} << false << QStringList{exit, save}
            << true;
        QTest::newRow("Yes, Yes, saved") << true << QList<int>{kAnswerYes, kAnswerYes} << true
                                         << QStringList{exit, save} << true;
        QTest::newRow("unmodified asks once")
            << false << QList<int>{kAnswerYes} << false << QStringList{exit} << true;
    }
    void closeQuestions() {
        QFETCH(bool, modified);
        QFETCH(QList<int>, answers);
        QFETCH(bool, chooserAnswers);
        QFETCH(QStringList, asked);
        QFETCH(bool, closed);
        const QString target = app_->Dir() + "saved.dat";
        SetFileChooser({{}, [&](const QString&, const QString&) {
                            return chooserAnswers ? target : QString();
                        }});
        if (modified) {
            TypeIntoCell(kColRx, RowOfChannel(1), "460.5");
        }
        App().all.ComPort = QStringLiteral("/dev/ttyUSB7");
        app_->ClearBoxes();
        app_->Answer(answers);
        QCOMPARE(window_->close(), closed);
        QCOMPARE(app_->Texts(), asked);
        QCOMPARE(QFile::exists(target), chooserAnswers);
        QCOMPARE(IniFile(SysInfoPath()).ReadString("SysInfo", "Com", ""),
                 closed ? QStringLiteral("/dev/ttyUSB7") : QString());
    }

    void captionFollowsTheFile() {
        const QString path = app_->Dir() + "a.dat";
        SetFileChooser({[&](const QString&) { return path; },
                        [&](const QString&, const QString&) { return path; }});
        TypeIntoCell(kColRx, RowOfChannel(3), "461");
        window_->ExecuteCommand(TfMainFrm::kSave);
        QCOMPARE(window_->windowTitle(), "XKM-7463 [" + path + "]");
        window_->ExecuteCommand(TfMainFrm::kNew);
        QCOMPARE(window_->windowTitle(), QStringLiteral("XKM-7463"));
        QVERIFY(!Table().HoldsChannel(RowOfChannel(3)));
        window_->ExecuteCommand(TfMainFrm::kOpen);
        QCOMPARE(window_->windowTitle(), "XKM-7463 [" + path + "]");
        QCOMPARE(Cell(kColRx, RowOfChannel(3)).data().toString(), QStringLiteral("461.00000"));
        SetFileChooser({});
        window_->ExecuteCommand(TfMainFrm::kSaveAs);
        QCOMPARE(window_->windowTitle(), QStringLiteral("XKM-7463"));
    }

    void readCommandTakesOverTheRadio() {
        App().CurrentFile = QStringLiteral("old.dat");
        OnNextDialog<TfReadRadio>([](TfReadRadio* dialog) {
            QTimer::singleShot(100, dialog->OkButton(), &QPushButton::click);
        });
        window_->ExecuteCommand(TfMainFrm::kRead);
        QCOMPARE(app_->Texts(), QStringList{QStringLiteral("读取完成！")});
        QCOMPARE(window_->windowTitle(), QStringLiteral("XKM-7463"));
        QVERIFY(App().all.Modified);
        for (int channel = 1; channel <= 16; ++channel) {
            const int row = RowOfChannel(channel);
            const bool held = channel == 1 || channel == 2 || channel == 5;
            QCOMPARE(Table().HoldsChannel(row), held);
            QCOMPARE(bool(Channels()->Model()->flags(Cell(kColTx, row)) & Qt::ItemIsEditable),
                     held);
            if (held) {
                QCOMPARE(Cell(kColDecode, row).data().toString(), QStringLiteral("无"));
                QCOMPARE(Cell(kColPower, row).data().toString(), QStringLiteral("低"));
                QCOMPARE(Cell(kColBandwidth, row).data().toString(), QStringLiteral("窄带"));
                QCOMPARE(Cell(kColScanAdd, row).data().toString(), QStringLiteral("有"));
                QCOMPARE(Cell(kColBeatShift, row).data().toString(), QStringLiteral("无"));
            }
        }
    }

    void editingEachColumnKind() {
        QTest::keyClicks(Channels()->Grid(), "a");  // a letter typed into the grid opens nothing
        const int row = RowOfChannel(2);
        TypeIntoCell(kColRx, row, "46x0.0125");  // the letter is dropped
        QCOMPARE(Cell(kColRx, row).data().toString(), QStringLiteral("460.01250"));
        QCOMPARE(Cell(kColPower, row).data().toString(), QStringLiteral("高"));

        TypeIntoCell(kColTx, row, "465");
        QCOMPARE(Cell(kColTx, row).data().toString(), QStringLiteral("465.00000"));

        Channels()->SelectCell(kColBandwidth, row);
        QComboBox* width = Channels()->BoxOfColumn(kColBandwidth);
        QVERIFY(width->isVisible());
        QCOMPARE(width->objectName(), QStringLiteral("cbkz"));
        width->setCurrentIndex(1);
        emit width->activated(1);
        QCOMPARE(Table().Back(kColBandwidth, row), QStringLiteral("1"));
        QCOMPARE(Cell(kColBandwidth, row).data().toString(), QStringLiteral("窄带"));

        Channels()->SelectCell(kColDecode, row);
        QComboBox* decode = Channels()->BoxOfColumn(kColDecode);
        QVERIFY(decode->isVisible());
        decode->lineEdit()->clear();
        QTest::keyClicks(decode->lineEdit(), "D023iX");  // X is not a tone key
        QTest::keyClick(decode->lineEdit(), Qt::Key_Return);
        QVERIFY(!decode->isVisible());
        QCOMPARE(Cell(kColDecode, row).data().toString(), QStringLiteral("D023I"));

        // No box over an empty row, and no encode box for a channel that does not transmit.
        Channels()->SelectCell(kColDecode, RowOfChannel(9));
        QVERIFY(!decode->isVisible());
        TypeIntoCell(kColTx, row, "");
        Channels()->SelectCell(kColEncode, row);
        QVERIFY(!Channels()->BoxOfColumn(kColEncode)->isVisible());
    }

    void pickedToneReachesTheCell() {
        const int row = RowOfChannel(4);
        TypeIntoCell(kColRx, row, "460");
        Channels()->SelectCell(kColDecode, row);
        OnNextDialog<TfToneOption>([](TfToneOption* picker) {
            picker->ButtonOf(2)->click();
            QTableWidget* grid = picker->GridOf(2);
            // D525 is the 64th DCS code: group 6, row 9.
            QVERIFY(grid->isVisible());
            emit grid->cellDoubleClicked(8, 10);  // an index cell: the picker stays open
            QVERIFY(picker->isVisible());
            emit grid->cellDoubleClicked(8, 11);
        });
        Channels()->PickTone(Channels()->BoxOfColumn(kColDecode));
        QCOMPARE(Cell(kColDecode, row).data().toString(), QStringLiteral("D525I"));

        OnNextDialog<TfToneOption>([](TfToneOption* picker) { picker->reject(); });
        Channels()->PickTone(Channels()->BoxOfColumn(kColDecode));
        QCOMPARE(Cell(kColDecode, row).data().toString(), QStringLiteral("D525I"));
    }

    void languageSwitchRerendersTheTable() {
        WriteBytes(
            app_->Dir() + "English.Ini",
            "[Language]\nReadOk=Read complete!\n"
            "[fMainFrm]\nfMainFrm.Caption=Radio Programmer\nnFile.Caption=&File\nN1.Caption=&New\n"
            "tbNew.Hint=New file\nlCom.Caption=Port: \n"
            "[fChInfo]\nfChInfo.Caption=Channels\nBColText.1=RX "
            "MHz\ncbQT.0=None\ncbQT.1=sixty-seven\n"
            "cbDQT.0=None\ncbkz.0=Wide\ncbkz.1=Narrow\ncbfsgl.1=High\n");
        const int row = RowOfChannel(1);
        TypeIntoCell(kColRx, row, "460");
        Table().SetChoice(kColBandwidth, row, 1);
        window_->SwitchLanguage(1, QStringLiteral("English"));

        QCOMPARE(window_->windowTitle(), QStringLiteral("Radio Programmer"));
        QCOMPARE(window_->findChild<QMenu*>("nFile")->title(), QStringLiteral("&File"));
        QCOMPARE(window_->findChild<QAction*>("N1")->text(), QStringLiteral("&New"));
        QCOMPARE(window_->findChild<QToolButton*>("tbNew")->toolTip(), QStringLiteral("New file"));
        QVERIFY(window_->StatusText(3).startsWith(QStringLiteral("Port:")));
        QCOMPARE(Channels()->windowTitle(), QStringLiteral("Channels"));
        QCOMPARE(Cell(kColRx, kTitleRow).data().toString(), QStringLiteral("RX MHz"));
        QCOMPARE(Cell(kColBandwidth, row).data().toString(), QStringLiteral("Narrow"));
        QCOMPARE(Table().Back(kColBandwidth, row), QStringLiteral("1"));
        QCOMPARE(Cell(kColPower, row).data().toString(), QStringLiteral("High"));
        QCOMPARE(Cell(kColDecode, row).data().toString(), QStringLiteral("None"));
        QComboBox* decode = Channels()->BoxOfColumn(kColDecode);
        QCOMPARE(decode->itemText(0), QStringLiteral("None"));
        QCOMPARE(decode->itemText(1), QStringLiteral("67.0"));  // tag -3: only the first item
        QCOMPARE(App().language.ReadOk, QStringLiteral("Read complete!"));
        QCOMPARE(Table().ReadChannelRow(row)->DecodeTone, QString());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
