#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "image/Codeplug.h"

class TMacList;
class TFrqList;

// The codeplug as JSON or CSV, for scripts and spreadsheets.

QByteArray ExportJson(const Codeplug& codeplug);
QByteArray ExportCsv(const Codeplug& codeplug);

struct ImportOptions {
    QString modelName;  // overrides the file's model when not empty
    QString bandText;   // overrides the file's band when not empty
};

struct ImportResult {
    std::optional<Codeplug> codeplug;  // set when the whole input was taken
    QStringList notes;                 // each value the checks changed, with its channel
    QString error;                     // what is wrong, with its line or channel
};

// Every value passes the checks of a value typed into the channel grid: frequencies outside
// the model's limits become the band edge and are snapped to the raster, tones go through
// the tone-text check. Otherwise a channel keeps the values given.
ImportResult ImportJson(const QByteArray& json, const ImportOptions& options,
                        const TMacList& models, const TFrqList& bands);
// A CSV import keeps the function settings and the message at their defaults.
ImportResult ImportCsv(const QByteArray& csv, const ImportOptions& options, const TMacList& models,
                       const TFrqList& bands);
