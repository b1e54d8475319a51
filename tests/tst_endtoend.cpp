#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "Fixtures.h"
#include "link/PortList.h"

namespace {

struct Run {
    int status = -1;
    QByteArray err;
};

Run Cli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(XKM_CLI_PATH), arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError()};
}

// xkm-radio-sim running on its pseudo-terminal for the life of the object.
class Simulator {
  public:
    explicit Simulator(const QStringList& arguments) {
        process_.start(QStringLiteral(XKM_SIM_PATH), arguments);
        if (process_.waitForReadyRead(10000)) {
            device_ = QString::fromUtf8(process_.readLine()).trimmed();
        }
    }
    ~Simulator() {
        process_.terminate();
        process_.waitForFinished(5000);
    }
    QString Device() const { return device_; }
    void Stop() {
        process_.terminate();
        process_.waitForFinished(5000);
    }

  private:
    QProcess process_;
    QString device_;
};

const QString kSample = QStringLiteral(XKM_SAMPLES_DIR "/demo-u800.dat");

QByteArray WithoutDate(QByteArray file) {
    return file.replace(8, 6, QByteArray(6, 0));
}

}  // namespace

// xkm-cli against xkm-radio-sim over a real pseudo-terminal.
class TestEndToEnd : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

  private slots:
    void readGivesTheRadiosMemory() {
        Simulator radio({"--from", kSample, "--trace", Path("trace.txt")});
        QVERIFY(!radio.Device().isEmpty());
        const Run run = Cli({"read", "--port", radio.Device(), "-o", Path("read.dat")});
        QVERIFY2(run.status == 0, run.err.constData());
        QCOMPARE(WithoutDate(ReadBytes(Path("read.dat"))), WithoutDate(ReadBytes(kSample)));
        const QList<QByteArray> trace = ReadBytes(Path("trace.txt")).trimmed().split('\n');
        QCOMPARE(trace.size(),
                 3 + 24 * 4 + 1);  // greeting, identification, acknowledgement, blocks, end
        QVERIFY(trace.front().endsWith("50 52 4f 47 52 41 4d"));
        QVERIFY(trace.back().endsWith("\t45"));
    }

    void writeFillsTheRadio() {
        Simulator radio({"--save", Path("radio.dat")});
        const Run run = Cli({"write", "--port", radio.Device(), kSample});
        QVERIFY2(run.status == 0, run.err.constData());
        QVERIFY(run.err.contains("写入完成！"));
        QTRY_VERIFY(QFile::exists(Path("radio.dat")));
        QCOMPARE(HexOf(WithoutDate(ReadBytes(Path("radio.dat")))),
                 HexOf(WithoutDate(ReadBytes(kSample))));
    }

    void otherModelNeedsForce() {
        Simulator radio({"--model", "7462", "--save", Path("v.dat")});
        Run run = Cli({"write", "--port", radio.Device(), kSample});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("是否强制改写？"));
        QVERIFY(!QFile::exists(Path("v.dat")));
        run = Cli({"write", "--port", radio.Device(), kSample, "--force"});
        QCOMPARE(run.status, 0);
        QTRY_VERIFY(QFile::exists(Path("v.dat")));
    }

    void failingRadiosEndTheCommand_data() {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("command");
        QTest::newRow("silent radio, read") << QStringList{"--silent-after", "1"} << "read";
        QTest::newRow("silent in the middle, write")
            << QStringList{"--silent-after", "20"} << "write";
        QTest::newRow("wrong greeting reply") << QStringList{"--wrong-greeting"} << "read";
        QTest::newRow("reply cut short") << QStringList{"--cut-reply"} << "read";
        QTest::newRow("unregistered model") << QStringList{"--model", "0000"} << "read";
    }
    void failingRadiosEndTheCommand() {
        QFETCH(QStringList, faults);
        QFETCH(QString, command);
        Simulator radio(QStringList{"--from", kSample} + faults);
        const QStringList arguments =
            command == "read"
                ? QStringList{"read", "--port", radio.Device(), "-o", Path("none.dat")}
                : QStringList{"write", "--port", radio.Device(), kSample};
        const Run run = Cli(arguments);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(!QFile::exists(Path("none.dat")));
    }

    void strayBytesBeforeTheGreetingReply() {
        Simulator radio({"--from", kSample, "--stray", "1"});
        QCOMPARE(Cli({"read", "--port", radio.Device(), "-o", Path("stray.dat")}).status, 0);
    }

    void portThatDoesNotExist() {
        const Run run = Cli({"read", "--port", Path("no-such-tty"), "-o", Path("x.dat")});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("无法打开端口！"));
        QVERIFY(run.err.contains("no-such-tty"));
    }

    void runningSimulatorIsListed() {
        Simulator radio({});
        QStringList ports;
        ListComPorts(ports);
        QVERIFY2(ports.contains(radio.Device()), qPrintable(ports.join(' ')));
        radio.Stop();
        ports.clear();
        ListComPorts(ports);
        QVERIFY(!ports.contains(radio.Device()));
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
