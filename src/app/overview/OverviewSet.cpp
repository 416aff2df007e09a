#include "app/overview/OverviewSet.h"

#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"

#include <QDir>
#include <QFileInfo>

QString OverviewSet::name() const
{
    return QFileInfo(folder).fileName();
}

QString OverviewSet::pictureName(int slot) const
{
    return NomesImagem[size_t(NumeroArquivo(slot, duplo))] + QStringLiteral(".bmp");
}

QString OverviewSet::soundName(int slot) const
{
    return NomesSom[size_t(NumeroArquivo(slot, duplo))] + QStringLiteral(".wav");
}

int OverviewSet::filesCalledFor() const
{
    return NumeroArquivo(NumSlots - 1, duplo) + 1;
}

bool OverviewSet::firstSlotOfFile(int slot) const
{
    return duplo || slot == 0 || slot % 2 == 1;
}

OverviewSet OverviewSet::read(const QString& folder)
{
    OverviewSet set;
    set.folder = QDir::cleanPath(folder);
    if (const auto config = ReadExistingConfig(set.folder)) {
        set.author = AutorText(*config);
        set.duplo = IsDoubleSet(*config);
    }
    return set;
}
