#pragma once

#include <QObject>
#include <QTimer>

#include "link/BytePort.h"
#include "link/LinkEngine.h"

// What the read and write windows share: the port, the engine, the reported flag, the
// close timer, the OK button's state and the progress bar. The windows only show it.
class RadioTransfer : public QObject {
    Q_OBJECT

  public:
    RadioTransfer(BytePort& port, const LinkTiming& timing, QObject* parent = nullptr);
    ~RadioTransfer() override;

    // The window is shown: opens the port; when that fails the window closes shortly after.
    virtual void Show() = 0;
    // The OK button.
    virtual void Ok() = 0;
    // The window closes: the port is closed and nothing in flight goes on.
    void Close();

    bool OkEnabled() const { return okEnabled_; }
    int ProgressMaximum() const { return progressMaximum_; }
    LinkEngine& Engine() { return engine_; }

  signals:
    void OkEnabledChanged(bool enabled);
    void ProgressChanged(int value, int maximum);
    void CloseRequested();
    // An attempt has come to an end that needs a person (or a script) to act next.
    void AttemptEnded(bool success);

  protected:
    // Opens the port after the pause the port wants between close and open; shows
    // LPortError and starts the close timer when it fails.
    void OpenRadioPortThenCheck(bool discardQueues);
    // Shows a notice unless a failure has been reported in this attempt already.
    void ReportOnce(const QString& text);
    void SetOkEnabled(bool enabled);
    void SetProgress(int value, int maximum);
    void StartCloseTimer() { closeTimer_.start(); }
    virtual void OnCloseTimer() { emit CloseRequested(); }
    virtual void OnIdent(const QString& modelCode) = 0;
    virtual void OnWorkerFinished(bool success) = 0;
    virtual void OnReplyTimedOut() = 0;
    virtual void OnLineError() = 0;
    void After(int ms, std::function<void()> action);

    BytePort& port_;
    LinkTiming timing_;
    LinkEngine engine_;
    bool reported_ = false;
    bool timedOut_ = false;

  private:
    QTimer closeTimer_;
    bool okEnabled_ = true;
    int progressMaximum_ = 0;
    bool closed_ = false;
};
