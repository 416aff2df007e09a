#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Base of every error that carries a message for the user. The lower layers
// raise it (or a subclass naming the kind of failure); the application's
// top-level handler shows Message() and the program goes on.
class Exception : public std::exception {
  public:
    explicit Exception(QString message);

    const QString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString message_;
    QByteArray utf8_;
};

// The runtime's out-of-memory error, raised where an allocation that a file
// asked for cannot be satisfied.
class EOutOfMemory : public Exception {
  public:
    EOutOfMemory() : Exception(QStringLiteral("Out of memory")) {}
};
