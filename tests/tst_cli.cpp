#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "Fixtures.h"

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run Cli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(XKM_CLI_PATH), arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

const QString kSample = QStringLiteral(XKM_SAMPLES_DIR "/demo-u800.dat");

}  // namespace

// xkm-cli as a script runs it.
class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

  private slots:
    void exportImportRoundTrip_data() {
        QTest::addColumn<QString>("format");
        QTest::newRow("json") << "json";
        QTest::newRow("csv") << "csv";
    }
    void exportImportRoundTrip() {
        QFETCH(QString, format);
        const Run exported = Cli({"export", kSample, "--format", format});
        QCOMPARE(exported.status, 0);
        const QString source = Path("sample." + format);
        WriteBytes(source, exported.out);
        const Run imported = Cli({"import", source, "-o", Path("copy.dat")});
        QCOMPARE(imported.status, 0);
        QVERIFY2(imported.err.isEmpty(), imported.err.constData());
        QByteArray copy = ReadBytes(Path("copy.dat"));
        QByteArray original = ReadBytes(kSample);
        QCOMPARE(copy.size(), 992);
        if (format == "csv") {  // CSV keeps the function settings and message at their defaults
            const int functionRecordB = 55 * 16;
            original.truncate(functionRecordB);
            copy.truncate(functionRecordB);
        }
        QCOMPARE(copy.remove(8, 6), original.remove(8, 6));
    }

    void info() {
        const Run run = Cli({"info", kSample});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("Model:    XKM-U800"));
        QVERIFY(run.out.contains("Band:     450 - 470MHz"));
        QVERIFY(run.out.contains("Channels: 4 of 16 in use"));
        QVERIFY(run.out.contains("3  rx 462.55000  tx (receive only)"));
    }

    void changesAreReported() {
        WriteBytes(
            Path("typed.csv"),
            "Channel,RxMHz,TxMHz,DecodeTone,EncodeTone,Power,Bandwidth,ScanAdd,BeatShift,BusyLock\n"
            "2,700,,,,High,Wide,Yes,No,No\n");
        const Run run = Cli({"import", Path("typed.csv"), "-o", Path("typed.dat"), "--model",
                             "XKM-U800", "--band", "400 - 420MHz"});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains("typed.csv: line 2, channel 2: rx 700 lies outside the model's "
                                  "limits, 300 to 650 MHz: set to 420.00000"),
                 run.err.constData());
    }

    void badInputFailsCleanly_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        QTest::newRow("no command") << QStringList() << QByteArray() << 2 << "usage:";
        QTest::newRow("unknown option") << QStringList{"export", "IN", "--fmt", "csv"}
                                        << QByteArray() << 2 << "unknown option --fmt";
        QTest::newRow("bad format")
            << QStringList{"export", "IN", "--format", "xml"} << QByteArray() << 2 << "json or csv";
        QTest::newRow("missing file")
            << QStringList{"info", "absent.dat"} << QByteArray() << 1 << "absent.dat: ";
        QTest::newRow("short data file")
            << QStringList{"export", "IN"} << QByteArray(500, '\xFF') << 1 << "IN: record 0:";
        QTest::newRow("bad import") << QStringList{"import", "IN", "-o", "OUT"}
                                    << QByteArray(R"({"channels": [{"channel": 1, "rx": "x"}]})")
                                    << 1 << "IN: channel 1: rx 'x' is not a frequency";
        QTest::newRow("import without output")
            << QStringList{"import", "IN"} << QByteArray("{}") << 2 << "-o FILE.dat";
    }
    void badInputFailsCleanly() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, error);
        const QString in = Path("in.json");
        WriteBytes(in, input);
        QFile::remove(Path("out.dat"));
        arguments.replaceInStrings("IN", in);
        arguments.replaceInStrings("OUT", Path("out.dat"));
        const Run run = Cli(arguments);
        QCOMPARE(run.status, status);
        QVERIFY(run.out.isEmpty());
        error.replace("IN", in);
        QVERIFY2(QString::fromUtf8(run.err).contains(error), run.err.constData());
        QVERIFY(!QFile::exists(Path("out.dat")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
