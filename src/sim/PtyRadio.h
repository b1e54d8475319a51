#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <deque>
#include <memory>

#include "sim/RadioSim.h"

// Plays a simulated radio on a pseudo-terminal: a program opens the device path like a
// serial port. Replies go out at once, or paced as a 9600 baud 8N2 line would carry them.
class PtyRadio : public QObject {
    Q_OBJECT

  public:
    // One byte on a 9600 baud line with a start bit, 8 data bits and 2 stop bits.
    static constexpr double kByteMs = 11.0 / 9600.0 * 1000.0;

    explicit PtyRadio(RadioSim& radio, QObject* parent = nullptr);
    ~PtyRadio() override;

    // Opens the pseudo-terminal; false with a reason when the system refuses one.
    bool Open(QString* error);
    QString DevicePath() const { return devicePath_; }
    void SetPaced(bool paced) { paced_ = paced; }
    // Writes one line per received frame: milliseconds since the start and the bytes in hex.
    bool SetTrace(const QString& path);

  private:
    void OnReadable();
    void OnReply(const QByteArray& bytes);
    void SendDue();
    void WriteToLine(const QByteArray& bytes);

    RadioSim& radio_;
    int master_ = -1;
    int slave_ = -1;  // kept open so that the line stays up between programs
    QString devicePath_;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool paced_ = false;
    QElapsedTimer clock_;
    double inboundEndMs_ = 0;   // when the last received byte finished on the line
    double outboundEndMs_ = 0;  // when the last queued reply byte finishes
    double frameEndMs_ = 0;     // when the byte being handed to the radio finished
    std::deque<std::pair<double, char>> outbound_;
    QTimer sendTimer_;
    QFile trace_;
};
