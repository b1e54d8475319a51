#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <map>
#include <optional>

#include "image/DataImage.h"

// What the commands of xkm-cli share: argument parsing, files and the one-line errors.

QTextStream& Err();

// Positional arguments and "--name value" options; flags are options without a value.
struct Arguments {
    QStringList positional;
    std::map<QString, QString> options;
    QString error;

    bool Has(const QString& name) const { return options.count(name) > 0; }
    QString Value(const QString& name) const { return Has(name) ? options.at(name) : QString(); }
};
Arguments Parse(const QStringList& arguments, const QStringList& valueOptions,
                const QStringList& flags = {});

// Print the error and give the exit status for it.
int Usage(const QString& error);
int Failed(const QString& file, const QString& error);

std::optional<QByteArray> ReadWhole(const QString& path);
std::optional<DecodedDataFile> OpenDataFile(const QString& path);
// Writes through a temporary file, so that a failure leaves no partial file.
bool WriteWhole(const QString& path, const QByteArray& bytes);
