#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "codeplug/ChannelTable.h"
#include "codeplug/Settings.h"
#include "core/AppState.h"
#include "core/Language.h"
#include "core/MacType.h"

// The objects that exist once for the whole run, reached through App().
struct TApp {
    TMacList MacList;
    TALL all;
    TTestFre TestFre;
    TEnMsg EnMsg;
    TFun Fun;
    TFrqList FrqList;
    TLanguage language;

    TChannelTable ChannelTable;  // the channel window's grid gvData
    TChannelTable StagingTable;  // the hidden grid tvData a radio read fills
    QString CurrentFile;         // the data file the codeplug came from or went to

    // Rewrites the main window's caption and status bar; set by the main window.
    std::function<void()> RefreshStatus;
};

TApp& App();

// Replaces every object by a fresh one, as before start-up; for tests.
void ResetApp();

// Start-up of the application core for a program in `appPath` (with trailing separator).
void StartUp(const QString& appPath);

// The first registered model with its default band.
void SelectDefaultModel();

// Function settings and message back to their defaults.
void ResetSettings();

void RefreshStatus();
