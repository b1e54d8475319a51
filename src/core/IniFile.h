#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A small INI file reader and writer. Section and key names match without regard to
// case; a missing file or key gives the caller's default. A write changes only the line
// of its key (or adds the key to its section, or adds the section) and keeps every other
// byte. Files are UTF-8 (with or without byte-order mark) or, when they are not valid
// UTF-8, the Chinese GBK code page; a file is written back in the encoding it was read in.
class IniFile {
  public:
    explicit IniFile(QString path);

    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // Stores the value and saves the file at once. Returns false with a reason when the
    // file cannot be written.
    bool WriteString(const QString& section, const QString& key, const QString& value,
                     QString* error = nullptr);

    const QByteArray& Bytes() const { return bytes_; }

  private:
    enum class Encoding { Utf8, Utf8WithMark, Gbk };
    struct Line {
        int start;     // offset of the line in bytes_
        int length;    // without its line end
        QString text;  // decoded, line end excluded
    };
    struct Location {
        int sectionLine = -1;  // index in lines, -1 when the section is absent
        int keyLine = -1;      // index in lines, -1 when the key is absent
        int lastEntryLine = -1;
    };

    void Split();
    Location Find(const QString& section, const QString& key) const;
    QByteArray Encode(const QString& text) const;
    QByteArray LineEnd() const;

    QString path_;
    QByteArray bytes_;
    Encoding encoding_ = Encoding::Utf8;
    QList<Line> lines_;
};
