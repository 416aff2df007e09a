// The picture commands: Insert image, Insert Text, Choose Font, Duplicate.
// Each writes the card's picture file at once and records its path in the
// card's slot only after the file was written; errors of the picture layer
// stop the command and reach the application's error box.

#include "app/CardFontDialog.h"
#include "app/TfrmConfigurador.h"
#include "cardset/CardTable.h"
#include "images/CardText.h"
#include "images/TBitmap.h"
#include "images/ui/TDBImage.h"
#include "images/ui/TOpenPictureDialog.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

// Writes the frame's picture as the picture file of `slot` and records it.
void savePicture(TDBImage* frame, int slot)
{
    const QString path = CaminhoImagem(slot);
    frame->Picture().SaveBitmapFile(path);
    Conjunto.Elementos[slot].Imagem = path;
}

// A frame shows no slot while it stands at -1 (the hidden left frame).
bool showsSlot(const TDBImage* frame)
{
    return frame && frame->Tag() >= 0 && frame->Tag() < NumSlots;
}

} // namespace

void TfrmConfigurador::btnImagemClick()
{
    TDBImage* frame = ImagemAtual;
    if (!showsSlot(frame) || !dlOpenBitmap->RunDialog())
        return;
    const int slot = frame->Tag();
    // A file that is no readable bitmap stops here: nothing written, nothing recorded.
    frame->Picture().LoadBitmapFile(dlOpenBitmap->FileName());
    frame->PictureChanged();
    savePicture(frame, slot);
}

void TfrmConfigurador::btnTextoClick()
{
    TDBImage* frame = ImagemAtual;
    if (!showsSlot(frame))
        return;
    const int slot = frame->Tag();
    CardText::InsertText(frame->Picture(), TextBoxLines(), CanvasFont(frame));
    frame->PictureChanged();
    savePicture(frame, slot);
}

void TfrmConfigurador::btnFonteClick()
{
    if (ImagemAtual && dlFont->Execute())
        CanvasFont(ImagemAtual) = dlFont->LastChoice();
}

void TfrmConfigurador::btnDuplicarClick()
{
    if (DBImage1->Tag() <= 0)
        return;
    const bool leftIsCurrent = ImagemAtual == DBImage1;
    TDBImage* source = leftIsCurrent ? DBImage1 : DBImage2;
    TDBImage* target = leftIsCurrent ? DBImage2 : DBImage1;
    target->Picture().CopyPicture(&source->Picture());
    target->PictureChanged();
    savePicture(target, target->Tag());
}

QStringList TfrmConfigurador::TextBoxLines() const
{
    return CardText::WrapLines(memTexto->toPlainText(), memTexto->font(), TextBoxWrapWidth(),
                               memTexto->wordWrapMode());
}

int TfrmConfigurador::TextBoxWrapWidth() const
{
    // The box lays its lines out in its viewport less the document's margin on either side.
    const auto margin = static_cast<int>(memTexto->document()->documentMargin());
    return memTexto->viewport()->width() - 2 * margin;
}
