#include "ReadTransfer.h"

#include "core/Globals.h"
#include "core/MessageBox.h"
#include "link/MemoryMap.h"

ReadTransfer::ReadTransfer(BytePort& port, QObject* parent, const LinkTiming& timing)
    : RadioTransfer(port, timing, parent), retryTimer_(this) {
    retryTimer_.setObjectName(QStringLiteral("ReTime"));
    retryTimer_.setSingleShot(true);
    retryTimer_.setInterval(timing_.retryDelayMs);
    connect(&retryTimer_, &QTimer::timeout, this, [this] {
        SetOkEnabled(true);
        Ok();
    });
    connect(&engine_, &LinkEngine::WorkerProgress, this,
            [this](int done) { SetProgress(done, ProgressMaximum()); });
}

void ReadTransfer::Show() {
    readComplete_ = false;
    firstLineError_ = true;
    timedOut_ = false;
    OpenRadioPortThenCheck(true);
}

void ReadTransfer::Ok() {
    readComplete_ = false;
    engine_.SetTransferState(LinkEngine::State::Running);
    reported_ = false;
    SetOkEnabled(false);
    After(timing_.okPauseMs, [this] {
        if (!port_.IsOpen()) {
            ReportOnce(App().language.LPortError);
            emit AttemptEnded(false);
            return;
        }
        engine_.StartAttempt();
    });
}

void ReadTransfer::OnIdent(const QString& modelCode) {
    model_ = App().MacList.FindByCode(modelCode);
    if (!model_) {
        ShowMessageBox(App().language.Confirmation, App().language.ModError, kNotice);
        emit AttemptEnded(false);
        return;
    }
    reported_ = false;
    SetProgress(0, model_->ChannelCount() + 8);
    engine_.StartWorker(ReadSteps(ReadAddresses(*model_)));
}

void ReadTransfer::OnWorkerFinished(bool success) {
    if (!success) {
        ReportOnce(App().language.ComError);
        if (!retryTimer_.isActive()) {
            emit AttemptEnded(false);
        }
        return;
    }
    const auto& blocks = engine_.ReadBlocks();
    auto block = [&blocks](int address) {
        const auto found = blocks.find(address);
        return found == blocks.end() ? QByteArray(8, char(0xFF)) : found->second;
    };
    std::map<int, Record> records;
    for (int address : ReadAddresses(*model_)) {
        records[address] = RecordFrom(block(address) + block(address + 8));
    }
    Codeplug codeplug = DecodeRadioRecords(records, *model_, App().MacList, App().FrqList);
    SetProgress(ProgressMaximum(), ProgressMaximum());
    ShowMessageBox(App().language.Confirmation, App().language.ReadOk, kNotice);
    codeplug.fun.ValidateRanges();
    ApplyCodeplug(codeplug, App().StagingTable);
    App().all.Modified = true;
    readComplete_ = true;
    codeplug_ = std::move(codeplug);
    StartCloseTimer();
    emit AttemptEnded(true);
}

void ReadTransfer::OnReplyTimedOut() {
    if (reported_) {
        // A failure was told already; the attempt is over unless a retry is on its way.
        if (!retryTimer_.isActive()) {
            SetOkEnabled(true);
            emit AttemptEnded(false);
        }
        return;
    }
    reported_ = true;
    const int answer =
        ShowMessageBox(App().language.Confirmation, App().language.ComError, kRetryCancel);
    SetOkEnabled(true);
    if (answer == kAnswerRetry) {
        Ok();
    } else {
        emit AttemptEnded(false);
    }
}

void ReadTransfer::OnLineError() {
    port_.DiscardInput();
    port_.DiscardOutput();
    if (firstLineError_) {
        reported_ = true;
        firstLineError_ = false;
        retryTimer_.start();
    } else {
        engine_.StartReplyTimer();
    }
    if (engine_.WorkerWaiting()) {
        timedOut_ = true;
        engine_.FailWaitingExchange();
    }
}

void ReadTransfer::OnCloseTimer() {
    if (!timedOut_) {
        emit CloseRequested();
    }
}

void TakeOverReadData() {
    TApp& app = App();
    app.ChannelTable.ResetTable();
    app.all.Modified = true;
    app.CurrentFile.clear();
    RefreshStatus();
    const TChannelTable& staging = app.StagingTable;
    for (int row = 2; row < staging.RowCount() && row < app.ChannelTable.RowCount(); ++row) {
        if (const auto values = staging.ReadChannelRow(row)) {
            app.ChannelTable.FillChannelRow(row, *values);
        }
    }
}
