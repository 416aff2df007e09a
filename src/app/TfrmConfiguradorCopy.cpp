// Copy and paste of a card's picture and sound. Copy only remembers where the
// current card's files are; Paste reads them when it runs, so it pastes what
// the files hold then, into whatever set is current.

#include "app/CardSound.h"
#include "app/TessellorApplication.h"
#include "app/TfrmConfigurador.h"
#include "audio/TMMWave.h"
#include "cardset/CardTable.h"
#include "cardset/CopyBuffer.h"
#include "cardset/SetConfig.h"
#include "common/Exception.h"
#include "common/FileNames.h"
#include "images/TBitmap.h"
#include "images/ui/TDBImage.h"

#include <QAction>
#include <QToolButton>
#include <optional>

namespace {

// TEMPORARY until the window's command runner lands.
template <typename Body> void runCommand(Body body)
{
    try {
        body();
    } catch (const Exception& e) {
        TessellorApplication::ShowException(e.Message());
    }
}

// TEMPORARY until the window's picture writer lands.
void savePicture(TDBImage* frame, int slot)
{
    const QString path = CaminhoImagem(slot);
    try {
        frame->Picture().SaveBitmapFile(path);
    } catch (...) {
        const auto existing = FileNames::findExisting(path);
        if (existing && FileNames::fileExists(*existing))
            frame->Picture().LoadBitmapFile(*existing);
        else
            frame->Picture().LoadBitmapResource(QStringLiteral("BMPBRANCO"));
        frame->PictureChanged();
        throw;
    }
    Conjunto.Elementos[slot].Imagem = path;
    if (ConfigConjunto.Duplo == 0 && slot > 0)
        Conjunto.Elementos[slot % 2 == 1 ? slot + 1 : slot - 1].Imagem = path;
}

bool showsSlot(const TDBImage* frame)
{
    return frame && frame->Tag() >= 0 && frame->Tag() < NumSlots;
}

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
    runCommand([this] {
        if (!showsSlot(ImagemAtual))
            return;
        const int slot = ImagemAtual->Tag();
        ElementoCopiado.Imagem = CaminhoImagem(slot);
        ElementoCopiado.Som = CaminhoSom(slot);
        btnColar->setEnabled(true);
        mnColar->setEnabled(true);
    });
}

void TfrmConfigurador::btnColarClick()
{
    runCommand([this] {
        TDBImage* frame = ImagemAtual;
        if (!showsSlot(frame))
            return;
        const int slot = frame->Tag();
        // Made for this one operation and released whatever happens.
        TMMWave wave;
        // The two parts are pasted independently, picture first; an error
        // stops the paste, so a failing picture leaves the sound unpasted.
        if (const auto picture = copiedFile(ElementoCopiado.Imagem)) {
            frame->Picture().LoadBitmapFile(*picture);
            frame->PictureChanged();
            savePicture(frame, slot);
        }
        if (const auto sound = copiedFile(ElementoCopiado.Som))
            CardSound::Save(wave, *sound, slot);
    });
}
