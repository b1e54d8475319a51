#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

// A CSV row and the line of the input it starts on.
struct CsvRow {
    int line = 0;
    QStringList fields;
};

// Reads CSV as spreadsheets write it: commas, fields in double quotes (a doubled quote
// inside stands for one), line ends LF or CRLF, an optional UTF-8 byte-order mark. Blank
// lines are skipped.
std::vector<CsvRow> ReadCsv(const QByteArray& bytes);

// A field as a CSV line needs it: quoted when it holds a comma, a quote or a line end.
QString CsvField(const QString& text);
