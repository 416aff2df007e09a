#include "audio/output/EMMWaveOutError.h"

EMMWaveOutError EMMWaveOutError::WithPrefix(const char* prefix, const QString& text)
{
    return EMMWaveOutError(QString::fromLatin1(prefix) + QStringLiteral("\n\r") + text);
}
