#pragma once

#include <QStringList>

// The commands of xkm-cli. Each returns the exit status and writes its one-line errors to
// standard error.
int RunExport(const QStringList& arguments);
int RunImport(const QStringList& arguments);
int RunInfo(const QStringList& arguments);
int RunRead(const QStringList& arguments);
int RunWrite(const QStringList& arguments);

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
