#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>

#include "ui/TransferDialog.h"

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QToolButton;
class TfChInfo;

// fMainFrm: the program's frame. Menus and tool buttons carry command numbers in their tags
// and all run through ExecuteCommand.
class TfMainFrm : public QMainWindow {
    Q_OBJECT

  public:
    // Command numbers of the menu items and tool buttons.
    enum Command {
        kNew = 1,
        kOpen = 2,
        kSave = 3,
        kSaveAs = 4,
        kPrint = 7,
        kPreview = 8,
        kModel = 9,
        kChannelEdit = 10,
        kTestFrequencies = 18,
        kMessage = 19,
        kRead = 20,
        kWrite = 21,
        kTuning = 22,
        kPort = 24,
        kLanguage = 25,
        kCascade = 29,
        kTileHorizontally = 30,
        kTileVertically = 31,
        kArrangeIcons = 32,
        kCloseAll = 33,
        kHelpTopics = 34,
        kAbout = 35,
        kBatchEdit = 36,
        kFunctions = 37,
    };

    explicit TfMainFrm(PortFactory makePort = SerialPortFactory());

    void ExecuteCommand(int command);
    void RefreshStatus();
    TfChInfo* ChannelWindow() const { return channelWindow_; }
    // The language switch: new language, catalogue, main window, channel window.
    void SwitchLanguage(int index, const QString& name);
    QString StatusText(int panel) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* AddCommand(QMenu* menu, const char* name, const QString& text, int command,
                        const QKeySequence& shortcut = {});
    QToolButton* AddToolButton(QToolBar* bar, const char* name, const QString& tip, int command,
                               const QString& icon);
    void BuildMenus();
    void BuildTopStrip();
    void BuildStatusBar();
    void MainWindowStart();
    void ShowChannelWindow();
    void RunReadCommand();
    void RunWriteCommand();
    void RunPortCommand();
    bool AskToClose();

    PortFactory makePort_;
    QMdiArea* mdi_;
    TfChInfo* channelWindow_ = nullptr;
    QWidget* pBar_;
    QLabel* stModel_;
    QLabel* stFreq_;
    QLabel* lCom_;
    QComboBox* cbCom_;
    QLabel* panels_[5];
    QTimer timer_;
    bool started_ = false;
    bool closing_ = false;
};
