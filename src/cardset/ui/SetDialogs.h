#pragma once

#include "cardset/ui/TfPropriedades.h"
#include "cardset/ui/TfrmCadastro.h"
#include "cardset/ui/TfrmErroImporta.h"
#include "cardset/ui/TfrmImporta.h"
#include "cardset/ui/TfrmImportaArqs.h"

#include <QPointer>

// The five set dialogs of one main window, created once and shown modally as
// often as needed; controls that no step resets keep their contents between
// showings. Each takes its inputs before it is shown and gives its results
// after; none reads the editor's state.
struct SetDialogs {
    QPointer<TfrmCadastro> frmCadastro;
    QPointer<TfPropriedades> fPropriedades;
    QPointer<TfrmImportaArqs> frmImportaArqs;
    QPointer<TfrmImporta> frmImporta;
    QPointer<TfrmErroImporta> frmErroImporta;

    // Creates the dialogs that do not exist yet, hidden, as children of
    // `owner` (the main window), which destroys them with itself.
    void Create(QWidget* owner);
};
