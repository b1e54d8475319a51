#include "MainFrm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QToolBar>
#include <QToolButton>

#include "core/Globals.h"
#include "core/MessageBox.h"
#include "core/Seams.h"
#include "core/SysInfo.h"
#include "image/DataFile.h"
#include "link/PortList.h"
#include "link/ReadTransfer.h"
#include "ui/ChInfo.h"
#include "ui/ReadRadio.h"
#include "ui/SetPort.h"
#include "ui/Tags.h"
#include "ui/TranslateForm.h"
#include "ui/WriteRadio.h"

namespace {

const int kPanelWidths[5] = {50, 80, 120, 180, 200};

QPixmap Picture(const QString& resource, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(resource).render(&painter);
    return pixmap;
}

QFont StripFont() {
    QFont font = QApplication::font();
    font.setPixelSize(13);
    return font;
}

}  // namespace

// The pictures live in the window library's resources, which a static library must load.
static void LoadPictures() {
    Q_INIT_RESOURCE(resources);
}

TfMainFrm::TfMainFrm(PortFactory makePort) : makePort_(std::move(makePort)) {
    LoadPictures();
    Named(this, "fMainFrm");
    setWindowTitle(QStringLiteral("通信写频"));
    setWindowIcon(QIcon(QStringLiteral(":/icon")));
    mdi_ = new QMdiArea(this);
    setCentralWidget(mdi_);
    BuildMenus();
    BuildTopStrip();
    BuildStatusBar();
    lCom_ = Named(new QLabel(QStringLiteral("通信口："), this), "lCom");
    lCom_->hide();
    cbCom_ = Named(new QComboBox(this), "cbCom", kTagNoTranslation);
    cbCom_->hide();
    timer_.setObjectName(QStringLiteral("Timer"));
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] {
        panels_[2]->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    });
    App().RefreshStatus = [this] { RefreshStatus(); };
    resize(1280, 720);
}

QAction* TfMainFrm::AddCommand(QMenu* menu, const char* name, const QString& text, int command,
                               const QKeySequence& shortcut) {
    QAction* action = Named(new QAction(text, this), name, command);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, action] { ExecuteCommand(Tag(action)); });
    menu->addAction(action);
    return action;
}

void TfMainFrm::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    auto menu = [&](const char* name, const QString& title) {
        QMenu* created = Named(new QMenu(title, this), name);
        bar->addMenu(created);
        return created;
    };
    QMenu* file = menu("nFile", QStringLiteral("文件(&F)"));
    AddCommand(file, "N1", QStringLiteral("新建(&N)"), kNew,
               QKeySequence(QStringLiteral("Ctrl+N")));
    AddCommand(file, "O1", QStringLiteral("打开(&O)"), kOpen,
               QKeySequence(QStringLiteral("Ctrl+O")));
    AddCommand(file, "S2", QStringLiteral("保存(&S)"), kSave,
               QKeySequence(QStringLiteral("Ctrl+S")));
    AddCommand(file, "A1", QStringLiteral("另存为(&A)"), kSaveAs,
               QKeySequence(QStringLiteral("Ctrl+A")));
    file->addSeparator();
    AddCommand(file, "P2", QStringLiteral("打印(&P)"), kPrint,
               QKeySequence(QStringLiteral("Ctrl+P")));
    AddCommand(file, "V2", QStringLiteral("打印浏览(&V)"), kPreview,
               QKeySequence(QStringLiteral("Ctrl+V")));
    file->addSeparator();
    QAction* exit = Named(new QAction(QStringLiteral("退出(&E)"), this), "nExit");
    exit->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    file->addAction(exit);

    QMenu* edit = menu("nEdit", QStringLiteral("编辑(&E)"));
    AddCommand(edit, "E1", QStringLiteral("信道编辑(&C)"), kChannelEdit, QKeySequence(Qt::Key_F11));
    AddCommand(edit, "E2", QStringLiteral("批量编辑信道(&P)"), kBatchEdit,
               QKeySequence(Qt::Key_F10));
    edit->addSeparator();
    AddCommand(edit, "E12", QStringLiteral("功能设置(&G)"), kFunctions);
    edit->addSeparator()->setVisible(false);
    AddCommand(edit, "E10", QStringLiteral("测试频率(&T)"), kTestFrequencies)->setVisible(false);
    AddCommand(edit, "E11", QStringLiteral("嵌入信息(&M)"), kMessage)->setVisible(false);

    QMenu* program = menu("nProgram", QStringLiteral("编程(&P)"));
    AddCommand(program, "R1", QStringLiteral("从对讲机读取数据(&R)"), kRead,
               QKeySequence(QStringLiteral("Ctrl+R")));
    AddCommand(program, "W2", QStringLiteral("向对讲机写入数据(&W)"), kWrite,
               QKeySequence(QStringLiteral("Ctrl+W")));
    program->addSeparator();
    AddCommand(program, "T1", QStringLiteral("在线调试(&T)"), kTuning);

    QMenu* setup = menu("nSetup", QStringLiteral("设置(&S)"));
    AddCommand(setup, "N4", QStringLiteral("机型信息(&M)"), kModel);
    setup->addSeparator();
    AddCommand(setup, "C2", QStringLiteral("通信端口(&C)"), kPort);
    AddCommand(setup, "nLanguage", QStringLiteral("语言设置(&L)"), kLanguage);

    QMenu* view = menu("nView", QStringLiteral("视图(&V)"));
    QAction* toolbar = Named(new QAction(QStringLiteral("工具栏(&T)"), this), "nCool");
    QAction* status = Named(new QAction(QStringLiteral("状态栏(&S)"), this), "nBar");
    for (QAction* toggle : {toolbar, status}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
        view->addAction(toggle);
    }
    connect(toolbar, &QAction::toggled, this, [this](bool on) { pBar_->setVisible(on); });
    connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    QMenu* window = menu("nWindow", QStringLiteral("窗口(&W)"));
    AddCommand(window, "nC", QStringLiteral("层叠(&C)"), kCascade);
    AddCommand(window, "nH", QStringLiteral("横向平铺窗口(&H)"), kTileHorizontally);
    AddCommand(window, "nV", QStringLiteral("纵向平铺窗口(&V)"), kTileVertically);
    AddCommand(window, "npl", QStringLiteral("排列图标(&A)"), kArrangeIcons);
    window->addSeparator();
    AddCommand(window, "nCloseAll", QStringLiteral("关闭所有窗口(&W)"), kCloseAll);
    window->menuAction()->setVisible(false);

    QMenu* help = menu("nHelp", QStringLiteral("帮助(&H)"));
    AddCommand(help, "nHelpTopics", QStringLiteral("帮助主题(&H)"), kHelpTopics);
    help->addSeparator();
    AddCommand(help, "nAbout", QStringLiteral("关于..."), kAbout);
}

