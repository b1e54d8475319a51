#pragma once

#include <QTimer>
#include <optional>

#include "image/Codeplug.h"
#include "link/RadioTransfer.h"

// The read window's logic: greets the radio, checks its model, reads every record of the
// memory map and, only when all of them arrived, makes the radio's codeplug the program's:
// model, band, function settings and message, and its channels in the staging table.
class ReadTransfer : public RadioTransfer {
    Q_OBJECT

  public:
    ReadTransfer(BytePort& port, QObject* parent = nullptr,
                 const LinkTiming& timing = LinkTiming::Read());

    void Show() override;
    void Ok() override;

    bool ReadComplete() const { return readComplete_; }
    // The codeplug of the last complete read.
    const std::optional<Codeplug>& ReadCodeplug() const { return codeplug_; }

  protected:
    void OnCloseTimer() override;
    void OnIdent(const QString& modelCode) override;
    void OnWorkerFinished(bool success) override;
    void OnReplyTimedOut() override;
    void OnLineError() override;

  private:
    QTimer retryTimer_;  // ReTime
    bool readComplete_ = false;
    bool firstLineError_ = true;
    const TMacType* model_ = nullptr;
    std::optional<Codeplug> codeplug_;
};

// Carries the channels of a complete read from the staging table into the channel table.
void TakeOverReadData();
