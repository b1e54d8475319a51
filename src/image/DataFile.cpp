#include "DataFile.h"

#include <QFile>
#include <QSaveFile>

#include "core/ConversionError.h"
#include "core/Globals.h"
#include "core/MessageBox.h"
#include "core/Seams.h"
#include "image/Codeplug.h"
#include "image/DataImage.h"

namespace {

void Tell(const QString& text) {
    ShowMessageBox(App().language.Confirmation, text, kNotice);
}

// Asks whether to save modified data first. False when the person wanted it saved and the
// save failed: the flow that asked must then stop.
bool SaveFirstIfWanted() {
    if (!App().all.Modified) {
        return true;
    }
    const int answer =
        ShowMessageBox(App().language.Confirmation, App().language.SaveProgram, kYesNo);
    return answer != kAnswerYes || SaveCodeplug() != SaveResult::Failed;
}

}  // namespace

QString DataFileFilter() {
    return QStringLiteral("数据文件(*.dat)|*.dat");
}

bool NewCodeplug() {
    if (!SaveFirstIfWanted()) {
        return false;
    }
    ResetSettings();
    App().ChannelTable.ResetTable();
    App().CurrentFile.clear();
    RefreshStatus();
    App().all.Modified = false;
    return true;
}

bool OpenCodeplug() {
    if (!SaveFirstIfWanted()) {
        return false;
    }
    const QString path = ChooseFileToOpen(DataFileFilter());
    if (path.isEmpty()) {
        return false;
    }
    App().CurrentFile = path;
    const bool opened = ReadDataFile();
    RefreshStatus();
    return opened;
}

SaveResult SaveCodeplug() {
    SaveResult result = SaveResult::Cancelled;
    if (App().CurrentFile.isEmpty()) {
        const QString path = ChooseFileToSave(DataFileFilter(), QStringLiteral("dat"));
        if (!path.isEmpty()) {
            App().CurrentFile = path;
        }
    }
    if (!App().CurrentFile.isEmpty()) {
        result = WriteDataFile() ? SaveResult::Saved : SaveResult::Failed;
    }
    RefreshStatus();
    return result;
}

SaveResult SaveCodeplugAs() {
    App().CurrentFile.clear();
    return SaveCodeplug();
}

bool WriteDataFile() {
    TApp& app = App();
    const QString& path = app.CurrentFile;
    QByteArray bytes;
    try {
        const Codeplug codeplug = CaptureCodeplug(app.ChannelTable);
        const ChannelMaps maps = BuildChannelMaps(codeplug);
        app.all.ChannelMap = maps.channelMap;
        app.all.ScanMap = maps.scanMap;
        bytes = EncodeDataFile(codeplug, app.FrqList, Now());
    } catch (const ConversionError& error) {
        Tell(QStringLiteral("%1 was not saved. %2.").arg(path, error.message()));
        return false;
    }
    // The bytes go to a temporary file beside the target, which replaces the target only
    // once all of them are on disk.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        Tell(QStringLiteral("%1 could not be saved: %2. The file on disk is unchanged.")
                 .arg(path, file.errorString()));
        return false;
    }
    app.all.Modified = false;
    return true;
}

bool ReadDataFile() {
    TApp& app = App();
    const QString path = app.CurrentFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        app.CurrentFile.clear();
        Tell(QStringLiteral("%1 could not be opened: %2.").arg(path, file.errorString()));
        return false;
    }
    const DecodedDataFile decoded = DecodeDataFile(file.readAll(), app.MacList, app.FrqList);
    if (!decoded.codeplug) {
        app.CurrentFile.clear();
        Tell(decoded.unknownModel ? app.language.ModError
                                  : QStringLiteral("%1 is not a data file of this program: %2.")
                                        .arg(path, decoded.error));
        return false;
    }
    ApplyCodeplug(*decoded.codeplug, app.ChannelTable);
    RefreshStatus();
    app.all.Modified = false;
    return true;
}
