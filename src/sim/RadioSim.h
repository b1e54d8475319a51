#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

// Faults a simulated radio shows on demand. Each happens once; afterwards the radio
// behaves again.
struct SimFaults {
    int silentAfterFrames = -1;  // stops answering after this many frames
    bool wrongGreetingReply = false;
    bool cutReplyShort = false;  // the next reply longer than one byte loses its second half
    int strayBytesBeforeGreeting = 0;
    int lineBreakAfterFrames = -1;  // a break on the line after this many frames
    char writeReply = 0x06;         // what the radio answers to a block write
};

// A radio as the programming protocol sees it: it answers the greeting, the
// identification, the block reads and writes and the end byte from a memory image laid out
// as the memory map. It only turns received bytes into replies; whoever hosts it moves
// the bytes.
class RadioSim : public QObject {
    Q_OBJECT

  public:
    static constexpr int kIdleResetMs = 400;  // a line silent this long returns the radio to idle

    RadioSim(const QString& modelCode, const QByteArray& image, QObject* parent = nullptr);

    void SetFaults(const SimFaults& faults) { faults_ = faults; }
    void Receive(const QByteArray& bytes);
    const QByteArray& Image() const { return image_; }
    int FramesReceived() const { return frames_; }

  signals:
    void Reply(const QByteArray& bytes);
    void FrameReceived(const QByteArray& frame);
    void LineBreak();
    // An end byte closed a session that wrote memory.
    void WriteCompleted();

  private:
    void OnFrame(const QByteArray& frame);
    void Answer(QByteArray reply);
    int FrameLength(uint8_t first) const;

    QString modelCode_;
    QByteArray image_;
    SimFaults faults_;
    bool programming_ = false;
    bool silent_ = false;
    bool wroteMemory_ = false;
    QByteArray pending_;
    QByteArray greetingWindow_;
    QElapsedTimer sinceLastByte_;
    int frames_ = 0;
};
