#include "MessageBox.h"

#include <QTextStream>
#include <utility>

namespace {

int PrintToStandardError(const QString& caption, const QString& text, int kind) {
    QTextStream(stderr) << caption << ": " << text << Qt::endl;
    return SafeAnswer(kind);
}

MessageBoxHandler& CurrentHandler() {
    static MessageBoxHandler handler = PrintToStandardError;
    return handler;
}

}  // namespace

int SafeAnswer(int kind) {
    switch (kind) {
        case kYesNo:
            return kAnswerNo;
        case kRetryCancel:
            return kAnswerCancel;
        default:
            return kAnswerOk;
    }
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(CurrentHandler());
    CurrentHandler() = handler ? std::move(handler) : MessageBoxHandler(PrintToStandardError);
    return previous;
}

int ShowMessageBox(const QString& caption, const QString& text, int kind) {
    if (kind != kNotice && kind != kYesNo && kind != kRetryCancel) {
        return kAnswerOk;
    }
    return CurrentHandler()(caption, text, kind);
}
