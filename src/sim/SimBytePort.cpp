#include "SimBytePort.h"

#include <QTimer>

SimBytePort::SimBytePort(RadioSim& radio, QObject* parent) : BytePort(parent), radio_(radio) {
    connect(&radio_, &RadioSim::Reply, this, &SimBytePort::Deliver);
    connect(&radio_, &RadioSim::LineBreak, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (open_) {
                emit LineError();
            }
        });
    });
}

BytePort::OpenError SimBytePort::Open(const QString& name) {
    const OpenError result = failOpen_;
    failOpen_ = OpenError::None;
    open_ = result == OpenError::None;
    openedName_ = name;
    return result;
}

bool SimBytePort::Write(const QByteArray& bytes) {
    if (!open_) {
        return false;
    }
    QTimer::singleShot(0, this, [this, bytes] { radio_.Receive(bytes); });
    return true;
}

void SimBytePort::Deliver(const QByteArray& reply) {
    int at = 0;
    while (at < reply.size()) {
        const int size =
            fragments_.isEmpty() ? reply.size() : fragments_[nextFragment_++ % fragments_.size()];
        const QByteArray piece = reply.mid(at, size);
        at += size;
        QTimer::singleShot(0, this, [this, piece] {
            if (open_) {
                input_ += piece;
                emit DataAvailable();
            }
        });
    }
}

QByteArray SimBytePort::ReadAll() {
    const QByteArray bytes = input_;
    input_.clear();
    return bytes;
}
