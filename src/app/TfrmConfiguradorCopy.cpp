// Copy and paste of a card's picture and sound. Copy only remembers where the
// current card's files are; Paste reads them when it runs, so it pastes what
// the files hold then, into whatever set is current.

#include "app/EditorSession.h"
#include "app/TfrmConfigurador.h"

void TfrmConfigurador::btnCopiarClick()
{
    const std::optional<int> slot = CurrentSlot();
    if (!slot)
        return;
    session_.SetCopy(Document().CaminhoImagem(*slot), Document().CaminhoSom(*slot));
    updateActions();
}

void TfrmConfigurador::btnColarClick()
{
    const std::optional<int> slot = CurrentSlot();
    if (!slot || !editingEnabled_)
        return;
    // The frames show what was written when the document tells of it.
    session_.Edits().Paste(*slot, session_.ElementoCopiado(), SaveProgress());
}
