#pragma once

#include <QString>

// The text of the error box that reports an error no handler caught: the
// message with a full stop added when its last character sorts after ".".
QString FormatErrorMessage(const QString& message);
