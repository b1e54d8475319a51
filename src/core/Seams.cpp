#include "Seams.h"

#include <utility>

namespace {

ClockFunction& CurrentClock() {
    static ClockFunction clock;
    return clock;
}

FileChooser& CurrentChooser() {
    static FileChooser chooser;
    return chooser;
}

}  // namespace

void SetClock(ClockFunction clock) {
    CurrentClock() = std::move(clock);
}

QDateTime Now() {
    return CurrentClock() ? CurrentClock()() : QDateTime::currentDateTime();
}

void SetFileChooser(FileChooser chooser) {
    CurrentChooser() = std::move(chooser);
}

QString ChooseFileToOpen(const QString& filter) {
    const auto& ask = CurrentChooser().openFile;
    return ask ? ask(filter) : QString();
}

QString ChooseFileToSave(const QString& filter, const QString& defaultSuffix) {
    const auto& ask = CurrentChooser().saveFile;
    return ask ? ask(filter, defaultSuffix) : QString();
}
