#include "Commands.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "CliSupport.h"
#include "core/ConversionError.h"
#include "core/Globals.h"
#include "core/Seams.h"
#include "core/ValueFormat.h"
#include "image/DataImage.h"
#include "image/Exchange.h"

int RunExport(const QStringList& arguments) {
    const Arguments parsed = Parse(arguments, {QStringLiteral("--format")});
    if (!parsed.error.isEmpty() || parsed.positional.size() != 1) {
        return Usage(parsed.error.isEmpty() ? QStringLiteral("export takes one data file")
                                            : parsed.error);
    }
    const QString format = parsed.Has(QStringLiteral("--format"))
                               ? parsed.Value(QStringLiteral("--format"))
                               : QStringLiteral("json");
    if (format != QLatin1String("json") && format != QLatin1String("csv")) {
        return Usage(QStringLiteral("the format must be json or csv, not %1").arg(format));
    }
    const auto decoded = OpenDataFile(parsed.positional.front());
    if (!decoded) {
        return kExitFailed;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly)) {
        return Failed(QStringLiteral("standard output"), out.errorString());
    }
    out.write(format == QLatin1String("csv") ? ExportCsv(*decoded->codeplug)
                                             : ExportJson(*decoded->codeplug));
    return kExitOk;
}

int RunImport(const QStringList& arguments) {
    const Arguments parsed = Parse(
        arguments, {QStringLiteral("-o"), QStringLiteral("--model"), QStringLiteral("--band")});
    if (!parsed.error.isEmpty() || parsed.positional.size() != 1 ||
        !parsed.options.count(QStringLiteral("-o"))) {
        return Usage(parsed.error.isEmpty()
                         ? QStringLiteral("import takes one source file and -o FILE.dat")
                         : parsed.error);
    }
    const QString source = parsed.positional.front();
    const QString target = parsed.options.at(QStringLiteral("-o"));
    ImportOptions options;
    if (parsed.options.count(QStringLiteral("--model"))) {
        options.modelName = parsed.options.at(QStringLiteral("--model"));
    }
    if (parsed.options.count(QStringLiteral("--band"))) {
        options.bandText = parsed.options.at(QStringLiteral("--band"));
    }
    const auto bytes = ReadWhole(source);
    if (!bytes) {
        return kExitFailed;
    }
    const bool csv =
        QFileInfo(source).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    const ImportResult result = csv ? ImportCsv(*bytes, options, App().MacList, App().FrqList)
                                    : ImportJson(*bytes, options, App().MacList, App().FrqList);
    for (const QString& note : result.notes) {
        Err() << source << ": " << note << Qt::endl;
    }
    if (!result.codeplug) {
        return Failed(source, result.error);
    }
    QByteArray file;
    try {
        file = EncodeDataFile(*result.codeplug, App().FrqList, Now());
    } catch (const ConversionError& error) {
        return Failed(source, error.message());
    }
    return WriteWhole(target, file) ? kExitOk : kExitFailed;
}

int RunInfo(const QStringList& arguments) {
    const Arguments parsed = Parse(arguments, {});
    if (!parsed.error.isEmpty() || parsed.positional.size() != 1) {
        return Usage(parsed.error.isEmpty() ? QStringLiteral("info takes one data file")
                                            : parsed.error);
    }
    const auto decoded = OpenDataFile(parsed.positional.front());
    if (!decoded) {
        return kExitFailed;
    }
    const Codeplug& codeplug = *decoded->codeplug;
    QTextStream out(stdout);
    out << "Model:    " << codeplug.model->Name() << "\n"
        << "Band:     " << codeplug.bandText.trimmed() << "\n"
        << "Saved:    " << decoded->dateText << "\n";
    QStringList inUse;
    for (int i = 0; i < int(codeplug.channels.size()); ++i) {
        if (const auto& channel = codeplug.channels[i]) {
            inUse.append(QStringLiteral("  %1  rx %2  tx %3")
                             .arg(i + 1, 2)
                             .arg(FormatFrequency(channel->RxMHz),
                                  channel->HasTransmit() ? FormatFrequency(channel->TxMHz)
                                                         : QStringLiteral("(receive only)")));
        }
    }
    out << "Channels: " << inUse.size() << " of " << codeplug.channels.size() << " in use\n";
    for (const QString& line : inUse) {
        out << line << "\n";
    }
    return kExitOk;
}
