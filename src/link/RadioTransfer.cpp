#include "RadioTransfer.h"

#include "core/Globals.h"
#include "core/MessageBox.h"

RadioTransfer::RadioTransfer(BytePort& port, const LinkTiming& timing, QObject* parent)
    : QObject(parent),
      port_(port),
      timing_(timing),
      engine_(port, timing, this),
      closeTimer_(this) {
    closeTimer_.setObjectName(QStringLiteral("CloseTime"));
    closeTimer_.setSingleShot(true);
    closeTimer_.setInterval(timing_.closeDelayMs);
    connect(&closeTimer_, &QTimer::timeout, this, [this] { OnCloseTimer(); });
    connect(&engine_, &LinkEngine::IdentReceived, this,
            [this](const QString& code) { OnIdent(code); });
    connect(&engine_, &LinkEngine::WorkerFinished, this, [this](bool ok) { OnWorkerFinished(ok); });
    connect(&engine_, &LinkEngine::ReplyTimedOut, this, [this] { OnReplyTimedOut(); });
    connect(&port_, &BytePort::LineError, this, [this] { OnLineError(); });
}

RadioTransfer::~RadioTransfer() {
    Close();
}

void RadioTransfer::Close() {
    if (closed_) {
        return;
    }
    closed_ = true;
    closeTimer_.stop();
    engine_.Abandon();
    engine_.disconnect(this);
    port_.disconnect(this);
    port_.Close();
}

void RadioTransfer::After(int ms, std::function<void()> action) {
    QTimer::singleShot(ms, Qt::PreciseTimer, this, [this, action = std::move(action)] {
        if (!closed_) {
            action();
        }
    });
}

void RadioTransfer::OpenRadioPortThenCheck(bool discardQueues) {
    port_.Close();
    After(timing_.portOpenPauseMs, [this, discardQueues] {
        if (port_.Open(App().all.ComPort) != BytePort::OpenError::None) {
            ReportOnce(App().language.LPortError);
            StartCloseTimer();
            emit AttemptEnded(false);
            return;
        }
        // Whatever the line held before the port was ours is not a reply.
        if (discardQueues) {
            port_.DiscardInput();
            port_.DiscardOutput();
        }
    });
}

void RadioTransfer::ReportOnce(const QString& text) {
    if (reported_) {
        return;
    }
    reported_ = true;
    ShowMessageBox(App().language.Confirmation, text, kNotice);
}

void RadioTransfer::SetOkEnabled(bool enabled) {
    if (okEnabled_ != enabled) {
        okEnabled_ = enabled;
        emit OkEnabledChanged(enabled);
    }
}

void RadioTransfer::SetProgress(int value, int maximum) {
    progressMaximum_ = maximum;
    emit ProgressChanged(value, maximum);
}
