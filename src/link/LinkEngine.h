#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <vector>

#include "image/WriteRead.h"
#include "link/BytePort.h"

// The pauses and timers of a transfer window. Every pause is a wait of at least its time.
struct LinkTiming {
    int replyTimeoutMs = 1000;  // TryTime
    int closeDelayMs = 300;     // CloseTime
    int retryDelayMs = 500;     // ReTime, read window only
    int portOpenPauseMs = 50;
    int okPauseMs = 500;        // after OK before the greeting: read 500, write 450 + 50
    int writeStartPauseMs = 0;  // write window: 50 ms after discarding the queues
    int releasePauseMs = 5;     // before each release of the worker: read 5, write 0
    int greetingPauseMs = 200;
    int greetingLetterPauseMs = 2;
    int identPauseMs = 5;
    int workerStartPauseMs = 5;
    int endPollMs = 50;
    int endPollCount = 100;

    static LinkTiming Read();
    static LinkTiming Write();
};

// One operation of the worker sequence.
struct LinkStep {
    enum class Kind { Ack, ReadBlock, WriteBlock, End, Progress };
    Kind kind;
    int address = 0;
    uint8_t command = 0;
    QByteArray data;  // the 8 bytes of a write
};

// The programming protocol of one transfer window: greeting, identification, the worker's
// block exchanges and the end byte. The worker is a sequence of steps driven by the replies
// on the user-interface thread; waits are timers. A worker abandoned after a time-out, a
// line error or a close never runs again, and a late reply cannot release it.
class LinkEngine : public QObject {
    Q_OBJECT

  public:
    enum class State { Running = 0, AwaitGreetingAck = 1, AwaitIdent = 2, Finished = 5 };
    static constexpr int kReceiveBufferSize = 51;

    LinkEngine(BytePort& port, const LinkTiming& timing, QObject* parent = nullptr);

    void SetTransferState(State state) { state_ = state; }

    // Greeting with the reply timer running; the identification follows by itself.
    void StartAttempt();
    // Starts the worker: an acknowledgement, the steps, the end byte.
    void StartWorker(std::vector<LinkStep> steps);
    bool WorkerWaiting() const { return waiting_; }
    // A line error: the waiting exchange fails and the worker ends with failure.
    void FailWaitingExchange();
    // Ends everything in flight: no timer fires and no reply is looked at afterwards.
    void Abandon();
    void StartReplyTimer() { replyTimer_.start(); }

    // The 8 data bytes of each block the worker read, by address.
    const std::map<int, QByteArray>& ReadBlocks() const { return readBlocks_; }

  signals:
    void IdentReceived(const QString& modelCode);
    void ReplyTimedOut();
    void WorkerProgress(int recordsDone);
    void WorkerFinished(bool success);

  private:
    void OnDataAvailable();
    void OnReplyComplete();
    void OnReplyTimer();
    void After(int ms, std::function<void()> action);
    void Send(const QByteArray& bytes);
    void Exchange(const QByteArray& frame, int replyLength);
    void RunNextStep();
    void StepDone(bool success);
    void PollTransmitQueue(int pollsLeft);
    void EndWorker(bool success);

    BytePort& port_;
    LinkTiming timing_;
    QTimer replyTimer_;
    State state_ = State::Finished;
    std::array<uint8_t, kReceiveBufferSize> buffer_{};
    int receiveIndex_ = 0;
    int receivedInReply_ = 0;
    int expected_ = 0;
    unsigned generation_ = 0;  // bumped by every new attempt, worker and abandonment

    std::vector<LinkStep> steps_;
    size_t nextStep_ = 0;
    bool waiting_ = false;
    int recordsDone_ = 0;
    std::map<int, QByteArray> readBlocks_;
};

// The steps that read the records at the given addresses.
std::vector<LinkStep> ReadSteps(const std::vector<int>& recordAddresses);
