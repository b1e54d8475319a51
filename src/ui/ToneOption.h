#pragma once

#include <QDialog>

class QGroupBox;
class QListWidget;
class QRadioButton;
class QTableWidget;

// fToneOption: the tone picker. Shows the picker code table as three grids (CTCSS, DCS-N,
// DCS-I) and hands back the tone double-clicked; empty when nothing was picked.
class TfToneOption : public QDialog {
    Q_OBJECT

  public:
    explicit TfToneOption(QWidget* parent);

    QString SelectedTone() const { return selectedTone_; }
    QTableWidget* GridOf(int tag) const;
    QRadioButton* ButtonOf(int tag) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QTableWidget* MakeGrid(const char* name, int rowHeight);
    void BuildToneGrids();
    void rCTCSSClick(int tag);
    void Pick(int tag, int row, int column);

    QRadioButton* radios_[3] = {};
    QTableWidget* grids_[3] = {};
    QListWidget* lbSel_;
    QListWidget* lbValue_;
    QGroupBox* gbList_;
    QString selectedTone_;
};
