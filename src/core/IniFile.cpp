#include "IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <utility>

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");

bool IsValidUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

QString SectionName(const QString& trimmed) {
    if (!trimmed.startsWith(QLatin1Char('['))) {
        return {};
    }
    const int close = trimmed.indexOf(QLatin1Char(']'));
    return close < 0 ? QString() : trimmed.mid(1, close - 1).trimmed();
}

bool IsComment(const QString& trimmed) {
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly)) {
        bytes_ = file.readAll();
    }
    if (bytes_.startsWith(kUtf8Mark)) {
        encoding_ = Encoding::Utf8WithMark;
    } else if (!IsValidUtf8(bytes_)) {
        encoding_ = Encoding::Gbk;
    }
    Split();
}

void IniFile::Split() {
    lines_.clear();
    const int bodyStart = encoding_ == Encoding::Utf8WithMark ? kUtf8Mark.size() : 0;
    int start = bodyStart;
    while (start < bytes_.size()) {
        int end = bytes_.indexOf('\n', start);
        const int next = end < 0 ? bytes_.size() : end + 1;
        if (end < 0) {
            end = bytes_.size();
        }
        int length = end - start;
        if (length > 0 && bytes_[start + length - 1] == '\r') {
            --length;
        }
        const QByteArray raw = bytes_.mid(start, length);
        const QString text =
            encoding_ == Encoding::Gbk ? QStringDecoder("GBK").decode(raw) : QString::fromUtf8(raw);
        lines_.append({start, length, text});
        start = next;
    }
}

IniFile::Location IniFile::Find(const QString& section, const QString& key) const {
    Location where;
    bool inSection = false;
    for (int i = 0; i < lines_.size(); ++i) {
        const QString trimmed = lines_[i].text.trimmed();
        if (trimmed.startsWith(QLatin1Char('['))) {
            if (inSection) {
                break;  // the first section of that name is the one that counts
            }
            inSection = SameName(SectionName(trimmed), section);
            if (inSection) {
                where.sectionLine = i;
                where.lastEntryLine = i;
            }
            continue;
        }
        if (!inSection || trimmed.isEmpty()) {
            continue;
        }
        where.lastEntryLine = i;
        const int equals = trimmed.indexOf(QLatin1Char('='));
        if (!IsComment(trimmed) && equals >= 0 && SameName(trimmed.left(equals).trimmed(), key)) {
            where.keyLine = i;
            return where;
        }
    }
    return where;
}

QString IniFile::ReadString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const Location where = Find(section, key);
    if (where.keyLine < 0) {
        return defaultValue;
    }
    const QString& text = lines_[where.keyLine].text;
    return text.mid(text.indexOf(QLatin1Char('=')) + 1).trimmed();
}

QByteArray IniFile::Encode(const QString& text) const {
    if (encoding_ == Encoding::Gbk) {
        return QStringEncoder("GBK").encode(text);
    }
    return text.toUtf8();
}

QByteArray IniFile::LineEnd() const {
    return bytes_.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
}

bool IniFile::WriteString(const QString& section, const QString& key, const QString& value,
                          QString* error) {
    const Location where = Find(section, key);
    if (where.keyLine >= 0) {
        const Line& line = lines_[where.keyLine];
        const int equals = bytes_.indexOf('=', line.start);
        bytes_.replace(equals + 1, line.start + line.length - equals - 1, Encode(value));
    } else {
        const QByteArray entry = Encode(key + QLatin1Char('=') + value) + LineEnd();
        if (where.sectionLine >= 0) {
            const Line& last = lines_[where.lastEntryLine];
            int insertAt = last.start + last.length;
            insertAt += bytes_.mid(insertAt, 2).startsWith("\r\n") ? 2
                        : insertAt < bytes_.size()                 ? 1
                                                                   : 0;
            if (insertAt == bytes_.size() && !bytes_.endsWith('\n')) {
                bytes_ += LineEnd();
                insertAt = bytes_.size();
            }
            bytes_.insert(insertAt, entry);
        } else {
            if (!bytes_.isEmpty() && !bytes_.endsWith('\n')) {
                bytes_ += LineEnd();
            }
            bytes_ += Encode(QLatin1Char('[') + section + QLatin1Char(']')) + LineEnd() + entry;
        }
    }
    Split();

    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes_) != bytes_.size() || !file.commit()) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}
