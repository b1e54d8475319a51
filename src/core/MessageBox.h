#pragma once

#include <QString>
#include <functional>

// Every notice and question reaches the user through ShowMessageBox. The windows install
// a handler that shows a modal box; tests install one that answers; without a handler the
// text goes to standard error and a question gets its safe answer (No, Cancel).
enum MessageKind { kNotice = 1, kYesNo = 2, kRetryCancel = 22 };
enum MessageAnswer {
    kAnswerOk = 1,
    kAnswerCancel = 2,
    kAnswerRetry = 4,
    kAnswerYes = 6,
    kAnswerNo = 7
};

using MessageBoxHandler = std::function<int(const QString& caption, const QString& text, int kind)>;

// Installs a handler and returns the one it replaces; an empty handler restores the default.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Kinds other than notice, Yes/No and Retry/Cancel show nothing and answer 1.
int ShowMessageBox(const QString& caption, const QString& text, int kind);

// The answer a person who is not there gives: OK, No, Cancel.
int SafeAnswer(int kind);
