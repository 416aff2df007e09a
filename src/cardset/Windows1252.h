#pragma once

#include <QByteArray>
#include <QString>

// Authors' names in "Set.cfg" are bytes of the Windows ANSI code page used on
// the desktops these sets come from (Windows-1252). Qt 6 offers that code page
// only when built with ICU, so the table lives here.
namespace Windows1252 {

// One character per byte.
QString decode(const char* bytes, qsizetype length);

// One byte per character (per Unicode code point); a character that the code
// page cannot hold becomes '?'.
QByteArray encode(QStringView text);

} // namespace Windows1252
