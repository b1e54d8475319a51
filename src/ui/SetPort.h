#pragma once

#include <QDialog>

class QComboBox;

// fSetPort: the user picks the serial port the radio windows use.
class TfSetPort : public QDialog {
    Q_OBJECT

  public:
    explicit TfSetPort(QWidget* parent);

    QComboBox* PortChooser() const { return cbCom_; }

  private:
    QComboBox* cbCom_;
};
