#include "cardset/ui/TfrmImportaArqs.h"

#include "cardset/EInOutError.h"
#include "cardset/SetConfig.h"
#include "cardset/SetFolders.h"
#include "cardset/ui/FolderBrowser.h"
#include "cardset/ui/SetMessages.h"

#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <optional>

TfrmImportaArqs::TfrmImportaArqs(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmImportaArqs"));
    setWindowTitle(tr("Import files"));
    // A fixed dialog border with a close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(349, 163);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(8, 8, 333, 108);

    Label1 = new QLabel(tr("Directory :"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(10, 14, 64, 16);
    txtPath = new QLineEdit(Panel1);
    txtPath->setObjectName(QStringLiteral("txtPath"));
    txtPath->setGeometry(76, 10, 170, 22);
    Label1->setBuddy(txtPath);
    btnBrowse = new QPushButton(tr("&Browse"), Panel1);
    btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
    btnBrowse->setGeometry(252, 9, 72, 24);

    Label2 = new QLabel(tr("Author :"), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(10, 46, 64, 16);
    txtAutor = new QLineEdit(Panel1);
    txtAutor->setObjectName(QStringLiteral("txtAutor"));
    txtAutor->setGeometry(76, 42, 248, 22);
    Label2->setBuddy(txtAutor);

    Importa41 = new QCheckBox(tr("Import double set"), Panel1);
    Importa41->setObjectName(QStringLiteral("Importa41"));
    Importa41->setGeometry(76, 76, 200, 20);
    Importa41->setChecked(false);

    btnImportar = new QPushButton(tr("&Import"), this);
    btnImportar->setObjectName(QStringLiteral("btnImportar"));
    btnImportar->setGeometry(180, 126, 75, 25);
    btnCancelar = new QPushButton(tr("&Cancel"), this);
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    btnCancelar->setGeometry(266, 126, 75, 25);
    // Neither Enter nor Escape presses a button of this dialog.
    for (QPushButton* button : {btnBrowse, btnImportar, btnCancelar}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    connect(txtPath, &QLineEdit::textChanged, this, &TfrmImportaArqs::takeFolderSettings);
    connect(btnBrowse, &QPushButton::clicked, this, &TfrmImportaArqs::btnBrowseClick);
    connect(btnImportar, &QPushButton::clicked, this, &TfrmImportaArqs::btnImportarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TfrmImportaArqs::btnCancelarClick);
}

void TfrmImportaArqs::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The window system shows the dialog again when it is restored after
    // being minimised; only a real opening starts it afresh.
    if (event->spontaneous())
        return;
    Cancelado = true;
    txtPath->setText(PastaBase);
}

void TfrmImportaArqs::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

QString TfrmImportaArqs::browseRoot() const
{
    if (QDir(PastaBase).exists())
        return PastaBase;
    return QDir::homePath();
}

// Importing a folder that already is a set must not lose its author and kind
// at the next save: a readable "Set.cfg" gives the fields their starting
// values, which the user can still change. Each folder is looked at once, so
// editing the path within it keeps what the user typed.
void TfrmImportaArqs::takeFolderSettings(const QString& folder)
{
    const QString cleaned = QDir::cleanPath(folder);
    if (TrimBlanks(folder).isEmpty() || cleaned == lastLookedAt_)
        return;
    lastLookedAt_ = cleaned;
    std::optional<TConfigConjunto> stored;
    try {
        stored = ReadExistingConfig(folder);
    } catch (const EInOutError&) {
        // A damaged or unreadable file gives nothing to start from.
    }
    if (!stored)
        return;
    txtAutor->setText(AutorText(*stored));
    // Any value but 0 is a double set, as the card editing reads it.
    Importa41->setChecked(stored->Duplo != 0);
}

void TfrmImportaArqs::btnBrowseClick()
{
    PastaEscolhida.clear();
    // Qt's own folder chooser, so that the choice looks the same everywhere
    // and the dialog can be driven like the others.
    FolderBrowser browser(this, tr("Escolha um diretório"), browseRoot());
    folderBrowser_ = &browser;
    const bool chosen = browser.exec() == QDialog::Accepted && !browser.selectedFiles().isEmpty();
    folderBrowser_ = nullptr;
    if (!chosen)
        return;
    QString folder = QDir::fromNativeSeparators(browser.selectedFiles().first());
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    PastaEscolhida = folder;
    txtPath->setText(folder);
}

void TfrmImportaArqs::btnImportarClick()
{
    PastaEscolhida = txtPath->text();
    Autor = txtAutor->text();
    Duplo = Importa41->isChecked();
    Cancelado = false;
    accept();
}

void TfrmImportaArqs::btnCancelarClick()
{
    Cancelado = true;
    reject();
}

void TfrmImportaArqs::done(int result)
{
    if (Cancelado || !TrimBlanks(PastaEscolhida).isEmpty()) {
        QDialog::done(result);
        return;
    }
    SetMessages::Show(this, SetMessages::ChooseFolderCaption(), SetMessages::ChooseAFolder());
    txtPath->setFocus();
}
