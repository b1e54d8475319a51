#pragma once

#include <QSerialPort>

#include "link/BytePort.h"

// The byte port on a real (or pseudo-terminal) serial device.
class SerialBytePort : public BytePort {
    Q_OBJECT

  public:
    explicit SerialBytePort(QObject* parent = nullptr);

    OpenError Open(const QString& name) override;
    void Close() override;
    bool IsOpen() const override { return port_.isOpen(); }
    void DiscardInput() override;
    void DiscardOutput() override;
    bool Write(const QByteArray& bytes) override;
    qint64 BytesToWrite() const override { return port_.bytesToWrite(); }
    QByteArray ReadAll() override { return port_.readAll(); }
    QString ErrorText() const override { return errorText_; }
    OpenError LastOpenError() const { return lastOpenError_; }

  private:
    OpenError OpenPort(const QString& name);

    QSerialPort port_;
    QString errorText_;
    OpenError lastOpenError_ = OpenError::None;
};

// The device path behind a port name as it is shown ("ttyUSB0", "/dev/pts/3", "COM3").
QString PortDevicePath(const QString& name);
