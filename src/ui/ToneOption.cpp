#include "ToneOption.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QRadioButton>
#include <QStackedLayout>
#include <QTableWidget>
#include <QVBoxLayout>

#include "codeplug/ToneTables.h"
#include "ui/Tags.h"
#include "ui/TranslateForm.h"

namespace {

const PickerTable kTables[3] = {PickerTable::Ctcss, PickerTable::DcsN, PickerTable::DcsI};

QColor Background(PickerTable table, PickerCell::Kind kind) {
    switch (kind) {
        case PickerCell::Kind::Index:
            return table == PickerTable::Ctcss ? QColor(249, 141, 227) : QColor(47, 231, 220);
        case PickerCell::Kind::Code:
            return QColor(225, 249, 112);
        default:
            return Qt::white;
    }
}

}  // namespace

TfToneOption::TfToneOption(QWidget* parent) : QDialog(parent) {
    Named(this, "fToneOption");
    setWindowTitle(QStringLiteral("信道码"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Noto Sans")});
    font.setPixelSize(13);
    setFont(font);
    setFixedSize(585, 308);

    auto* GroupBox1 = Named(new QGroupBox(QStringLiteral("信道音选择"), this), "GroupBox1");
    auto* choices = new QHBoxLayout(GroupBox1);
    choices->setContentsMargins(8, 0, 8, 2);
    const char* radioNames[3] = {"rCTCSS", "rDCSN", "rDCSI"};
    const char* radioTexts[3] = {"CTCSS", "DCS-N", "DCS-I"};
    for (int tag = 0; tag < 3; ++tag) {
        radios_[tag] = Named(new QRadioButton(QString::fromLatin1(radioTexts[tag]), GroupBox1),
                             radioNames[tag], tag);
        choices->addWidget(radios_[tag]);
        connect(radios_[tag], &QRadioButton::clicked, this, [this, tag] { rCTCSSClick(tag); });
    }
    choices->addStretch();
    lbSel_ = Named(new QListWidget(GroupBox1), "lbSel");
    lbSel_->addItems({QStringLiteral("CTCSS频率表"), QStringLiteral("DCS-N代码表"),
                      QStringLiteral("DCS-I代码表")});
    lbSel_->hide();

    gbList_ = Named(new QGroupBox(QStringLiteral("代码表"), this), "gbList");
    auto* stack = new QStackedLayout(gbList_);
    stack->setStackingMode(QStackedLayout::StackAll);
    grids_[0] = MakeGrid("gvCtcss", 24);
    grids_[1] = MakeGrid("gvDcsN", 20);
    grids_[2] = MakeGrid("gvDcsI", 20);
    for (QTableWidget* grid : grids_) {
        stack->addWidget(grid);
    }
    lbValue_ = Named(new QListWidget(gbList_), "lbValue", kTagNoTranslation);
    lbValue_->addItems(PickerCodeTable());
    lbValue_->hide();

    stack->setContentsMargins(2, 0, 2, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(2);
    layout->addWidget(GroupBox1);
    layout->addWidget(gbList_, 1);
    radios_[0]->setChecked(true);
}

QTableWidget* TfToneOption::MakeGrid(const char* name, int rowHeight) {
    auto* grid = Named(new QTableWidget(gbList_), name, kTagNoTranslation);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(8);
    grid->verticalHeader()->setMinimumSectionSize(8);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setContextMenuPolicy(Qt::NoContextMenu);
    grid->setShowGrid(true);
    grid->setWordWrap(false);
    grid->setTextElideMode(Qt::ElideNone);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setStyleSheet(QStringLiteral("QTableWidget::item { padding: 0px; }"));
    grid->hide();
    const int tag = grids_[0] ? (grids_[1] ? 2 : 1) : 0;
    connect(grid, &QTableWidget::cellDoubleClicked, this,
            [this, tag](int row, int column) { Pick(tag, row, column); });
    return grid;
}

QTableWidget* TfToneOption::GridOf(int tag) const {
    return grids_[tag];
}
QRadioButton* TfToneOption::ButtonOf(int tag) const {
    return radios_[tag];
}

void TfToneOption::BuildToneGrids() {
    for (int tag = 0; tag < 3; ++tag) {
        const PickerGrid layout = BuildPickerGrid(kTables[tag]);
        QTableWidget* grid = grids_[tag];
        grid->setUpdatesEnabled(false);
        grid->clear();
        grid->setRowCount(layout.rows);
        grid->setColumnCount(layout.columns);
        for (int column = 0; column < layout.columns; ++column) {
            grid->setColumnWidth(column, layout.columnWidths[column]);
        }
        for (int row = 0; row < layout.rows; ++row) {
            for (int column = 0; column < layout.columns; ++column) {
                const PickerCell& cell = layout.At(row, column);
                auto* item = new QTableWidgetItem(cell.text);
                item->setTextAlignment(Qt::AlignCenter);
                item->setBackground(Background(kTables[tag], cell.kind));
                item->setForeground(Qt::black);
                if (cell.kind == PickerCell::Kind::Value) {
                    QFont bold = font();
                    bold.setBold(true);
                    item->setFont(bold);
                }
                grid->setItem(row, column, item);
            }
        }
        grid->setUpdatesEnabled(true);
    }
}

void TfToneOption::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    BuildToneGrids();
    selectedTone_.clear();
    TranslateOnOpen(this, false);
    rCTCSSClick(0);
}

void TfToneOption::rCTCSSClick(int tag) {
    gbList_->setEnabled(false);
    for (int i = 0; i < 3; ++i) {
        grids_[i]->setVisible(radios_[i]->isChecked());
    }
    gbList_->setTitle(lbSel_->item(tag)->text());
    gbList_->setEnabled(true);
}

void TfToneOption::Pick(int tag, int row, int column) {
    const auto tone = BuildPickerGrid(kTables[tag]).Pick(row, column);
    if (tone) {
        selectedTone_ = *tone;
        accept();
    }
}
