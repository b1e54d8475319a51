#pragma once

#include <QString>
#include <stdexcept>

// A text that should hold a number, a tone or a band does not. Raised by the
// converters; the flows that take outside input catch it and tell the user.
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(const QString& what) : std::runtime_error(what.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
