#include "Globals.h"

#include "core/SysInfo.h"
#include "core/ValueFormat.h"

namespace {

std::unique_ptr<TApp>& Instance() {
    static std::unique_ptr<TApp> app = std::make_unique<TApp>();
    return app;
}

}  // namespace

TApp& App() {
    return *Instance();
}

void ResetApp() {
    Instance() = std::make_unique<TApp>();
}

void SetCurrentModel(const TMacType& model) {
    TALL& all = App().all;
    all.CurrentModel = &model;
    all.ModelName = model.Name();
    all.ModelCode = model.Code();
    all.ModelMax = model.MaxFreq();
    all.ModelMin = model.MinFreq();
    all.ChannelCount = model.ChannelCount();
}

void SetBandText(const QString& bandText) {
    TALL& all = App().all;
    const BandEdges edges = ParseBandText(bandText);
    all.BandText = bandText;
    all.BandLow = edges.low;
    all.BandHigh = edges.high;
}

void StartUp(const QString& appPath) {
    TApp& app = App();
    app.all.AppPath = appPath;
    app.all.TuningEnabled = false;
    FillBandList(app.FrqList);
    BuildModelRegistry(app.MacList);
    app.all.AppTitle = QStringLiteral("XKM-7463");
    ResetSettings();
    ReadSysInfo();
    LoadMessages(app.all.LanguageName);
    app.all.GridRefreshing = false;
    SelectDefaultModel();
    app.ChannelTable.ResetTable();
    app.StagingTable.ResetTable();
}

void SelectDefaultModel() {
    const TMacType* first = App().MacList.ModelAt(0);
    SetCurrentModel(*first);
    SetBandText(first->DefaultBand());
}

void ResetSettings() {
    App().Fun.ResetDefaults();
    App().EnMsg.ResetDefaults();
}

void RefreshStatus() {
    if (App().RefreshStatus) {
        App().RefreshStatus();
    }
}
