#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Base of every error that carries a message for the user. The lower layers
// raise it (or a subclass naming the kind of failure); the application's
// top-level handler shows Message() and the program goes on.
//
// A failure on one file also carries that file and, where the system gave
// one, the reason in words ("The disk is full."): the error box shows them on
// the lines below the message, whose own text stays as the layer raised it.
class Exception : public std::exception {
  public:
    explicit Exception(QString message);

    const QString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

    const QString& FileName() const noexcept { return fileName_; }
    const QString& Reason() const noexcept { return reason_; }
    // Names the file concerned, unless a lower layer already did (it knows
    // best which file failed); a reason is kept once given.
    void NameFile(const QString& fileName, const QString& reason = QString());
    // The message, and below it the file (unless the message already names
    // it) and the reason, one to a line.
    QString TextWithFile() const;

  private:
    QString message_;
    QByteArray utf8_;
    QString fileName_;
    QString reason_;
};

// The runtime's out-of-memory error, raised where an allocation that a file
// asked for cannot be satisfied.
class EOutOfMemory : public Exception {
  public:
    EOutOfMemory();
};
