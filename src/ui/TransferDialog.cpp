#include "TransferDialog.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/SerialBytePort.h"
#include "ui/Tags.h"
#include "ui/TranslateForm.h"

PortFactory SerialPortFactory() {
    return [] { return std::make_unique<SerialBytePort>(); };
}

TransferDialog::TransferDialog(QWidget* parent, const char* name, const QString& caption,
                               std::unique_ptr<BytePort> port)
    : QDialog(parent), port_(std::move(port)) {
    Named(this, name);
    Named(port_.get(), "myPort");
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    pBar_ = Named(new QProgressBar(this), "pBar");
    pBar_->setFixedWidth(300);
    pBar_->setMinimum(0);
    pBar_->setValue(0);
    btnOk_ = Named(new QPushButton(QStringLiteral("确定(&O)"), this), "btnOk");
    btnCancel_ = Named(new QPushButton(QStringLiteral("取消(&C)"), this), "btnCancel");
    btnOk_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk_);
    buttons->addWidget(btnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(14);
    layout->addWidget(pBar_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TransferDialog::Attach(RadioTransfer* transfer) {
    transfer_ = transfer;
    connect(btnOk_, &QPushButton::clicked, transfer, &RadioTransfer::Ok);
    connect(transfer, &RadioTransfer::OkEnabledChanged, btnOk_, &QPushButton::setEnabled);
    connect(transfer, &RadioTransfer::ProgressChanged, this, [this](int value, int maximum) {
        pBar_->setMaximum(std::max(1, maximum));
        pBar_->setValue(value);
    });
    connect(transfer, &RadioTransfer::CloseRequested, this, &QDialog::accept);
}

void TransferDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        TranslateOnOpen(this, false);
        transfer_->Show();
    }
}

void TransferDialog::done(int result) {
    // The port closes and nothing of the transfer touches the window any more.
    transfer_->Close();
    QDialog::done(result);
}
