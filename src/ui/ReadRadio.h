#pragma once

#include "link/ReadTransfer.h"
#include "ui/TransferDialog.h"

// fReadRadio: reads a radio into the program.
class TfReadRadio : public TransferDialog {
    Q_OBJECT

  public:
    explicit TfReadRadio(QWidget* parent, const PortFactory& makePort = SerialPortFactory());
    bool ReadComplete() const { return transfer_.ReadComplete(); }

  private:
    ReadTransfer transfer_;
};
