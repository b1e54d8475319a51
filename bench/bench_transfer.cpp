// Reads and writes a whole radio played by xkm-radio-sim at the real line rate, and prints
// each time beside its floor: the line time of every byte the exchange moves plus the pauses
// the protocol demands.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTextStream>

#include "core/Globals.h"
#include "core/MessageBox.h"
#include "link/ReadTransfer.h"
#include "link/SerialBytePort.h"
#include "link/WriteTransfer.h"
#include "sim/PtyRadio.h"

namespace {

constexpr int kRecords = 24;

// Line bytes and demanded pauses of one transfer.
struct Floor {
    int bytes = 0;
    double pausesMs = 0;
    double Ms() const { return bytes * PtyRadio::kByteMs + pausesMs; }
};

Floor GreetingFloor(const LinkTiming& t) {
    // Out: 0x02 "PROGRAM", 0x02; in: 0x06 and 8 identification bytes; then the worker's
    // acknowledgement (1 out, 1 in) and the end byte.
    return {8 + 1 + 9 + 2 + 1, double(t.okPauseMs + t.writeStartPauseMs + t.greetingPauseMs +
                                      6 * t.greetingLetterPauseMs + t.identPauseMs +
                                      t.workerStartPauseMs + t.releasePauseMs)};
}

Floor ReadFloor() {
    const LinkTiming t = LinkTiming::Read();
    Floor floor = GreetingFloor(t);
    floor.bytes += kRecords * 2 * (4 + 12 + 1 + 1);
    floor.pausesMs += kRecords * 2 * 2 * t.releasePauseMs;
    return floor;
}

Floor WriteFloor() {
    const LinkTiming t = LinkTiming::Write();
    Floor floor = GreetingFloor(t);
    floor.bytes += kRecords * 2 * (12 + 1);
    return floor;
}

double TimeAttempt(RadioTransfer& transfer) {
    QEventLoop loop;
    bool success = false;
    QObject::connect(&transfer, &RadioTransfer::AttemptEnded, &loop, [&](bool ok) {
        success = ok;
        loop.quit();
    });
    transfer.Show();
    QEventLoop settle;
    QTimer::singleShot(200, &settle, &QEventLoop::quit);
    settle.exec();
    QElapsedTimer clock;
    clock.start();
    transfer.Ok();
    loop.exec();
    const double ms = clock.nsecsElapsed() / 1e6;
    transfer.Close();
    return success ? ms : -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    StartUp(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    SetMessageBoxHandler([](const QString&, const QString&, int kind) { return SafeAnswer(kind); });
    const int rounds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 3;

    QProcess simulator;
    simulator.start(QString::fromLocal8Bit(argc > 1 ? argv[1] : "xkm-radio-sim"), {"--paced"});
    if (!simulator.waitForReadyRead(10000)) {
        QTextStream(stderr) << "xkm-radio-sim did not start" << Qt::endl;
        return 1;
    }
    App().all.ComPort = QString::fromUtf8(simulator.readLine()).trimmed();

    QTextStream out(stdout);
    const Floor floors[] = {ReadFloor(), WriteFloor()};
    const char* names[] = {"read ", "write"};
    for (int round = 0; round < rounds; ++round) {
        for (int kind = 0; kind < 2; ++kind) {
            SerialBytePort port;
            double ms = -1;
            if (kind == 0) {
                ReadTransfer transfer(port);
                ms = TimeAttempt(transfer);
            } else {
                WriteTransfer transfer(port);
                ms = TimeAttempt(transfer);
            }
            out << names[kind] << "  " << QString::number(ms, 'f', 1) << " ms, floor "
                << QString::number(floors[kind].Ms(), 'f', 1) << " ms (" << floors[kind].bytes
                << " line bytes), ratio " << QString::number(ms / floors[kind].Ms(), 'f', 3)
                << Qt::endl;
        }
    }
    simulator.terminate();
    simulator.waitForFinished(3000);
    return 0;
}
