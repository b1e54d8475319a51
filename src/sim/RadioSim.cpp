#include "RadioSim.h"

namespace {

const QByteArray kGreeting = "PROGRAM";
constexpr char kAck = 0x06;
constexpr char kNak = 0x15;

}  // namespace

RadioSim::RadioSim(const QString& modelCode, const QByteArray& image, QObject* parent)
    : QObject(parent), modelCode_(modelCode), image_(image) {
    sinceLastByte_.start();
}

int RadioSim::FrameLength(uint8_t first) const {
    switch (first) {
        case 0x02:  // identification request
        case 0x06:  // acknowledgement
        case 'E':   // end
            return 1;
        case 'R':
            return 4;
        case 'W':
        case 'Y':
            return 12;
        default:
            return 0;  // not a command: ignored
    }
}

void RadioSim::Receive(const QByteArray& bytes) {
    if (sinceLastByte_.restart() > kIdleResetMs) {
        programming_ = false;
        silent_ = false;
        pending_.clear();
    }
    for (char byte : bytes) {
        if (!programming_) {
            // An idle radio listens for the greeting only.
            greetingWindow_ = (greetingWindow_ + byte).right(kGreeting.size());
            if (greetingWindow_ == kGreeting) {
                greetingWindow_.clear();
                programming_ = true;
                OnFrame(kGreeting);
            }
            continue;
        }
        pending_ += byte;
        const int length = FrameLength(uint8_t(pending_[0]));
        if (length == 0) {
            pending_.clear();
        } else if (pending_.size() == length) {
            const QByteArray frame = pending_;
            pending_.clear();
            OnFrame(frame);
        }
    }
}

void RadioSim::Answer(QByteArray reply) {
    if (silent_) {
        return;
    }
    if (faults_.cutReplyShort && reply.size() > 1) {
        faults_.cutReplyShort = false;
        reply.truncate(reply.size() / 2);
    }
    emit Reply(reply);
}

void RadioSim::OnFrame(const QByteArray& frame) {
    ++frames_;
    emit FrameReceived(frame);
    if (frames_ == faults_.lineBreakAfterFrames) {
        emit LineBreak();
        return;
    }
    if (frames_ == faults_.silentAfterFrames) {
        silent_ = true;
    }
    const uint8_t command = uint8_t(frame[0]);
    if (frame == kGreeting) {
        wroteMemory_ = false;
        QByteArray reply(faults_.strayBytesBeforeGreeting, '\x00');
        faults_.strayBytesBeforeGreeting = 0;
        reply += faults_.wrongGreetingReply ? kNak : kAck;
        faults_.wrongGreetingReply = false;
        Answer(reply);
    } else if (command == 0x02) {
        Answer("P" + modelCode_.toLatin1().leftJustified(4, ' ', true) +
               QByteArray("\x01\x00\x00", 3));
    } else if (command == 0x06) {
        Answer(QByteArray(1, kAck));
    } else if (command == 'R') {
        const int address = uint8_t(frame[1]) << 8 | uint8_t(frame[2]);
        QByteArray data = image_.mid(address, 8);
        data += QByteArray(8 - data.size(), char(0xFF));
        Answer(QByteArray("W") + frame.mid(1, 3) + data);
    } else if (command == 'W' || command == 'Y') {
        const int address = uint8_t(frame[1]) << 8 | uint8_t(frame[2]);
        if (address + 8 <= image_.size()) {
            image_.replace(address, 8, frame.mid(4, 8));
        }
        wroteMemory_ = true;
        Answer(QByteArray(1, faults_.writeReply));
    } else if (command == 'E') {
        programming_ = false;
        if (wroteMemory_) {
            wroteMemory_ = false;
            emit WriteCompleted();
        }
    }
}
