#include "cardset/ui/SetDialogs.h"

namespace {

template <typename Dialog> void createOnce(QPointer<Dialog>& dialog, QWidget* owner)
{
    if (!dialog)
        dialog = new Dialog(owner);
}

} // namespace

void SetDialogs::Create(QWidget* owner)
{
    createOnce(frmCadastro, owner);
    createOnce(fPropriedades, owner);
    createOnce(frmImportaArqs, owner);
    createOnce(frmImporta, owner);
    createOnce(frmErroImporta, owner);
}
