#include "LinkEngine.h"

#include "link/MemoryMap.h"

namespace {

constexpr uint8_t kStart = 0x02;
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kReadCommand = 0x52;  // 'R'
constexpr uint8_t kEnd = 0x45;          // 'E'
constexpr int kIdentLength = 8;
constexpr int kReadReplyLength = 12;

QByteArray BlockHeader(uint8_t command, int address) {
    QByteArray frame;
    frame += char(command);
    frame += char((address >> 8) & 0xFF);
    frame += char(address & 0xFF);
    frame += char(0x08);
    return frame;
}

}  // namespace

LinkTiming LinkTiming::Read() {
    return LinkTiming();
}

LinkTiming LinkTiming::Write() {
    LinkTiming timing;
    timing.okPauseMs = 450;
    timing.writeStartPauseMs = 50;
    timing.releasePauseMs = 0;
    return timing;
}

std::vector<LinkStep> ReadSteps(const std::vector<int>& recordAddresses) {
    std::vector<LinkStep> steps;
    for (int address : recordAddresses) {
        for (int half : {0, 8}) {
            steps.push_back({LinkStep::Kind::ReadBlock, address + half, 0, {}});
            steps.push_back({LinkStep::Kind::Ack, 0, 0, {}});
        }
        steps.push_back({LinkStep::Kind::Progress, 0, 0, {}});
    }
    return steps;
}

LinkEngine::LinkEngine(BytePort& port, const LinkTiming& timing, QObject* parent)
    : QObject(parent), port_(port), timing_(timing), replyTimer_(this) {
    replyTimer_.setObjectName(QStringLiteral("TryTime"));
    replyTimer_.setSingleShot(true);
    replyTimer_.setInterval(timing_.replyTimeoutMs);
    connect(&replyTimer_, &QTimer::timeout, this, &LinkEngine::OnReplyTimer);
    connect(&port_, &BytePort::DataAvailable, this, &LinkEngine::OnDataAvailable);
}

void LinkEngine::After(int ms, std::function<void()> action) {
    const unsigned generation = generation_;
    QTimer::singleShot(ms, Qt::PreciseTimer, this, [this, generation, action = std::move(action)] {
        if (generation == generation_) {
            action();
        }
    });
}

void LinkEngine::Send(const QByteArray& bytes) {
    port_.Write(bytes);
}

void LinkEngine::StartAttempt() {
    ++generation_;
    waiting_ = false;
    buffer_.fill(0);
    receiveIndex_ = 0;
    receivedInReply_ = 0;
    replyTimer_.start();
    state_ = State::AwaitGreetingAck;
    expected_ = 1;
    // 0x02, a pause, then "PROGRAM" one byte at a time with short pauses.
    Send(QByteArray(1, char(kStart)));
    const QByteArray letters = "PROGRAM";
    int at = timing_.greetingPauseMs;
    for (int i = 0; i < letters.size(); ++i) {
        After(at, [this, letter = letters[i]] { Send(QByteArray(1, letter)); });
        at += timing_.greetingLetterPauseMs;
    }
}

void LinkEngine::OnDataAvailable() {
    const QByteArray bytes = port_.ReadAll();
    for (char byte : bytes) {
        // Bytes beyond the buffer are read and dropped.
        if (receiveIndex_ < kReceiveBufferSize) {
            buffer_[receiveIndex_] = uint8_t(byte);
        }
        ++receiveIndex_;
        ++receivedInReply_;
        --expected_;
    }
    if (bytes.isEmpty() || expected_ > 0) {
        return;
    }
    receiveIndex_ = 0;
    OnReplyComplete();
    receivedInReply_ = 0;
}

