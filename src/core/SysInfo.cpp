#include "SysInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Language.h"

namespace {

const QString kSection = QStringLiteral("SysInfo");

int NumberOr(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

}  // namespace

QString SysInfoPath() {
    // Beside the program; where the program's folder cannot be written (an installed
    // program), in the user's own settings folder instead.
    const QString besideProgram = App().all.AppPath + QStringLiteral("SysInfo.Ini");
    const QFileInfo file(besideProgram);
    if (file.exists() ? file.isWritable() : QFileInfo(App().all.AppPath).isWritable()) {
        return besideProgram;
    }
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(userFolder);
    const QString userFile = userFolder + QStringLiteral("/SysInfo.Ini");
    if (!QFileInfo::exists(userFile) && file.exists()) {
        // Start from the settings shipped with the program.
        QFile::copy(besideProgram, userFile);
        QFile::setPermissions(userFile, QFile::ReadOwner | QFile::WriteOwner);
    }
    return userFile;
}

void ReadSysInfo() {
    const IniFile file(SysInfoPath());
    TALL& all = App().all;
    all.ComPort = file.ReadString(kSection, QStringLiteral("Com"), QStringLiteral("Com1"));
    all.LanguageIndex = NumberOr(
        file.ReadString(kSection, QStringLiteral("DefaultLanguage"), QStringLiteral("0")), 0);
    all.HelpPrefix = file.ReadString(kSection, QStringLiteral("Help"), QStringLiteral("KQ"));
    all.PictureId =
        NumberOr(file.ReadString(kSection, QStringLiteral("PicID"), QStringLiteral("0")), 0) + 1;
    const QString languages =
        file.ReadString(kSection, QStringLiteral("Language"), QStringLiteral("Chinese|English"));
    all.LanguageName = PickLanguageName(languages, all.LanguageIndex);
}

bool WriteSysInfo(QString* error) {
    IniFile file(SysInfoPath());
    const TALL& all = App().all;
    return file.WriteString(kSection, QStringLiteral("Com"), all.ComPort, error) &&
           file.WriteString(kSection, QStringLiteral("DefaultLanguage"),
                            QString::number(all.LanguageIndex), error) &&
           file.WriteString(kSection, QStringLiteral("PicID"), QString::number(all.PictureId - 1),
                            error);
}
