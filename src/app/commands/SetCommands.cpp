#include "app/commands/SetCommands.h"

#include "app/EditorView.h"
#include "app/commands/WaitCursor.h"
#include "audio/speech/Speech.h"
#include "cardset/SetConfig.h"
#include "cardset/SetScan.h"
#include "cardset/ui/SetDialogs.h"
#include "cardset/ui/SetMessages.h"
#include "cardset/ui/TfrmPalavras.h"
#include "common/FileNames.h"
#include "common/ui/ErrorMessage.h"
#include "images/CardText.h"
#include "session/EditorSession.h"
#include "session/WordSet.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>

namespace {

// The set's "Set.cfg" as it is spelt in the folder, or as it would be written.
QString configFileName(const QString& folder)
{
    return FileNames::targetForWrite(folder + QLatin1Char('/') + QLatin1String(ConfigFileName));
}

// Asks once, as Insert Text does, before words are written cut at a card's
// edges; true when none is or the user agreed.
bool agreeToCutWords(QWidget* parent, const QStringList& cut)
{
    if (cut.isEmpty())
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tessellor"),
                    CardText::FitQuestion(CardText::TextFit::Cut), QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    box.setInformativeText(QStringLiteral("\u201c%1\u201d").arg(cut.join(QStringLiteral("\u201d, \u201c"))));
    return box.exec() == QMessageBox::Yes;
}

} // namespace

SetCommands::SetCommands(EditorSession& session, EditorView& view) : session_(session), view_(view) {}

SetCommands::~SetCommands() = default;

SetDialogs& SetCommands::Dialogs()
{
    if (!dialogs_)
        dialogs_ = std::make_unique<SetDialogs>();
    dialogs_->Create(view_.Widget());
    return *dialogs_;
}

// The scan's lines go to the Import errors list, emptied before each scan.
void SetCommands::prepareErrorList()
{
    QPointer<TfrmErroImporta> errors = Dialogs().frmErroImporta;
    errors->memErros->clear();
    view_.setErrorList([errors](const QString& line) {
        if (errors)
            errors->memErros->appendPlainText(line);
    });
}

void SetCommands::showCoverPage()
{
    view_.ShowPage(CardPage{});
}

void SetCommands::New()
{
    TSetDocument& document = session_.Document();
    TfrmCadastro* frmCadastro = Dialogs().frmCadastro;
    frmCadastro->PastaBase = document.PastaBase();
    if (frmCadastro->exec() != QDialog::Accepted)
        return;
    // A new set is always a double set.
    document.ChooseSet(frmCadastro->PastaEscolhida, frmCadastro->Autor, 1);
    // One level only: the "Ed" folder must already exist.
    if (!QDir().mkdir(document.PastaConjunto())) {
        SetMessages::Show(view_.Widget(), SetMessages::ErrorCaption(), SetMessages::CannotCreate());
        view_.InibeControles();
        return;
    }
    session_.Recent().add(document.PastaConjunto());
    view_.NovoConjunto();
    view_.HabilitaControles();
    // Written at once: a new set reopened before it was saved must still be
    // read as the double set it is.
    document.SalvaConfig();
}

void SetCommands::NewFromWords()
{
    // Raises with a message when the speech library has no voices to offer.
    const QList<SpeechVoice> voices = Speech::Voices();
    TfrmPalavras dialog(voices, Speech::DefaultVoice(), view_.Widget());
    dialog.PastaBase = session_.Document().PastaBase();
    if (dialog.exec() != QDialog::Accepted)
        return;
    WordSetOptions options;
    options.words = dialog.Palavras;
    options.duplo = dialog.Duplo();
    options.voice = dialog.Voz();
    options.picturesFolder = dialog.Figuras();
    options.coverPicture = dialog.Capa();
    if (!agreeToCutWords(view_.Widget(), WordSet::CutWords(options.words, options.font)))
        return;
    options.cutTextAgreed = true;
    WordSet::Made made;
    {
        const WaitCursor waiting;
        made = WordSet::Build(dialog.PastaEscolhida, options);
    }
    OpenFolder(made.folder, false);
}

