// The set commands: New, Open, Import, Properties and Save. The dialogs give
// their results; the commands make them current through the document.

#include "app/EditorSession.h"
#include "app/TfrmConfigurador.h"

#include "cardset/SetConfig.h"
#include "cardset/SetScan.h"
#include "cardset/ui/SetDialogs.h"
#include "cardset/ui/SetMessages.h"
#include "common/FileNames.h"
#include "common/ui/ErrorMessage.h"
#include "images/ui/TDBImage.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace {

constexpr int NoSlot = -1;
constexpr int CoverSlot = 0;

// The scan's lines go to the Import errors list, emptied before each scan.
void prepareErrorList(TfrmConfigurador& window)
{
    QPointer<TfrmErroImporta> errors = window.Dialogs().frmErroImporta;
    errors->memErros->clear();
    window.setErrorList([errors](const QString& line) {
        if (errors)
            errors->memErros->appendPlainText(line);
    });
}

// The set's "Set.cfg" as it is spelt in the folder, or as it would be written.
QString configFileName(const QString& folder)
{
    return FileNames::targetForWrite(folder + QLatin1Char('/') + QLatin1String(ConfigFileName));
}

void showCoverPage(TfrmConfigurador& window)
{
    window.DBImage1->setTag(NoSlot);
    window.DBImage2->setTag(CoverSlot);
    window.InicImages();
}

// The body of Import set: scan the chosen folder with the editing controls
// off; they come back on only when no picture is missing.
void ImportaConjunto(TfrmConfigurador& window)
{
    prepareErrorList(window);
    window.Document().LimpaConjunto();
    window.ImagemAtual = window.DBImage2;
    window.InicImages();
    window.InibeControles();
    if (window.Document().LoadSet(window.scanView()))
        window.HabilitaControles();
    else
        window.Dialogs().frmErroImporta->exec();
}

} // namespace

void TfrmConfigurador::mnNovoClick()
{
    TfrmCadastro* frmCadastro = Dialogs().frmCadastro;
    frmCadastro->PastaBase = Document().PastaBase();
    if (frmCadastro->exec() != QDialog::Accepted)
        return;
    // A new set is always a double set.
    Document().ChooseSet(frmCadastro->PastaEscolhida, frmCadastro->Autor, 1);
    // One level only: the "Ed" folder must already exist.
    if (!QDir().mkdir(Document().PastaConjunto())) {
        SetMessages::Show(this, SetMessages::ErrorCaption, SetMessages::CannotCreate);
        InibeControles();
        return;
    }
    NovoConjunto();
    HabilitaControles();
    // Written at once: a new set reopened before it was saved must still be
    // read as the double set it is.
    Document().SalvaConfig();
}

void TfrmConfigurador::btnAbrirClick()
{
    TfrmImporta* frmImporta = Dialogs().frmImporta;
    frmImporta->PastaBase = Document().PastaBase();
    if (frmImporta->exec() != QDialog::Accepted)
        return;
    openSetFolder(frmImporta->PastaEscolhida);
}

void TfrmConfigurador::openSetFolder(const QString& folder)
{
    // When its "Set.cfg" cannot be read, the set that was current stays
    // current as a whole.
    try {
        Document().OpenFolder(folder);
    } catch (const Exception& e) {
        // The runtime's text ("Read beyond end of file") says what, not where.
        throw EFileError::On(e, configFileName(folder));
    }
    session_.Recent().add(folder);
    HabilitaControles();
    prepareErrorList(*this);
    // An opened set with missing pictures stays editable.
    if (!Document().LoadSet(scanView()))
        Dialogs().frmErroImporta->exec();
    showCoverPage(*this);
    lblProgresso->hide();
    Progresso->hide();
}

void TfrmConfigurador::mnImportarClick()
{
    TfrmImportaArqs* frmImportaArqs = Dialogs().frmImportaArqs;
    frmImportaArqs->PastaBase = Document().PastaBase();
    if (frmImportaArqs->exec() != QDialog::Accepted)
        return;
    // The folder as typed and the author untrimmed; no file is read or written.
    Document().ChooseSet(frmImportaArqs->PastaEscolhida, frmImportaArqs->Autor,
                         frmImportaArqs->Duplo ? 1 : 0);
    session_.Recent().add(frmImportaArqs->PastaEscolhida);
    ImportaConjunto(*this);
    showCoverPage(*this);
}

void TfrmConfigurador::Propriedades1Click()
{
    TfPropriedades* fPropriedades = Dialogs().fPropriedades;
    fPropriedades->ConfigAtual = Document().ConfigConjunto();
    if (fPropriedades->exec() != QDialog::Accepted)
        return;
    // Another kind gives cards other files: the user hears how many cards
    // change their picture before anything changes, and after it the set is
    // read again so that frames, overview and disk agree.
    const bool kindChanges = Document().HasSet() && fPropriedades->Duplo != Document().IsDoubleSet();
    if (kindChanges && !confirmKindChange(Document().CardsChangingPicture(fPropriedades->Duplo)))
        return;
    // The dialog closes whatever the write does; its error follows, after the
    // set was read again under the kind that took effect.
    try {
        Document().ApplyProperties(fPropriedades->Autor, fPropriedades->Duplo);
    } catch (...) {
        if (kindChanges)
            rescanSet();
        throw;
    }
    if (kindChanges)
        rescanSet();
}

bool TfrmConfigurador::confirmKindChange(int changedCards)
{
    if (changedCards == 0)
        return true;
    const QString cards =
        changedCards == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(changedCards);
    const QString question = QStringLiteral("Changing the kind of the set changes the picture of %1. "
                                            "The set is then read from its folder again. Change it?")
                                 .arg(cards);
    return QMessageBox::question(this, QGuiApplication::applicationDisplayName(), question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void TfrmConfigurador::rescanSet()
{
    // The user was told before; the missing files of the new kind are no news.
    setErrorList({});
    Document().ReloadSet(scanView());
    scanView().hideProgress();
    InicImages();
}

void TfrmConfigurador::btnSalvarClick()
{
    // The Files menu's entry stays available without a current set; there is
    // then no folder to write into.
    if (!Document().HasSet())
        return;
    Document().SalvaConfig();
}
