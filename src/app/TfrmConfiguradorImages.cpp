// The picture commands: Insert image, Paste picture, Insert Text, Choose
// Font, Duplicate.
// Each writes the card's picture file at once through the session's card
// edits, from the picture as it is on disk; the frames follow. Errors
// of the picture layer stop the command and reach the error box.

#include "app/CardFontDialog.h"
#include "app/EditorSession.h"
#include "app/TfrmConfigurador.h"
#include "common/ui/ErrorMessage.h"
#include "images/CardPicture.h"
#include "images/CardText.h"
#include "images/TBitmap.h"
#include "images/ui/TDBImage.h"
#include "images/ui/TOpenPictureDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextDocument>

void TfrmConfigurador::btnImagemClick()
{
    const std::optional<int> slot = CurrentSlot();
    if (!slot || !dlOpenBitmap->RunDialog())
        return;
    const QString chosen = dlOpenBitmap->FileName();
    // A BMP file is taken as read, any other picture converted to a card; a
    // file that cannot be read stops here: nothing written, nothing recorded.
    TBitmap picture;
    try {
        picture = LoadCardPicture(chosen);
    } catch (const Exception& e) {
        throw EFileError::On(e, chosen);
    }
    session_.Edits().WritePicture(*slot, picture);
}

void TfrmConfigurador::mnPastePictureClick()
{
    const std::optional<int> slot = CurrentSlot();
    if (!slot)
        return;
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull())
        throw Exception(QStringLiteral("The clipboard holds no picture"));
    session_.Edits().WritePicture(*slot, CardPictureFromImage(image));
}

bool TfrmConfigurador::clipboardHasPicture() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasImage();
}

void TfrmConfigurador::btnTextoClick()
{
    const std::optional<int> slot = CurrentSlot();
    if (!slot)
        return;
    // The text goes onto the card's picture as it is on disk, as it is shown.
    const QStringList lines = TextBoxLines();
    const CardText::CanvasFont& font = CanvasFont(ImagemAtual);
    // Text cut at the card's edges, or no text at all, is written only when
    // the user says so.
    const CardText::TextFit fit = CardText::CheckFit(lines, font.font);
    if (fit != CardText::TextFit::Fits &&
        QMessageBox::question(this, QStringLiteral("Tessellor"), CardText::FitQuestion(fit),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    TBitmap picture = session_.Pictures().Picture(*slot);
    CardText::InsertText(picture, lines, font);
    session_.Edits().WritePicture(*slot, picture);
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
    const int source = (leftIsCurrent ? DBImage1 : DBImage2)->Tag();
    const int target = (leftIsCurrent ? DBImage2 : DBImage1)->Tag();
    // A card whose file could not be read shows the blank card, not the
    // card: copying it would overwrite a good picture with a blank one.
    if (const std::optional<EFileError>& unreadable = session_.Pictures().Error(source))
        throw *unreadable;
    const TBitmap picture = session_.Pictures().Picture(source);
    session_.Edits().WritePicture(target, picture);
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
