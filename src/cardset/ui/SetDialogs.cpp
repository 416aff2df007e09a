#include "cardset/ui/SetDialogs.h"

QPointer<TfrmCadastro> frmCadastro;
QPointer<TfPropriedades> fPropriedades;
QPointer<TfrmImportaArqs> frmImportaArqs;
QPointer<TfrmImporta> frmImporta;
QPointer<TfrmErroImporta> frmErroImporta;

namespace {

template <typename Dialog> void createOnce(QPointer<Dialog>& dialog, QWidget* owner)
{
    if (!dialog)
        dialog = new Dialog(owner);
}

} // namespace

void CreateSetDialogs(QWidget* owner)
{
    createOnce(frmCadastro, owner);
    createOnce(fPropriedades, owner);
    createOnce(frmImportaArqs, owner);
    createOnce(frmImporta, owner);
    createOnce(frmErroImporta, owner);
}
