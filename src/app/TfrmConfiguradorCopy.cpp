// Copy and paste of a card's picture and sound. Copy only remembers where the
// current card's files are; Paste reads them when it runs, so it pastes what
// the files hold then, into whatever set is current.

#include "app/CardSound.h"
#include "app/EditorSession.h"
#include "app/TfrmConfigurador.h"
#include "audio/TMMWave.h"
#include "common/FileNames.h"
#include "common/ui/ErrorMessage.h"
#include "images/TBitmap.h"
#include "images/ui/TDBImage.h"

#include <optional>

namespace {

// The existing spelling of a copied file, or nothing when it is gone (or is
// no plain file): the part it stands for is then not pasted.
std::optional<QString> copiedFile(const QString& path)
{
    const auto existing = path.isEmpty() ? std::nullopt : FileNames::findExisting(path);
    if (existing && FileNames::fileExists(*existing))
        return existing;
    return std::nullopt;
}

} // namespace

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
    TDBImage* frame = ImagemAtual;
    const std::optional<int> current = CurrentSlot();
    if (!current || !editingEnabled_)
        return;
    const int slot = *current;
    // Made for this one operation and released whatever happens.
    TMMWave wave;
    // The two parts are pasted independently, picture first; an error stops
    // the paste, so a failing picture leaves the sound unpasted.
    if (const auto picture = copiedFile(session_.ElementoCopiado().Imagem)) {
        try {
            frame->Picture().LoadBitmapFile(*picture);
        } catch (const Exception& e) {
            throw EFileError::On(e, *picture);
        }
        frame->PictureChanged();
        WriteCardPicture(frame, slot);
    }
    if (const auto sound = copiedFile(session_.ElementoCopiado().Som))
        CardSound::Save(Document(), wave, *sound, slot, SaveProgress());
}