void LinkEngine::OnReplyComplete() {
    switch (state_) {
        case State::Running:
            // Only a worker that waits is released; stray and late bytes are dropped.
            if (waiting_) {
                waiting_ = false;
                if (timing_.releasePauseMs > 0) {
                    After(timing_.releasePauseMs, [this] { StepDone(true); });
                } else {
                    StepDone(true);
                }
            }
            break;
        case State::AwaitGreetingAck:
            if (buffer_[0] == kAck || (receivedInReply_ > 1 && buffer_[1] == kAck)) {
                state_ = State::AwaitIdent;
                expected_ = kIdentLength;
                replyTimer_.stop();
                After(timing_.identPauseMs, [this] {
                    Send(QByteArray(1, char(kStart)));
                    replyTimer_.start();
                });
            }
            break;
        case State::AwaitIdent: {
            replyTimer_.stop();
            QString code;
            for (int i = 1; i <= 4; ++i) {
                code += QChar(buffer_[i]);
            }
            emit IdentReceived(code);
            break;
        }
        case State::Finished:
            break;
    }
}

void LinkEngine::OnReplyTimer() {
    replyTimer_.stop();
    if (waiting_) {
        Abandon();  // the worker that waited for this reply never goes on
    }
    emit ReplyTimedOut();
}

void LinkEngine::StartWorker(std::vector<LinkStep> steps) {
    ++generation_;
    state_ = State::Running;
    steps_.clear();
    steps_.push_back({LinkStep::Kind::Ack, 0, 0, {}});
    steps_.insert(steps_.end(), std::make_move_iterator(steps.begin()),
                  std::make_move_iterator(steps.end()));
    steps_.push_back({LinkStep::Kind::End, 0, 0, {}});
    nextStep_ = 0;
    recordsDone_ = 0;
    readBlocks_.clear();
    After(timing_.workerStartPauseMs, [this] { RunNextStep(); });
}

void LinkEngine::Exchange(const QByteArray& frame, int replyLength) {
    expected_ = replyLength;
    receiveIndex_ = 0;
    receivedInReply_ = 0;
    waiting_ = true;
    Send(frame);
    // Every exchange of the worker, acknowledgements included, gets the reply timer: a
    // radio that falls silent ends in the time-out question instead of a wait for ever.
    replyTimer_.start();
}

void LinkEngine::RunNextStep() {
    if (nextStep_ >= steps_.size()) {
        EndWorker(true);
        return;
    }
    const LinkStep& step = steps_[nextStep_];
    switch (step.kind) {
        case LinkStep::Kind::Ack:
            Exchange(QByteArray(1, char(kAck)), 1);
            break;
        case LinkStep::Kind::ReadBlock:
            Exchange(BlockHeader(kReadCommand, step.address), kReadReplyLength);
            break;
        case LinkStep::Kind::WriteBlock:
            Exchange(BlockHeader(step.command, step.address) + step.data, 1);
            break;
        case LinkStep::Kind::End:
            expected_ = 1;
            Send(QByteArray(1, char(kEnd)));
            PollTransmitQueue(timing_.endPollCount);
            break;
        case LinkStep::Kind::Progress:
            emit WorkerProgress(++recordsDone_);
            ++nextStep_;
            RunNextStep();
            break;
    }
}

void LinkEngine::StepDone(bool success) {
    replyTimer_.stop();
    const LinkStep& step = steps_[nextStep_];
    if (success && step.kind == LinkStep::Kind::Ack) {
        success = buffer_[0] == kAck;
    }
    if (success && step.kind == LinkStep::Kind::ReadBlock) {
        QByteArray data;
        for (int i = 4; i < kReadReplyLength; ++i) {
            data += char(buffer_[i]);
        }
        readBlocks_[step.address] = data;
    }
    if (!success) {
        EndWorker(false);
        return;
    }
    ++nextStep_;
    RunNextStep();
}

void LinkEngine::PollTransmitQueue(int pollsLeft) {
    if (port_.BytesToWrite() == 0 || pollsLeft <= 0) {
        ++nextStep_;
        RunNextStep();
        return;
    }
    After(timing_.endPollMs, [this, pollsLeft] { PollTransmitQueue(pollsLeft - 1); });
}

void LinkEngine::FailWaitingExchange() {
    if (!waiting_) {
        return;
    }
    waiting_ = false;
    ++generation_;  // a pending release of this exchange must not run
    StepDone(false);
}

void LinkEngine::EndWorker(bool success) {
    waiting_ = false;
    ++generation_;
    state_ = State::Finished;
    emit WorkerFinished(success);
}

void LinkEngine::Abandon() {
    ++generation_;
    waiting_ = false;
    replyTimer_.stop();
}
