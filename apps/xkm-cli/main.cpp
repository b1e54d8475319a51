#include <QCoreApplication>
#include <QTextStream>

#include "Commands.h"
#include "core/Globals.h"

namespace {

const char kUsage[] =
    "usage: xkm-cli export FILE.dat [--format json|csv]\n"
    "       xkm-cli import SOURCE.json|SOURCE.csv -o FILE.dat [--model NAME] [--band TEXT]\n"
    "       xkm-cli info FILE.dat\n"
    "       xkm-cli read --port PORT -o FILE.dat\n"
    "       xkm-cli write --port PORT FILE.dat [--force]\n";

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    StartUp(QCoreApplication::applicationDirPath() + QLatin1Char('/'));

    QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (command == QLatin1String("export")) {
        return RunExport(arguments);
    }
    if (command == QLatin1String("import")) {
        return RunImport(arguments);
    }
    if (command == QLatin1String("info")) {
        return RunInfo(arguments);
    }
    if (command == QLatin1String("read")) {
        return RunRead(arguments);
    }
    if (command == QLatin1String("write")) {
        return RunWrite(arguments);
    }
    QTextStream(stderr) << kUsage;
    return kExitUsage;
}
