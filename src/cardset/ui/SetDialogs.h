#pragma once

#include "cardset/ui/TfPropriedades.h"
#include "cardset/ui/TfrmCadastro.h"
#include "cardset/ui/TfrmErroImporta.h"
#include "cardset/ui/TfrmImporta.h"
#include "cardset/ui/TfrmImportaArqs.h"

#include <QPointer>

// The five set dialogs, created once at start and shown modally as often as
// needed; controls that no step resets keep their contents between showings.
extern QPointer<TfrmCadastro> frmCadastro;
extern QPointer<TfPropriedades> fPropriedades;
extern QPointer<TfrmImportaArqs> frmImportaArqs;
extern QPointer<TfrmImporta> frmImporta;
extern QPointer<TfrmErroImporta> frmErroImporta;

// Creates the dialogs that do not exist yet, hidden, as children of `owner`
// (the main window), which destroys them with itself.
void CreateSetDialogs(QWidget* owner);
