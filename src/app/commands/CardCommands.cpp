#include "app/commands/CardCommands.h"

#include "app/CardFontDialog.h"
#include "app/EditorView.h"
#include "cardset/CardUndoHistory.h"
#include "common/ui/ErrorMessage.h"
#include "images/CardPicture.h"
#include "images/CardText.h"
#include "images/TBitmap.h"
#include "images/ui/TOpenPictureDialog.h"
#include "session/EditorSession.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>

CardCommands::CardCommands(EditorSession& session, EditorView& view)
    : session_(session), view_(view), dlOpenBitmap_(new TOpenPictureDialog(view.Widget())),
      dlFont_(new CardFontDialog(view.Widget()))
{
    dlOpenBitmap_->setObjectName(QStringLiteral("dlOpenBitmap"));
    dlOpenBitmap_->SetFilter(TOpenPictureDialog::CardPictureFilter());
    dlOpenBitmap_->SetFilterIndex(1);
}

void CardCommands::InsertImage()
{
    const std::optional<int> slot = view_.CurrentSlot();
    if (!slot || !dlOpenBitmap_->RunDialog())
        return;
    const QString chosen = dlOpenBitmap_->FileName();
    // A BMP file is taken as read, any other picture converted to a card; a
    // file that cannot be read stops here: nothing written, nothing recorded.
    TBitmap picture;
    try {
        picture = LoadCardPicture(chosen);
    } catch (const Exception& e) {
        throw EFileError::On(e, chosen);
    }
    session_.Edits().WritePicture(*slot, picture);
    session_.Edits().NameAfterFile(*slot, chosen);
}

void CardCommands::EditCardName()
{
    const std::optional<int> slot = view_.CurrentSlot();
    if (!slot)
        return;
    bool ok = false;
    const QString name =
        QInputDialog::getText(view_.Widget(), tr("Card name"),
                              *slot == 0 ? tr("Name of the cover:") : tr("Name of card %1:").arg(*slot),
                              QLineEdit::Normal, session_.Edits().CardName(*slot), &ok);
    if (ok)
        session_.SetCardName(*slot, name);
}

void CardCommands::PastePicture()
{
    const std::optional<int> slot = view_.CurrentSlot();
    if (!slot)
        return;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QImage image = clipboard->image();
    if (image.isNull())
        throw Exception(QStringLiteral("The clipboard holds no picture"));
    session_.Edits().WritePicture(*slot, CardPictureFromImage(image));
    // A picture copied as a file names the card after it.
    const QMimeData* data = clipboard->mimeData();
    if (data && data->urls().size() == 1 && data->urls().first().isLocalFile())
        session_.Edits().NameAfterFile(*slot, data->urls().first().toLocalFile());
}

void CardCommands::InsertText()
{
    const std::optional<int> slot = view_.CurrentSlot();
    const CardText::CanvasFont* canvas = view_.CurrentCanvasFont();
    if (!slot || !canvas)
        return;
    // The text goes onto the card's picture as it is on disk, as it is shown.
    const QStringList lines = view_.TextBoxLines();
    const CardText::CanvasFont& font = *canvas;
    // Text cut at the card's edges, or no text at all, is written only when
    // the user says so.
    const CardText::TextFit fit = CardText::CheckFit(lines, font.font);
    if (fit != CardText::TextFit::Fits &&
        QMessageBox::question(view_.Widget(), QStringLiteral("Tessellor"), CardText::FitQuestion(fit),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    TBitmap picture = session_.Pictures().Picture(*slot);
    CardText::InsertText(picture, lines, font);
    session_.Edits().WritePicture(*slot, picture);
    // The card is named by what it says.
    session_.SetCardName(*slot, lines.join(QLatin1Char(' ')));
}

void CardCommands::ChooseFont()
{
    CardText::CanvasFont* canvas = view_.CurrentCanvasFont();
    if (canvas && dlFont_->Execute())
        *canvas = dlFont_->LastChoice();
}

void CardCommands::Duplicate()
{
    const CardPage page = view_.ShownPage();
    const std::optional<int> current = view_.CurrentSlot();
    if (page.left <= 0 || !current)
        return;
    // The picture of the current card goes to the other card of the page.
    const int source = *current;
    const int target = source == page.left ? page.right : page.left;
    // A card whose file could not be read shows the blank card, not the
    // card: copying it would overwrite a good picture with a blank one.
    if (const std::optional<EFileError>& unreadable = session_.Pictures().Error(source))
        throw *unreadable;
    const TBitmap picture = session_.Pictures().Picture(source);
    session_.Edits().WritePicture(target, picture);
}

void CardCommands::Copy()
{
    const std::optional<int> slot = view_.CurrentSlot();
    if (!slot)
        return;
    session_.SetCopy(session_.Document().CaminhoImagem(*slot), session_.Document().CaminhoSom(*slot));
    view_.updateActions();
}

void CardCommands::Paste()
{
    const std::optional<int> slot = view_.CurrentSlot();
    if (!slot || !view_.EditingEnabled())
        return;
    // The frames show what was written when the document tells of it.
    session_.Edits().Paste(*slot, session_.ElementoCopiado(), view_.SaveProgress());
}

void CardCommands::Undo()
{
    if (const std::optional<int> slot = session_.UndoHistory().Undo())
        view_.GoToSlot(*slot);
}

void CardCommands::Redo()
{
    if (const std::optional<int> slot = session_.UndoHistory().Redo())
        view_.GoToSlot(*slot);
}
