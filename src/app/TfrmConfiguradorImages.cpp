// The picture commands: Insert image, Paste picture, Insert Text, Choose
// Font, Duplicate.
// Each writes the card's picture file at once through WriteCardPicture; errors
// of the picture layer stop the command and reach the error box.

#include "app/CardFontDialog.h"
#include "app/TfrmConfigurador.h"
#include "common/ui/ErrorMessage.h"
#include "images/CardPicture.h"
#include "images/CardText.h"
#include "images/TBitmap.h"
#include "images/ui/TDBImage.h"
#include "images/ui/TOpenPictureDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextDocument>

void TfrmConfigurador::btnImagemClick()
{
    TDBImage* frame = ImagemAtual;
    const std::optional<int> current = CurrentSlot();
    if (!current || !dlOpenBitmap->RunDialog())
        return;
    const int slot = *current;
    const QString chosen = dlOpenBitmap->FileName();
    // A BMP file is taken as read, any other picture converted to a card; a
    // file that cannot be read stops here: nothing written, nothing recorded.
    try {
        frame->Picture() = LoadCardPicture(chosen);
    } catch (const Exception& e) {
        throw EFileError::On(e, chosen);
    }
    frame->PictureChanged();
    WriteCardPicture(frame, slot);
}

void TfrmConfigurador::mnPastePictureClick()
{
    TDBImage* frame = ImagemAtual;
    const std::optional<int> current = CurrentSlot();
    if (!current)
        return;
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull())
        throw Exception(QStringLiteral("The clipboard holds no picture"));
    frame->Picture() = CardPictureFromImage(image);
    frame->PictureChanged();
    WriteCardPicture(frame, *current);
}

bool TfrmConfigurador::clipboardHasPicture() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasImage();
}

void TfrmConfigurador::btnTextoClick()
{
    TDBImage* frame = ImagemAtual;
    const std::optional<int> current = CurrentSlot();
    if (!current)
        return;
    const int slot = *current;
    CardText::InsertText(frame->Picture(), TextBoxLines(), CanvasFont(frame));
    frame->PictureChanged();
    WriteCardPicture(frame, slot);
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
    // A frame whose file could not be read shows the blank card, not the
    // card: copying it would overwrite a good picture with a blank one.
    if (const std::optional<EFileError>& unreadable = unreadablePicture(source))
        throw *unreadable;
    target->Picture().CopyPicture(&source->Picture());
    target->PictureChanged();
    WriteCardPicture(target, target->Tag());
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