QToolButton* TfMainFrm::AddToolButton(QToolBar* bar, const char* name, const QString& tip,
                                      int command, const QString& icon) {
    auto* button = Named(new QToolButton(bar), name, command);
    button->setText(tip);
    button->setToolTip(tip);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFixedWidth(25);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    connect(button, &QToolButton::clicked, this, [this, button] { ExecuteCommand(Tag(button)); });
    bar->addWidget(button);
    return button;
}

void TfMainFrm::BuildTopStrip() {
    auto* strip = new QToolBar(this);
    strip->setObjectName(QStringLiteral("Strip"));
    strip->setMovable(false);
    strip->setFloatable(false);
    strip->toggleViewAction()->setEnabled(false);
    strip->setFixedHeight(29);
    addToolBar(Qt::TopToolBarArea, strip);

    pBar_ = Named(new QWidget(strip), "pBar");
    pBar_->setFixedWidth(251);
    auto* tbar = Named(new QToolBar(pBar_), "tbar");
    tbar->setIconSize(QSize(16, 16));
    auto* barLayout = new QHBoxLayout(pBar_);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->addWidget(tbar);
    AddToolButton(tbar, "tbNew", QStringLiteral("新建"), kNew, QStringLiteral(":/Image/0"));
    AddToolButton(tbar, "tbOpen", QStringLiteral("打开"), kOpen, QStringLiteral(":/Image/1"));
    AddToolButton(tbar, "tbSave", QStringLiteral("保存"), kSave, QStringLiteral(":/Image/3"));
    tbar->addSeparator();
    AddToolButton(tbar, "ToolButton3", QStringLiteral("信道编辑"), kChannelEdit,
                  QStringLiteral(":/Image/8"));
    tbar->addSeparator();
    AddToolButton(tbar, "tbPrint", QStringLiteral("打印"), kPrint, QStringLiteral(":/Image/2"));
    tbar->addSeparator();
    AddToolButton(tbar, "tbRead", QStringLiteral("读取"), kRead, QStringLiteral(":/Image/7"));
    tbar->addSeparator();
    AddToolButton(tbar, "tbWrite", QStringLiteral("写入"), kWrite, QStringLiteral(":/Image/5"));
    tbar->addSeparator();
    AddToolButton(tbar, "tbHelp", QStringLiteral("帮助"), kHelpTopics, QStringLiteral(":/Image/6"));
    strip->addWidget(pBar_);

    auto* panel5 = Named(new QWidget(strip), "Panel5");
    panel5->setFixedWidth(606);
    auto* info = new QHBoxLayout(panel5);
    info->setContentsMargins(12, 0, 0, 0);
    info->setSpacing(4);
    auto label = [&](const char* name, const QString& text) {
        auto* created = Named(new QLabel(text, panel5), name);
        created->setFont(StripFont());
        info->addWidget(created);
        return created;
    };
    label("lMode", QStringLiteral("机型："));
    stModel_ = label("stModel", QString());
    stModel_->setMinimumWidth(120);
    info->addSpacing(24);
    label("Label4", QStringLiteral("频率："));
    stFreq_ = label("stFreq", QString());
    info->addStretch();
    strip->addWidget(panel5);
}

void TfMainFrm::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("MainBar"));
    for (int i = 0; i < 5; ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setFixedWidth(kPanelWidths[i]);
        bar->addWidget(panels_[i]);
    }
}

