#pragma once

#include <QString>

class QWidget;

// Applies [<window name>] of the language file <program folder>/<languageName>.Ini to a
// window and the controls it owns, in their creation order. Each key's default is the text
// the control shows now, so keys a file lacks leave their texts as they are.
bool TranslateForm(QWidget* window, const QString& languageName, bool withComboItems);

// Translates a dialog as it opens, when the current language is not the first one.
void TranslateOnOpen(QWidget* dialog, bool withComboItems);
