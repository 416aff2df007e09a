#include "app/ErrorMessage.h"

QString FormatErrorMessage(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}
