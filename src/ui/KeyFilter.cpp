#include "KeyFilter.h"

#include <QKeyEvent>

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool passes = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Return ||
                            key->key() == Qt::Key_Enter;
        const QString text = key->text();
        const bool types = !text.isEmpty() && text[0].isPrint();
        if (!passes && types && !allowed_.contains(text[0])) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
