#pragma once

#include "link/WriteTransfer.h"
#include "ui/TransferDialog.h"

// fWriteRadio: writes the program's codeplug into one radio after another.
class TfWriteRadio : public TransferDialog {
    Q_OBJECT

  public:
    explicit TfWriteRadio(QWidget* parent, const PortFactory& makePort = SerialPortFactory());

  private:
    WriteTransfer transfer_;
};
