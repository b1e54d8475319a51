#include "CliSupport.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include "Commands.h"
#include "core/Globals.h"

QTextStream& Err() {
    static QTextStream stream(stderr);
    return stream;
}

Arguments Parse(const QStringList& arguments, const QStringList& valueOptions,
                const QStringList& flags) {
    Arguments parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            parsed.positional.append(argument);
        } else if (flags.contains(argument)) {
            parsed.options[argument] = QString();
        } else if (!valueOptions.contains(argument)) {
            parsed.error = QStringLiteral("unknown option %1").arg(argument);
        } else if (i + 1 >= arguments.size()) {
            parsed.error = QStringLiteral("option %1 needs a value").arg(argument);
        } else {
            parsed.options[argument] = arguments[++i];
        }
    }
    return parsed;
}

int Usage(const QString& error) {
    Err() << "xkm-cli: " << error << Qt::endl;
    return kExitUsage;
}

int Failed(const QString& file, const QString& error) {
    Err() << file << ": " << error << Qt::endl;
    return kExitFailed;
}

std::optional<QByteArray> ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Failed(path, file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

std::optional<DecodedDataFile> OpenDataFile(const QString& path) {
    const auto bytes = ReadWhole(path);
    if (!bytes) {
        return std::nullopt;
    }
    DecodedDataFile decoded = DecodeDataFile(*bytes, App().MacList, App().FrqList);
    if (!decoded.codeplug) {
        Failed(path, decoded.error);
        return std::nullopt;
    }
    return decoded;
}

bool WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        Failed(path, file.errorString());
        return false;
    }
    return true;
}
