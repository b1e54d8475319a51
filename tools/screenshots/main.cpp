// Developer tool: shows the program with the sample codeplug and saves a picture of the main
// window and of each dialog into the folder given as the first argument. Run it through
// scripts/screenshots.sh, which starts it under Xvfb.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTableView>
#include <QTimer>

#include "codeplug/ChannelTable.h"
#include "core/Globals.h"
#include "image/DataFile.h"
#include "ui/ChInfo.h"
#include "ui/MainFrm.h"
#include "ui/MessageBoxes.h"
#include "ui/ReadRadio.h"
#include "ui/SetPort.h"
#include "ui/ToneOption.h"
#include "ui/WriteRadio.h"

namespace {

void Settle(int ms = 300) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Save(QWidget* widget, const QString& folder, const QString& name) {
    Settle();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    widget->window()->grab().save(path);
    qInfo("%s", qPrintable(path));
}

template <typename Dialog, typename... Args>
void ShowDialog(const QString& folder, const QString& name, Args&&... args) {
    Dialog dialog(std::forward<Args>(args)...);
    dialog.show();
    Save(&dialog, folder, name);
    dialog.reject();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    const QString sample = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(folder);
    StartUp(QApplication::applicationDirPath() + QLatin1Char('/'));

    TfMainFrm window;
    InstallWidgetSeams(&window);
    window.resize(1366, 740);
    window.show();
    Settle();
    if (!sample.isEmpty()) {
        App().CurrentFile = sample;
        ReadDataFile();
    }
    Save(&window, folder, QStringLiteral("main-window"));

    window.ChannelWindow()->SelectCell(kColPower, RowOfChannel(2));
    Save(&window, folder, QStringLiteral("main-window-cell-box"));
    window.ChannelWindow()->SelectCell(kColDecode, RowOfChannel(1));
    window.ChannelWindow()->BoxOfColumn(kColDecode)->showPopup();
    Save(&window, folder, QStringLiteral("main-window-tone-list"));
    window.ChannelWindow()->BoxOfColumn(kColDecode)->hidePopup();
    window.ChannelWindow()->LeaveCellEditing();

    ShowDialog<TfToneOption>(folder, QStringLiteral("tone-picker"), &window);
    ShowDialog<TfSetPort>(folder, QStringLiteral("port-settings"), &window);
    ShowDialog<TfReadRadio>(folder, QStringLiteral("read-radio"), &window);
    ShowDialog<TfWriteRadio>(folder, QStringLiteral("write-radio"), &window);
    return 0;
}
