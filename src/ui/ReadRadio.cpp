#include "ReadRadio.h"

TfReadRadio::TfReadRadio(QWidget* parent, const PortFactory& makePort)
    : TransferDialog(parent, "fReadRadio", QStringLiteral("从对讲机读取信息"), makePort()),
      transfer_(Port(), this) {
    Attach(&transfer_);
}
