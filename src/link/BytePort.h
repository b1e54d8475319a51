#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// What the radio link needs of a serial port. Notifications arrive on the thread the port
// lives on (the user-interface thread).
class BytePort : public QObject {
    Q_OBJECT

  public:
    enum class OpenError { None, NoSuchPort, PermissionDenied, InUse, Other };

    using QObject::QObject;

    // Opens the named port at 9600 baud, 8 data bits, no parity, 2 stop bits, no flow
    // control, DTR and RTS asserted.
    virtual OpenError Open(const QString& name) = 0;
    virtual void Close() = 0;  // closing a closed port does nothing
    virtual bool IsOpen() const = 0;
    virtual void DiscardInput() = 0;
    virtual void DiscardOutput() = 0;
    // Queues the bytes and returns at once; false when the port is not open.
    virtual bool Write(const QByteArray& bytes) = 0;
    virtual qint64 BytesToWrite() const = 0;
    virtual QByteArray ReadAll() = 0;
    // The reason of the last failure, for a person.
    virtual QString ErrorText() const = 0;

  signals:
    void DataAvailable();
    void LineError();  // overrun, parity, framing error or break
};
