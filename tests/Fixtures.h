#pragma once

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "core/MessageBox.h"
#include "image/Codeplug.h"
#include "image/WriteRead.h"

// "50 12 00 46" -> bytes, and back.
QByteArray Hex(const char* spaced);
QString HexOf(const QByteArray& bytes);
QString HexOf(const Record& record);

// Whole files, for setting up and checking what the code under test wrote.
QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);

// A started application core in a fresh temporary program folder, with a message-box
// handler that records every box and answers from a script. Undone on destruction.
class AppFixture {
  public:
    AppFixture();
    ~AppFixture();

    struct Box {
        QString caption;
        QString text;
        int kind;
    };

    QString Dir() const { return dir_.path() + QLatin1Char('/'); }
    // Answers for the coming questions, in order; a question beyond them gets No/Cancel.
    void Answer(QList<int> answers) { answers_ = std::move(answers); }
    const QList<Box>& Boxes() const { return boxes_; }
    QStringList Texts() const;
    void ClearBoxes() { boxes_.clear(); }

  private:
    QTemporaryDir dir_;
    QList<int> answers_;
    QList<Box> boxes_;
};

// A codeplug of the given model filled with random but valid values.
Codeplug RandomCodeplug(QRandomGenerator& random, int modelPosition);
