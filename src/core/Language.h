#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The message catalogue: every notice and question text, replaceable by a language file.
struct TLanguage {
    QString Confirmation;
    QString ExitProgram;
    QString SaveProgram;
    QString Channel;
    QString Info;
    QString OutRange;
    QString Caution;
    QString FChBigT;
    QString Close;
    QString Open;
    QString ComError;
    QString ModError;
    QString ClearData;
    QString Modforce;
    QString All;
    QString ErrRange;
    QString ModelType;
    QString Frequency;
    QString ReadOk;
    QString WriteOk;
    QString LPortError;

    TLanguage();  // the built-in texts
};

struct TLanguageKey {
    const char* key;
    QString TLanguage::*field;
    const char* builtIn;
};
extern const std::array<TLanguageKey, 21> kLanguageKeys;

// Path of a language file beside the program.
QString LanguageFilePath(const QString& appPath, const QString& languageName);

// Fills every catalogue field from [Language] of the language file; a key the file lacks
// gets its built-in text.
void LoadMessages(const QString& languageName);

// Appends the display names and the language names kept in SysInfo.Ini.
void ListLanguages(QStringList& displayNames, QStringList& languageNames);

// Entry number `index` of a "|"-joined list; empty when there is no such entry.
QString PickLanguageName(const QString& languageList, int index);
// The pieces of a "|"-joined list; a trailing bar adds no piece.
QStringList SplitLanguageList(QString list);
