#pragma once

#include <QObject>
#include <QString>

// Drops every typed character that is not in the allowed set; Backspace and Enter always
// pass, and so do keys that type nothing (arrows, Tab, Escape).
class KeyFilter : public QObject {
    Q_OBJECT

  public:
    KeyFilter(QString allowed, QObject* parent) : QObject(parent), allowed_(std::move(allowed)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString allowed_;
};

// What a frequency cell takes, and what a tone box takes.
inline const QString kFrequencyKeys = QStringLiteral("0123456789.");
inline const QString kToneKeys = QStringLiteral("0123456789.DINdin");
