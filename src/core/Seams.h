#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

// The clock and the file choosers, replaceable so that tests decide what they answer.

using ClockFunction = std::function<QDateTime()>;
// Installs a clock; an empty function restores the system clock.
void SetClock(ClockFunction clock);
QDateTime Now();

// Asks for a file; an empty answer means the person cancelled.
struct FileChooser {
    std::function<QString(const QString& filter)> openFile;
    std::function<QString(const QString& filter, const QString& defaultSuffix)> saveFile;
};
// Installs the choosers; without them every question is cancelled.
void SetFileChooser(FileChooser chooser);
QString ChooseFileToOpen(const QString& filter);
QString ChooseFileToSave(const QString& filter, const QString& defaultSuffix);
