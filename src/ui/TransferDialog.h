#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "link/BytePort.h"
#include "link/RadioTransfer.h"

class QProgressBar;
class QPushButton;

// Makes the serial port a radio window talks through; tests hand in a simulated one.
using PortFactory = std::function<std::unique_ptr<BytePort>()>;
PortFactory SerialPortFactory();

// The frame of the read and write windows: a progress bar and OK and Cancel buttons over
// the transfer logic of the core, which they only show and drive.
class TransferDialog : public QDialog {
    Q_OBJECT

  public:
    QProgressBar* ProgressBar() const { return pBar_; }
    QPushButton* OkButton() const { return btnOk_; }

  protected:
    TransferDialog(QWidget* parent, const char* name, const QString& caption,
                   std::unique_ptr<BytePort> port);
    // Wires the transfer to the controls; called by the subclass once it made the transfer.
    void Attach(RadioTransfer* transfer);
    BytePort& Port() { return *port_; }

    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    std::unique_ptr<BytePort> port_;
    RadioTransfer* transfer_ = nullptr;
    QProgressBar* pBar_;
    QPushButton* btnOk_;
    QPushButton* btnCancel_;
    bool shown_ = false;
};
