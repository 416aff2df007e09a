#include "common/Exception.h"

#include <QCoreApplication>

Exception::Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}

void Exception::NameFile(const QString& fileName, const QString& reason)
{
    if (fileName_.isEmpty())
        fileName_ = fileName;
    if (reason_.isEmpty())
        reason_ = reason;
}

QString Exception::TextWithFile() const
{
    QString text = message_;
    if (!fileName_.isEmpty() && !message_.contains(fileName_))
        text += QLatin1Char('\n') + fileName_;
    if (!reason_.isEmpty())
        text += QLatin1Char('\n') + reason_;
    return text;
}

EOutOfMemory::EOutOfMemory() : Exception(QCoreApplication::translate("EOutOfMemory", "Out of memory")) {}
