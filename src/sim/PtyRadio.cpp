#include "PtyRadio.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>

PtyRadio::PtyRadio(RadioSim& radio, QObject* parent) : QObject(parent), radio_(radio) {
    sendTimer_.setSingleShot(true);
    sendTimer_.setTimerType(Qt::PreciseTimer);
    connect(&sendTimer_, &QTimer::timeout, this, &PtyRadio::SendDue);
    connect(&radio_, &RadioSim::Reply, this, &PtyRadio::OnReply);
    connect(&radio_, &RadioSim::FrameReceived, this, [this](const QByteArray& frame) {
        if (trace_.isOpen()) {
            trace_.write(QByteArray::number(frameEndMs_, 'f', 3) + '\t' + frame.toHex(' ') + '\n');
            trace_.flush();
        }
    });
    connect(&radio_, &RadioSim::LineBreak, this, [this] { tcsendbreak(master_, 0); });
    clock_.start();
}

PtyRadio::~PtyRadio() {
    notifier_.reset();
    if (slave_ >= 0) {
        ::close(slave_);
    }
    if (master_ >= 0) {
        ::close(master_);
    }
}

bool PtyRadio::Open(QString* error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        *error = QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    devicePath_ = QString::fromLocal8Bit(ptsname(master_));
    slave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        *error = QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    // A raw line: no echo and no line editing until the program sets its own mode.
    termios mode{};
    tcgetattr(slave_, &mode);
    cfmakeraw(&mode);
    cfsetspeed(&mode, B9600);
    tcsetattr(slave_, TCSANOW, &mode);
    notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &PtyRadio::OnReadable);
    return true;
}

bool PtyRadio::SetTrace(const QString& path) {
    trace_.setFileName(path);
    return trace_.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void PtyRadio::OnReadable() {
    char buffer[256];
    const ssize_t count = ::read(master_, buffer, sizeof buffer);
    if (count <= 0) {
        return;
    }
    const double now = clock_.nsecsElapsed() / 1e6;
    for (ssize_t i = 0; i < count; ++i) {
        // Each byte takes its time on the line: the radio has a frame only once its last
        // byte has arrived.
        inboundEndMs_ = std::max(inboundEndMs_, now) + (paced_ ? kByteMs : 0);
        frameEndMs_ = inboundEndMs_;
        radio_.Receive(QByteArray(1, buffer[i]));
    }
}

void PtyRadio::OnReply(const QByteArray& bytes) {
    if (!paced_) {
        WriteToLine(bytes);
        return;
    }
    outboundEndMs_ = std::max(outboundEndMs_, frameEndMs_);
    for (char byte : bytes) {
        outboundEndMs_ += kByteMs;
        outbound_.emplace_back(outboundEndMs_, byte);
    }
    SendDue();
}

void PtyRadio::SendDue() {
    const double now = clock_.nsecsElapsed() / 1e6;
    QByteArray due;
    while (!outbound_.empty() && outbound_.front().first <= now) {
        due += outbound_.front().second;
        outbound_.pop_front();
    }
    WriteToLine(due);
    if (!outbound_.empty()) {
        sendTimer_.start(int(std::ceil(outbound_.front().first - now)));
    }
}

void PtyRadio::WriteToLine(const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(master_, bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            return;  // nobody reads the line: the bytes are lost, as on a real cable
        }
        written += count;
    }
}
