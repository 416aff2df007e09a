#include "pictures/SetView.h"

#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"
#include "cardset/SetDocument.h"

#include <QFileInfo>

QString SetView::name() const
{
    return QFileInfo(folder).fileName();
}

QString SetView::pictureName(int slot) const
{
    return PictureFileName(slot, duplo);
}

QString SetView::soundName(int slot) const
{
    return SoundFileName(slot, duplo);
}

QString SetView::picturePath(int slot) const
{
    return folder + QLatin1Char('/') + pictureName(slot);
}

int SetView::filesCalledFor() const
{
    return FilesCalledFor(duplo);
}

bool SetView::firstSlotOfFile(int slot) const
{
    return FirstSlotOfFile(slot, duplo);
}

SetView SetView::read(const QString& folder)
{
    SetView set;
    set.folder = SetFolderForm(folder);
    if (const auto config = ReadExistingConfig(set.folder)) {
        set.author = AutorText(*config);
        set.duplo = IsDoubleSet(*config);
    }
    return set;
}

SetView SetView::of(const TSetDocument& document)
{
    SetView set;
    if (document.HasSet()) {
        set.folder = document.SetFolder();
        set.author = AutorText(document.ConfigConjunto());
        set.duplo = document.IsDoubleSet();
    }
    return set;
}