QString TfMainFrm::StatusText(int panel) const {
    return panels_[panel]->text();
}

void TfMainFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!started_) {
        started_ = true;
        MainWindowStart();
    }
}

void TfMainFrm::MainWindowStart() {
    TALL& all = App().all;
    mdi_->setBackground(QBrush(Picture(QStringLiteral(":/PIC"), QSize(200, 150))));
    findChild<QAction*>(QStringLiteral("T1"))->setVisible(all.TuningEnabled);
    SelectDefaultModel();
    QStringList ports;
    ListComPorts(ports);
    cbCom_->addItems(ports);
    all.ComPort = NormalizeStartPort(all.ComPort, ports);
    cbCom_->setCurrentIndex(ports.indexOf(all.ComPort));
    App().CurrentFile.clear();
    if (all.LanguageIndex > 0) {
        TranslateForm(this, all.LanguageName, true);
        all.AppTitle = windowTitle();
    }
    setWindowTitle(all.AppTitle);
    RefreshStatus();
    ShowChannelWindow();
    timer_.start();
    all.Modified = false;
}

void TfMainFrm::ShowChannelWindow() {
    if (!channelWindow_) {
        channelWindow_ = new TfChInfo;
        QMdiSubWindow* sub = mdi_->addSubWindow(channelWindow_);
        sub->setWindowIcon(windowIcon());
        sub->move(0, 0);
    }
    QWidget* frame = channelWindow_->parentWidget();
    frame->show();
    // The frame grows by its borders and title so that the window inside keeps its size.
    const QSize inside = channelWindow_->size();
    frame->resize(frame->size() - frame->contentsRect().size() + inside + QSize(0, 0));
    frame->resize(frame->size() + inside - channelWindow_->size());
}

void TfMainFrm::RefreshStatus() {
    const TALL& all = App().all;
    panels_[0]->clear();
    panels_[1]->setText(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
    panels_[2]->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    panels_[3]->setText(lCom_->text() + all.ComPort);
    panels_[4]->clear();
    stModel_->setText(all.ModelName);
    stFreq_->setText(all.BandText);
    const QString& file = App().CurrentFile;
    setWindowTitle(file.isEmpty() ? all.AppTitle
                                  : all.AppTitle + QStringLiteral(" [") + file + QLatin1Char(']'));
}

void TfMainFrm::ExecuteCommand(int command) {
    if (channelWindow_) {
        channelWindow_->LeaveCellEditing();
    }
    switch (command) {
        case kNew:
            NewCodeplug();
            break;
        case kOpen:
            OpenCodeplug();
            break;
        case kSave:
            SaveCodeplug();
            break;
        case kSaveAs:
            SaveCodeplugAs();
            break;
        case kRead:
            RunReadCommand();
            break;
        case kWrite:
            RunWriteCommand();
            break;
        case kPort:
            RunPortCommand();
            break;
        case kCascade:
            mdi_->cascadeSubWindows();
            break;
        case kTileHorizontally:
        case kTileVertically:
        case kArrangeIcons:
            mdi_->tileSubWindows();
            break;
        case kCloseAll:
            mdi_->closeAllSubWindows();
            break;
        default:
            break;  // the windows of the other commands come with later work
    }
}

void TfMainFrm::RunReadCommand() {
    TfReadRadio dialog(this, makePort_);
    dialog.exec();
    if (dialog.ReadComplete()) {
        TakeOverReadData();
    }
    RefreshStatus();
}

void TfMainFrm::RunWriteCommand() {
    TfWriteRadio dialog(this, makePort_);
    dialog.exec();
}

void TfMainFrm::RunPortCommand() {
    TfSetPort dialog(this);
    dialog.exec();
    RefreshStatus();
}

void TfMainFrm::SwitchLanguage(int index, const QString& name) {
    TALL& all = App().all;
    all.LanguageIndex = index;
    all.LanguageName = name;
    LoadMessages(name);
    TranslateForm(this, name, true);
    all.AppTitle = windowTitle();
    RefreshStatus();
    if (channelWindow_) {
        channelWindow_->ApplyLanguage();
    }
}

bool TfMainFrm::AskToClose() {
    const TLanguage& texts = App().language;
    if (ShowMessageBox(texts.Confirmation, texts.ExitProgram, kYesNo) != kAnswerYes) {
        return false;
    }
    if (App().all.Modified &&
        ShowMessageBox(texts.Confirmation, texts.SaveProgram, kYesNo) == kAnswerYes &&
        SaveCodeplug() == SaveResult::Failed) {
        return false;  // the data could not be saved: the program stays open with it
    }
    QString error;
    if (!WriteSysInfo(&error)) {
        ShowMessageBox(
            texts.Confirmation,
            QStringLiteral("The port and language settings could not be saved: %1.").arg(error),
            kNotice);
    }
    return true;
}

void TfMainFrm::closeEvent(QCloseEvent* event) {
    if (closing_ || AskToClose()) {
        closing_ = true;
        timer_.stop();
        event->accept();
    } else {
        event->ignore();
    }
}
