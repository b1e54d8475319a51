#pragma once

#include <QObject>
#include <QString>

// Every control carries an integer tag: a command number in the main window, -2 to keep a
// grid or list out of translation, -3 to translate only item 0 of a drop-down list.
constexpr int kTagNoTranslation = -2;
constexpr int kTagFirstItemOnly = -3;

inline void SetTag(QObject* object, int tag) {
    object->setProperty("tag", tag);
}
inline int Tag(const QObject* object) {
    return object->property("tag").toInt();
}

// Gives an object its component name (also its language-file key) and, where it has one,
// its tag; returns it for chaining.
template <typename T>
T* Named(T* object, const char* name, int tag = 0) {
    object->setObjectName(QString::fromLatin1(name));
    SetTag(object, tag);
    return object;
}
