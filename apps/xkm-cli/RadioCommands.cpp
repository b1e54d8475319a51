#include <unistd.h>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>

#include "CliSupport.h"
#include "Commands.h"
#include "core/Globals.h"
#include "core/MessageBox.h"
#include "core/Seams.h"
#include "link/ReadTransfer.h"
#include "link/SerialBytePort.h"
#include "link/WriteTransfer.h"

namespace {

// English beside the built-in Chinese texts, for people who read the tool's lines.
QString Gloss(const QString& text) {
    const std::pair<QString TLanguage::*, const char*> glosses[] = {
        {&TLanguage::ComError, "check all connections and the communication port setting"},
        {&TLanguage::ModError, "wrong model"},
        {&TLanguage::Modforce, "the radio is of another model; --force writes it all the same"},
        {&TLanguage::ReadOk, "read complete"},
        {&TLanguage::WriteOk, "write complete"},
        {&TLanguage::LPortError, "the port cannot be opened"},
    };
    const TLanguage builtIn;
    for (const auto& [field, english] : glosses) {
        if (text == builtIn.*field) {
            return QStringLiteral("%1 (%2)").arg(text, QLatin1String(english));
        }
    }
    return text;
}

// Questions get the answer a script gave by its options, else the safe one.
void AnswerQuestions(bool forceWrite) {
    SetMessageBoxHandler([forceWrite](const QString&, const QString& text, int kind) {
        const bool force = forceWrite && kind == kYesNo && text == App().language.Modforce;
        Err() << "xkm-cli: " << Gloss(text) << (force ? " -> forced" : "") << Qt::endl;
        return force ? int(kAnswerYes) : SafeAnswer(kind);
    });
}

void ShowProgress(const RadioTransfer& transfer) {
    if (!isatty(STDERR_FILENO)) {
        return;
    }
    QObject::connect(&transfer, &RadioTransfer::ProgressChanged, [](int value, int maximum) {
        const int width = 30;
        const int filled = maximum > 0 ? value * width / maximum : 0;
        Err() << "\r[" << QString(filled, QLatin1Char('#'))
              << QString(width - filled, QLatin1Char('.')) << "] " << value << "/" << maximum
              << (value == maximum ? "\n" : "") << Qt::flush;
    });
}

// Says why a port did not open, and for a permission problem who may open it.
void ExplainPortFailure(const SerialBytePort& port, const QString& name) {
    if (port.LastOpenError() == BytePort::OpenError::None) {
        return;
    }
    Err() << name << ": " << port.ErrorText() << Qt::endl;
    if (port.LastOpenError() == BytePort::OpenError::PermissionDenied) {
        const QString group = QFileInfo(PortDevicePath(name)).group();
        Err() << name << ": members of the group '" << group
              << "' may open it; add yourself with: sudo usermod -aG " << group
              << " $USER (then log in again)" << Qt::endl;
    }
}

// Runs one attempt of the window logic to its end.
bool RunAttempt(RadioTransfer& transfer) {
    bool success = false;
    QEventLoop loop;
    QObject::connect(&transfer, &RadioTransfer::AttemptEnded, &loop, [&](bool ok) {
        success = ok;
        loop.quit();
    });
    transfer.Show();
    transfer.Ok();
    loop.exec();
    transfer.Close();
    return success;
}

Arguments ParseRadioArguments(const QStringList& arguments, const QStringList& flags) {
    return Parse(arguments, {QStringLiteral("--port"), QStringLiteral("-o")}, flags);
}

}  // namespace

int RunRead(const QStringList& arguments) {
    const Arguments parsed = ParseRadioArguments(arguments, {});
    if (!parsed.error.isEmpty() || !parsed.positional.isEmpty() || !parsed.Has("--port") ||
        !parsed.Has("-o")) {
        return Usage(parsed.error.isEmpty() ? QStringLiteral("read takes --port PORT -o FILE.dat")
                                            : parsed.error);
    }
    const QString portName = parsed.Value("--port");
    App().all.ComPort = portName;
    AnswerQuestions(false);
    SerialBytePort port;
    ReadTransfer transfer(port);
    ShowProgress(transfer);
    if (!RunAttempt(transfer) || !transfer.ReadComplete()) {
        ExplainPortFailure(port, portName);
        return kExitFailed;
    }
    const QString target = parsed.Value("-o");
    return WriteWhole(target, EncodeDataFile(*transfer.ReadCodeplug(), App().FrqList, Now()))
               ? kExitOk
               : kExitFailed;
}

int RunWrite(const QStringList& arguments) {
    const Arguments parsed = ParseRadioArguments(arguments, {QStringLiteral("--force")});
    if (!parsed.error.isEmpty() || parsed.positional.size() != 1 || !parsed.Has("--port")) {
        return Usage(parsed.error.isEmpty()
                         ? QStringLiteral("write takes --port PORT FILE.dat [--force]")
                         : parsed.error);
    }
    const auto decoded = OpenDataFile(parsed.positional.front());
    if (!decoded) {
        return kExitFailed;
    }
    ApplyCodeplug(*decoded->codeplug, App().ChannelTable);
    const QString portName = parsed.Value("--port");
    App().all.ComPort = portName;
    AnswerQuestions(parsed.Has("--force"));
    SerialBytePort port;
    WriteTransfer transfer(port);
    ShowProgress(transfer);
    if (!RunAttempt(transfer)) {
        ExplainPortFailure(port, portName);
        return kExitFailed;
    }
    return kExitOk;
}
