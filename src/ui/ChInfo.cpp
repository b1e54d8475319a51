#include "ChInfo.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "codeplug/ToneTables.h"
#include "core/Globals.h"
#include "ui/ChannelGridModel.h"
#include "ui/KeyFilter.h"
#include "ui/Tags.h"
#include "ui/ToneOption.h"
#include "ui/TranslateForm.h"

namespace {

constexpr int kRowHeight = 20;

// The grid's text editor: takes digits and the decimal point, opens with its text selected.
class FrequencyDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->installEventFilter(new KeyFilter(kFrequencyKeys, editor));
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        QStyledItemDelegate::setEditorData(editor, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->selectAll();
        }
    }
};

// The grid, telling whether its text editor is open.
class GridView : public QTableView {
  public:
    using QTableView::QTableView;
    bool IsEditing() const { return state() == QAbstractItemView::EditingState; }
};

}  // namespace

TfChInfo::TfChInfo(QWidget* parent) : QWidget(parent), table_(App().ChannelTable) {
    Named(this, "fChInfo");
    setWindowTitle(QStringLiteral("信道信息"));

    gvData_ = Named(new GridView(this), "gvData", kTagNoTranslation);
    model_ = new ChannelGridModel(table_, this);
    gvData_->setModel(model_);
    gvData_->setItemDelegate(new FrequencyDelegate(gvData_));
    // The texts of the narrowest columns fit in their widths at the window font of the
    // target systems (12 pixels).
    QFont gridFont = gvData_->font();
    gridFont.setPixelSize(12);
    gvData_->setFont(gridFont);
    gvData_->horizontalHeader()->hide();
    gvData_->verticalHeader()->hide();
    gvData_->verticalHeader()->setMinimumSectionSize(8);
    gvData_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    gvData_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gvData_->setSelectionMode(QAbstractItemView::SingleSelection);
    gvData_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    gvData_->setContextMenuPolicy(Qt::NoContextMenu);
    gvData_->installEventFilter(new KeyFilter(kFrequencyKeys, gvData_));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gvData_);

    BColText_ = Named(new QListWidget(this), "BColText");
    BColText_->addItems(DefaultColumnText());
    BColText_->hide();
    lNone_ = Named(new QLabel(QStringLiteral("无"), this), "lNone");
    lNone_->hide();

    const QStringList& tones = DropDownToneList();
    cbQT_ = MakeBox("cbQT", kTagFirstItemOnly, tones, true);
    cbDQT_ = MakeBox("cbDQT", kTagFirstItemOnly, tones, true);
    cbfsgl_ = MakeBox("cbfsgl", 0, {QStringLiteral("低"), QStringLiteral("高")}, false);
    cbkz_ = MakeBox("cbkz", 0, {QStringLiteral("宽带"), QStringLiteral("窄带")}, false);
    cbHave_ = MakeBox("cbHave", 0, {QStringLiteral("有"), QStringLiteral("无")}, false);

    connect(gvData_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                selCol_ = ChannelGridModel::TableColumn(current);
                selRow_ = ChannelGridModel::TableRow(current);
                ShowCellEditor();
            });
    connect(gvData_, &QTableView::pressed, this, &TfChInfo::OnCellPressed);
}

QComboBox* TfChInfo::MakeBox(const char* name, int tag, const QStringList& items, bool editable) {
    auto* box = Named(new QComboBox(gvData_->viewport()), name, tag);
    box->addItems(items);
    box->setEditable(editable);
    box->setMaxVisibleItems(16);
    box->hide();
    box->installEventFilter(this);
    if (editable) {
        box->setInsertPolicy(QComboBox::NoInsert);
        box->lineEdit()->installEventFilter(new KeyFilter(kToneKeys, box));
        box->lineEdit()->installEventFilter(this);
    }
    connect(box, &QComboBox::activated, this, [this, box] { ComBoxSetData(box); });
    return box;
}

QComboBox* TfChInfo::BoxOfColumn(int column) const {
    switch (column) {
        case kColDecode:
            return cbQT_;
        case kColEncode:
            return cbDQT_;
        case kColPower:
            return cbfsgl_;
        case kColBandwidth:
            return cbkz_;
        case kColScanAdd:
        case kColBeatShift:
        case kColBusyLock:
            return cbHave_;
        default:
            return nullptr;
    }
}

void TfChInfo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (built_) {
        return;
    }
    built_ = true;
    TranslateOnOpen(this, true);
    BuildColumns();
}

void TfChInfo::TakeTextsIntoTable() {
    QStringList columnText;
    for (int i = 0; i < BColText_->count(); ++i) {
        columnText.append(BColText_->item(i)->text());
    }
    table_.SetColumnText(columnText);
    auto items = [](const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i) {
            texts.append(box->itemText(i));
        }
        return texts;
    };
    ChoiceTexts choices;
    choices.noneWord = cbQT_->itemText(0);
    choices.power = items(cbfsgl_);
    choices.bandwidth = items(cbkz_);
    choices.yesNo = items(cbHave_);
    table_.SetChoices(choices);
    lNone_->setText(choices.noneWord);
}

