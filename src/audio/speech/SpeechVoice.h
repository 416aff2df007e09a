#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One installed voice of the speech library.
struct SpeechVoice {
    QString name;       // shown to the user, e.g. "Portuguese (Brazil)"
    QString identifier; // stable key, e.g. "roa/pt-BR"
    // The languages it speaks, best first ("pt-br", "pt"), with the library's
    // priority for each (a smaller number is a better match).
    QStringList languages;
    QList<int> priorities;
};
