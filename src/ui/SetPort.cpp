#include "SetPort.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "core/Globals.h"
#include "link/PortList.h"
#include "ui/Tags.h"
#include "ui/TranslateForm.h"

TfSetPort::TfSetPort(QWidget* parent) : QDialog(parent) {
    Named(this, "fSetPort");
    setWindowTitle(QStringLiteral("端口设置"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    auto* lbName = Named(new QLabel(QStringLiteral("通信端口："), this), "lbName");
    lbName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cbCom_ = Named(new QComboBox(this), "cbCom");
    cbCom_->setMinimumWidth(160);
    auto* btnOk = Named(new QPushButton(QStringLiteral("确定(&O)"), this), "btnOk");
    auto* btnCancel = Named(new QPushButton(QStringLiteral("取消(&C)"), this), "btnCancel");
    btnOk->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addWidget(lbName, 0, 0);
    layout->addWidget(cbCom_, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons, 1, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    TranslateOnOpen(this, true);
    QStringList ports;
    ListComPorts(ports);
    cbCom_->addItems(ports);
    cbCom_->setCurrentIndex(PortChoiceIndex(ports, App().all.ComPort));

    connect(btnOk, &QPushButton::clicked, this, [this] {
        App().all.ComPort = cbCom_->currentText();
        accept();
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}
