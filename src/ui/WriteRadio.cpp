#include "WriteRadio.h"

TfWriteRadio::TfWriteRadio(QWidget* parent, const PortFactory& makePort)
    : TransferDialog(parent, "fWriteRadio", QStringLiteral("向对讲机写数据"), makePort()),
      transfer_(Port(), this) {
    Attach(&transfer_);
}