void SetCommands::Open()
{
    TfrmImporta* frmImporta = Dialogs().frmImporta;
    frmImporta->PastaBase = session_.Document().PastaBase();
    if (frmImporta->exec() != QDialog::Accepted)
        return;
    OpenFolder(frmImporta->PastaEscolhida);
}

void SetCommands::OpenFolder(const QString& folder, bool reportMissing)
{
    // When its "Set.cfg" cannot be read, the set that was current stays
    // current as a whole.
    try {
        session_.Document().OpenFolder(folder);
    } catch (const Exception& e) {
        // The runtime's text ("Read beyond end of file") says what, not where.
        throw EFileError::On(e, configFileName(folder));
    }
    session_.Recent().add(folder);
    view_.HabilitaControles();
    prepareErrorList();
    // An opened set with missing pictures stays editable.
    if (!session_.Document().LoadSet(view_.scanView()) && reportMissing)
        Dialogs().frmErroImporta->exec();
    showCoverPage();
    view_.scanView().hideProgress();
}

void SetCommands::Import()
{
    TfrmImportaArqs* frmImportaArqs = Dialogs().frmImportaArqs;
    frmImportaArqs->PastaBase = session_.Document().PastaBase();
    if (frmImportaArqs->exec() != QDialog::Accepted)
        return;
    // The folder as typed and the author untrimmed; no file is read or written.
    session_.Document().ChooseSet(frmImportaArqs->PastaEscolhida, frmImportaArqs->Autor,
                                  frmImportaArqs->Duplo ? 1 : 0);
    session_.Recent().add(frmImportaArqs->PastaEscolhida);
    importSet();
    showCoverPage();
}

// Scans the chosen folder with the editing controls off; they come back on
// only when no picture is missing.
void SetCommands::importSet()
{
    prepareErrorList();
    session_.Document().LimpaConjunto();
    view_.MakeRightFrameCurrent();
    view_.InicImages();
    view_.InibeControles();
    if (session_.Document().LoadSet(view_.scanView()))
        view_.HabilitaControles();
    else
        Dialogs().frmErroImporta->exec();
}

void SetCommands::Properties()
{
    TSetDocument& document = session_.Document();
    TfPropriedades* fPropriedades = Dialogs().fPropriedades;
    fPropriedades->ConfigAtual = document.ConfigConjunto();
    if (fPropriedades->exec() != QDialog::Accepted)
        return;
    // Another kind gives cards other files: the user hears how many cards
    // change their picture before anything changes, and after it the set is
    // read again so that frames, overview and disk agree.
    const bool kindChanges = document.HasSet() && fPropriedades->Duplo != document.IsDoubleSet();
    if (kindChanges && !confirmKindChange(document.CardsChangingPicture(fPropriedades->Duplo)))
        return;
    // The dialog closes whatever the write does; its error follows, after the
    // set was read again under the kind that took effect.
    try {
        document.ApplyProperties(fPropriedades->Autor, fPropriedades->Duplo);
    } catch (...) {
        if (kindChanges)
            rescanSet();
        throw;
    }
    if (kindChanges)
        rescanSet();
}

bool SetCommands::confirmKindChange(int changedCards)
{
    if (changedCards == 0)
        return true;
    //: Fills %1 of the question below; "%1 cards" is for two and more
    const QString cards = changedCards == 1
                              ? QCoreApplication::translate("SetCommands", "1 card")
                              : QCoreApplication::translate("SetCommands", "%1 cards").arg(changedCards);
    const QString question =
        QCoreApplication::translate("SetCommands", "Changing the kind of the set changes the picture of %1. "
                                                   "The set is then read from its folder again. Change it?")
            .arg(cards);
    return QMessageBox::question(view_.Widget(), QGuiApplication::applicationDisplayName(), question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void SetCommands::rescanSet()
{
    // The user was told before; the missing files of the new kind are no news.
    view_.setErrorList({});
    session_.Document().ReloadSet(view_.scanView());
    view_.scanView().hideProgress();
    view_.InicImages();
}

void SetCommands::Save()
{
    // The Files menu's entry stays available without a current set; there is
    // then no folder to write into.
    if (!session_.Document().HasSet())
        return;
    session_.Document().SalvaConfig();
}