void TfChInfo::BuildColumns() {
    TakeTextsIntoTable();
    table_.ResetTable();
    int width = 30;
    for (int column = kColNumber; column < kChannelColumns; ++column) {
        gvData_->setColumnWidth(column - 1, table_.ColumnWidth(column));
        width += table_.ColumnWidth(column);
    }
    resize(width, std::max(height(), 30 * table_.ChannelCount()));
}

void TfChInfo::SelectCell(int column, int row) {
    gvData_->setCurrentIndex(model_->IndexOf(column, row));
    OnCellPressed(model_->IndexOf(column, row));
}

void TfChInfo::OnCellPressed(const QModelIndex& index) {
    const int column = ChannelGridModel::TableColumn(index);
    const int row = ChannelGridModel::TableRow(index);
    const bool frequency = column == kColRx || (column == kColTx && table_.HoldsChannel(row));
    if (frequency && !table_.IsReadOnly(column, row)) {
        gvData_->edit(index);
    } else {
        ShowCellEditor();
    }
}

void TfChInfo::ShowCellEditor() {
    QComboBox* box = BoxOfColumn(selCol_);
    if (!box || selRow_ <= kTitleRow || !table_.HoldsChannel(selRow_)) {
        return;
    }
    if (selCol_ == kColEncode && table_.Text(kColTx, selRow_).trimmed().isEmpty()) {
        return;  // a channel that does not transmit has no encode tone to choose
    }
    LeaveCellEditing();
    const QSignalBlocker quiet(box);  // showing the cell's value is not a change
    if (box->isEditable()) {
        box->setEditText(table_.Text(selCol_, selRow_));
    } else {
        box->setCurrentIndex(std::max(0, table_.Back(selCol_, selRow_).toInt()));
    }
    const QRect cell = gvData_->visualRect(model_->IndexOf(selCol_, selRow_));
    box->setGeometry(cell.left() + 2, cell.top() + 2, table_.ColumnWidth(selCol_), cell.height());
    box->show();
    box->raise();
    box->setFocus();
}

void TfChInfo::ComBoxSetData(QComboBox* box) {
    if (App().all.GridRefreshing || selRow_ <= kTitleRow || !table_.HoldsChannel(selRow_)) {
        return;
    }
    if (Tag(box) == kTagFirstItemOnly) {
        table_.SetTone(selCol_, selRow_, box->currentText());
        box->setEditText(table_.Text(selCol_, selRow_));
    } else {
        table_.SetChoice(selCol_, selRow_, box->currentIndex());
    }
}

void TfChInfo::HideBox(QComboBox* box) {
    // The grid takes the focus first: a focused box that hides would pass the focus on,
    // and the grid would take that as a step to the next cell.
    gvData_->setFocus();
    box->hide();
}

void TfChInfo::LeaveCellEditing() {
    for (QComboBox* box : {cbQT_, cbDQT_, cbfsgl_, cbkz_, cbHave_}) {
        if (box->isVisible()) {
            HideBox(box);
        }
    }
    // Taking the focus from the open text editor commits what was typed and closes it.
    if (static_cast<GridView*>(gvData_)->IsEditing()) {
        gvData_->setFocus();
    }
}

void TfChInfo::PickTone(QComboBox* box) {
    TfToneOption picker(window());
    picker.exec();
    if (!picker.SelectedTone().isEmpty()) {
        box->setEditText(picker.SelectedTone());
        ComBoxSetData(box);
    }
}

bool TfChInfo::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QComboBox*>(watched);
    if (!box && watched->parent()) {
        box = qobject_cast<QComboBox*>(watched->parent());  // the line edit of a tone box
    }
    if (!box) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (box->isEditable()) {
                    ComBoxSetData(box);
                }
                HideBox(box);
                return true;
            }
            break;
        }
        case QEvent::FocusOut: {
            // Focus that moves within the box, to its list or to the tone picker stays.
            const QWidget* focus = QApplication::focusWidget();
            const bool stays = box->view()->isVisible() || focus == box ||
                               (focus && box->isAncestorOf(focus)) ||
                               QApplication::activeModalWidget() != nullptr;
            if (!stays && box->isVisible()) {
                if (box->isEditable() && box->currentText() != table_.Text(selCol_, selRow_)) {
                    ComBoxSetData(box);
                }
                box->hide();
            }
            break;
        }
        case QEvent::MouseButtonDblClick:
            if (Tag(box) == kTagFirstItemOnly) {
                PickTone(box);
                return true;
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void TfChInfo::ApplyLanguage() {
    App().all.GridRefreshing = true;
    TranslateForm(this, App().all.LanguageName, true);
    TakeTextsIntoTable();
    App().all.GridRefreshing = false;
}
