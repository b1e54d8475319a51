#pragma once

#include <QWidget>

class ChannelGridModel;
class QComboBox;
class QLabel;
class QListWidget;
class QModelIndex;
class QTableView;
class TChannelTable;

// fChInfo: the channel window. Shows the channel table in the grid gvData; frequencies are
// typed into the cells, the other values are chosen in small boxes over the selected cell.
class TfChInfo : public QWidget {
    Q_OBJECT

  public:
    explicit TfChInfo(QWidget* parent = nullptr);

    QTableView* Grid() const { return gvData_; }
    ChannelGridModel* Model() const { return model_; }
    // The box shown over a cell of the given table column, or none.
    QComboBox* BoxOfColumn(int column) const;
    // Selects a cell of the table, as a click on it does.
    void SelectCell(int column, int row);
    // Closes the cell editor and hides the in-cell boxes (before any menu command).
    void LeaveCellEditing();
    // Re-renders titles and choice texts after a language switch.
    void ApplyLanguage();
    // Opens the tone picker for a tone box, as a double-click on it does.
    void PickTone(QComboBox* box);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QComboBox* MakeBox(const char* name, int tag, const QStringList& items, bool editable);
    // Titles and choice texts (after a translation) into the table.
    void TakeTextsIntoTable();
    void BuildColumns();
    void OnCellPressed(const QModelIndex& index);
    void ShowCellEditor();
    void ComBoxSetData(QComboBox* box);
    void HideBox(QComboBox* box);

    TChannelTable& table_;
    QTableView* gvData_;
    ChannelGridModel* model_;
    QListWidget* BColText_;
    QLabel* lNone_;
    QComboBox* cbQT_;
    QComboBox* cbDQT_;
    QComboBox* cbfsgl_;
    QComboBox* cbkz_;
    QComboBox* cbHave_;
    int selCol_ = 0;
    int selRow_ = 0;
    bool built_ = false;
};
