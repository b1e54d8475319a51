#include "SerialBytePort.h"

#include <QFileInfo>
#include <QSerialPortInfo>

SerialBytePort::SerialBytePort(QObject* parent) : BytePort(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &BytePort::DataAvailable);
    connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // Qt folds parity, framing and break conditions into ReadError on most platforms.
        if (port_.isOpen() && (error == QSerialPort::ReadError)) {
            emit LineError();
        }
    });
}

QString PortDevicePath(const QString& name) {
    return QSerialPortInfo(name).systemLocation().isEmpty()
               ? name
               : QSerialPortInfo(name).systemLocation();
}

BytePort::OpenError SerialBytePort::Open(const QString& name) {
    lastOpenError_ = OpenPort(name);
    return lastOpenError_;
}

BytePort::OpenError SerialBytePort::OpenPort(const QString& name) {
    port_.close();
    port_.setPortName(name);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::TwoStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (name.trimmed().isEmpty() || !port_.open(QIODevice::ReadWrite)) {
        errorText_ =
            name.trimmed().isEmpty() ? QStringLiteral("no port is chosen") : port_.errorString();
        switch (port_.error()) {
            case QSerialPort::DeviceNotFoundError:
                return OpenError::NoSuchPort;
            case QSerialPort::PermissionError:
                // Qt reports a port held by another program as a permission error too.
                return QFileInfo(PortDevicePath(name)).isWritable() ? OpenError::InUse
                                                                    : OpenError::PermissionDenied;
            default:
                return name.trimmed().isEmpty() ? OpenError::NoSuchPort : OpenError::Other;
        }
    }
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    errorText_.clear();
    return OpenError::None;
}

void SerialBytePort::Close() {
    if (port_.isOpen()) {
        port_.close();
    }
}

void SerialBytePort::DiscardInput() {
    if (port_.isOpen()) {
        port_.clear(QSerialPort::Input);
        port_.readAll();
    }
}

void SerialBytePort::DiscardOutput() {
    if (port_.isOpen()) {
        port_.clear(QSerialPort::Output);
    }
}

bool SerialBytePort::Write(const QByteArray& bytes) {
    return port_.isOpen() && port_.write(bytes) == bytes.size();
}
