// xkm-cps: the window program. It takes no arguments.

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/Globals.h"
#include "ui/MainFrm.h"
#include "ui/MessageBoxes.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xkm-cps"));
    QApplication::setApplicationDisplayName(QStringLiteral("XKM-7463"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The standard buttons of message boxes and file dialogs speak the interface's language.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        application.installTranslator(&qtTexts);
    }
    StartUp(QApplication::applicationDirPath() + QLatin1Char('/'));
    TfMainFrm window;
    InstallWidgetSeams(&window);
    window.showMaximized();
    return application.exec();
}
