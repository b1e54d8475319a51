#include "WriteTransfer.h"

#include "core/ConversionError.h"
#include "core/Globals.h"
#include "core/MessageBox.h"

ModelComparison CompareModels(const QString& radioCode, const TMacType& current) {
    if (radioCode == current.Code()) {
        return ModelComparison::SameModel;
    }
    const TMacType* radioModel = App().MacList.FindByCode(radioCode);
    if (radioModel && radioModel->ChannelCount() != current.ChannelCount()) {
        return ModelComparison::Refused;
    }
    return ModelComparison::Ask;
}

WriteTransfer::WriteTransfer(BytePort& port, QObject* parent, const LinkTiming& timing)
    : RadioTransfer(port, timing, parent) {
    connect(&engine_, &LinkEngine::WorkerProgress, this,
            [this](int done) { SetProgress(done, ProgressMaximum()); });
}

void WriteTransfer::Show() {
    timedOut_ = false;
    OpenRadioPortThenCheck(false);
}

void WriteTransfer::Ok() {
    SetOkEnabled(false);
    After(timing_.okPauseMs, [this] { StartWrite(); });
}

void WriteTransfer::StartWrite() {
    engine_.SetTransferState(LinkEngine::State::Running);
    reported_ = false;
    SetOkEnabled(false);
    // The codeplug is taken now, so that a row the codec cannot take stops the write before
    // the radio is touched.
    TApp& app = App();
    try {
        const Codeplug codeplug = CaptureCodeplug(app.ChannelTable);
        const ChannelMaps maps = BuildChannelMaps(codeplug);
        app.all.ChannelMap = maps.channelMap;
        app.all.ScanMap = maps.scanMap;
        records_ = WriteRecords(codeplug, *app.all.CurrentModel, app.FrqList);
    } catch (const ConversionError& error) {
        ReportOnce(QStringLiteral("Nothing was written. %1.").arg(error.message()));
        SetOkEnabled(true);
        emit AttemptEnded(false);
        return;
    }
    if (!port_.IsOpen()) {
        ReportOnce(app.language.LPortError);
        emit AttemptEnded(false);
        return;
    }
    port_.DiscardInput();
    port_.DiscardOutput();
    After(timing_.writeStartPauseMs, [this] { engine_.StartAttempt(); });
}

void WriteTransfer::OnIdent(const QString& modelCode) {
    const TLanguage& texts = App().language;
    switch (CompareModels(modelCode, *App().all.CurrentModel)) {
        case ModelComparison::SameModel:
            StartWorker();
            break;
        case ModelComparison::Ask:
            if (ShowMessageBox(texts.Confirmation, texts.Modforce, kYesNo) == kAnswerYes) {
                StartWorker();
            } else {
                emit AttemptEnded(false);
            }
            break;
        case ModelComparison::Refused:
            ShowMessageBox(texts.Confirmation, texts.ModError, kNotice);
            emit AttemptEnded(false);
            break;
    }
}

void WriteTransfer::StartWorker() {
    reported_ = false;
    SetProgress(0, int(records_.size()));
    std::vector<LinkStep> steps;
    for (const RecordWrite& write : records_) {
        const QByteArray bytes = RecordBytes(write.record);
        steps.push_back({LinkStep::Kind::WriteBlock, write.address, write.command, bytes.left(8)});
        steps.push_back(
            {LinkStep::Kind::WriteBlock, write.address + 8, write.command, bytes.mid(8)});
        steps.push_back({LinkStep::Kind::Progress, 0, 0, {}});
    }
    engine_.StartWorker(std::move(steps));
}

void WriteTransfer::OnWorkerFinished(bool success) {
    if (success) {
        SetProgress(ProgressMaximum(), ProgressMaximum());
        ShowMessageBox(App().language.Confirmation, App().language.WriteOk, kNotice);
        SetProgress(0, ProgressMaximum());
    } else {
        ReportOnce(App().language.ComError);
    }
    SetOkEnabled(true);
    emit AttemptEnded(success);
}

void WriteTransfer::OnReplyTimedOut() {
    if (reported_) {
        // A failure was told already; the attempt is over, OK starts the next.
        SetOkEnabled(true);
        emit AttemptEnded(false);
        return;
    }
    SetOkEnabled(true);
    reported_ = true;
    const int answer =
        ShowMessageBox(App().language.Confirmation, App().language.ComError, kRetryCancel);
    if (answer == kAnswerRetry) {
        StartWrite();
    } else {
        emit AttemptEnded(false);
    }
}

void WriteTransfer::OnLineError() {
    const bool notify = !reported_;
    reported_ = true;
    if (engine_.WorkerWaiting()) {
        timedOut_ = true;
        engine_.FailWaitingExchange();
    }
    if (notify) {
        ShowMessageBox(App().language.Confirmation, App().language.ComError, kNotice);
    }
}
