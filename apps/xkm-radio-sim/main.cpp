// xkm-radio-sim: a simulated radio on a pseudo-terminal. Prints the device path on its first
// line and plays the radio there until it is stopped.

#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QTextStream>
#include <csignal>

#include "core/Globals.h"
#include "core/Seams.h"
#include "image/DataImage.h"
#include "link/MemoryMap.h"
#include "link/PortList.h"
#include "sim/PtyRadio.h"

namespace {

int g_stopPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] ssize_t ignored = ::write(g_stopPipe[1], &byte, 1);
}

int Fail(const QString& message) {
    QTextStream(stderr) << "xkm-radio-sim: " << message << Qt::endl;
    return 1;
}

int IntOption(const QCommandLineParser& parser, const QString& name) {
    return parser.isSet(name) ? parser.value(name).toInt() : -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    StartUp(QCoreApplication::applicationDirPath() + QLatin1Char('/'));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A simulated XKM radio on a pseudo-terminal."));
    parser.addHelpOption();
    parser.addOptions({
        {"model", "Model code the radio identifies as (default: the data file's, else 7461).",
         "CODE"},
        {"from", "Data file the radio's memory starts from (default: erased).", "FILE.dat"},
        {"save", "Data file the memory is saved to after every completed write.", "FILE.dat"},
        {"paced", "Reply at the line rate of 9600 baud 8N2 instead of at once."},
        {"trace", "Write the received frames with their times to this file.", "FILE"},
        {"silent-after", "Stop answering after N frames (once).", "N"},
        {"wrong-greeting", "Answer the first greeting wrongly."},
        {"cut-reply", "Cut the first reply of more than one byte short."},
        {"stray", "Send N stray bytes before the first greeting reply.", "N"},
        {"break-after", "Send a line break after N frames (once).", "N"},
    });
    parser.process(application);

    const TMacType* model = App().MacList.ModelAt(0);
    QByteArray image(kRadioMemorySize, char(0xFF));
    if (parser.isSet("from")) {
        QFile file(parser.value("from"));
        if (!file.open(QIODevice::ReadOnly)) {
            return Fail(file.fileName() + ": " + file.errorString());
        }
        const QByteArray bytes = file.readAll();
        const DecodedDataFile decoded = DecodeDataFile(bytes, App().MacList, App().FrqList);
        if (!decoded.codeplug) {
            return Fail(file.fileName() + ": " + decoded.error);
        }
        model = decoded.codeplug->model;
        image = RadioImageFromDataFile(bytes, *model);
    }
    const QString code = parser.isSet("model") ? parser.value("model") : model->Code();
    if (const TMacType* named = App().MacList.FindByCode(code)) {
        model = named;
    }

    RadioSim radio(code, image);
    radio.SetFaults({.silentAfterFrames = IntOption(parser, "silent-after"),
                     .wrongGreetingReply = parser.isSet("wrong-greeting"),
                     .cutReplyShort = parser.isSet("cut-reply"),
                     .strayBytesBeforeGreeting = std::max(0, IntOption(parser, "stray")),
                     .lineBreakAfterFrames = IntOption(parser, "break-after")});
    PtyRadio line(radio);
    line.SetPaced(parser.isSet("paced"));
    if (parser.isSet("trace") && !line.SetTrace(parser.value("trace"))) {
        return Fail(parser.value("trace") + ": cannot be written");
    }
    QString error;
    if (!line.Open(&error)) {
        return Fail("no pseudo-terminal: " + error);
    }
    if (parser.isSet("save")) {
        const QString path = parser.value("save");
        QObject::connect(&radio, &RadioSim::WriteCompleted, [&radio, model, path] {
            QSaveFile file(path);
            const QByteArray bytes =
                DataFileFromRadioImage(radio.Image(), *model, App().FrqList, Now());
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
                !file.commit()) {
                Fail(path + ": " + file.errorString());
            }
        });
    }

    if (pipe(g_stopPipe) != 0) {
        return Fail("cannot set up the stop signal");
    }
    QSocketNotifier stop(g_stopPipe[0], QSocketNotifier::Read);
    QObject::connect(&stop, &QSocketNotifier::activated, &application, &QCoreApplication::quit);
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
    std::signal(SIGHUP, OnStopSignal);

    AnnounceSimulatedPort(line.DevicePath());
    QTextStream(stdout) << line.DevicePath() << Qt::endl;
    const int status = application.exec();
    WithdrawSimulatedPort();
    return status;
}
