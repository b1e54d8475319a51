#include "CsvReader.h"

std::vector<CsvRow> ReadCsv(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    std::vector<CsvRow> rows;
    CsvRow row{1, {}};
    QString field;
    bool quoted = false;
    bool rowHasText = false;
    int line = 1;
    auto endRow = [&]() {
        row.fields.append(field);
        if (rowHasText) {
            rows.push_back(row);
        }
        row = CsvRow{line, {}};
        field.clear();
        rowHasText = false;
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                line += c == QLatin1Char('\n') ? 1 : 0;
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            rowHasText = true;
        } else if (c == QLatin1Char(',')) {
            row.fields.append(field);
            field.clear();
            rowHasText = true;
        } else if (c == QLatin1Char('\n')) {
            ++line;
            endRow();
        } else if (c != QLatin1Char('\r')) {
            field += c;
            rowHasText = rowHasText || !c.isSpace();
        }
    }
    endRow();
    return rows;
}

QString CsvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n'))) {
        return text;
    }
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}
