#include "cardset/ui/ListaPastas.h"

#include "cardset/SetFolders.h"

#include <QListWidget>

void ListaPastas(QListWidget* list, const QString& pattern)
{
    list->addItems(SetFolderNames(pattern));
}
