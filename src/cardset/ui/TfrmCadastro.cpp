#include "cardset/ui/TfrmCadastro.h"

#include "cardset/SetFolders.h"
#include "cardset/ui/SetMessages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

TfrmCadastro::TfrmCadastro(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCadastro"));
    setWindowTitle(tr("New set"));
    // A fixed dialog border without a close box: only OK and Cancel end it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(357, 147);

    Label1 = new QLabel(tr("Name :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 20, 60, 16);
    txtNome = new QLineEdit(this);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    txtNome->setMaxLength(NameMaxLength);
    txtNome->setGeometry(80, 16, 257, 22);
    Label1->setBuddy(txtNome);

    Label2 = new QLabel(tr("Author :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(16, 56, 60, 16);
    txtAutor = new QLineEdit(this);
    txtAutor->setObjectName(QStringLiteral("txtAutor"));
    txtAutor->setMaxLength(NameMaxLength);
    txtAutor->setGeometry(80, 52, 257, 22);
    Label2->setBuddy(txtAutor);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(176, 104, 75, 25);
    cmdOK->setDefault(true);
    cmdCancelar = new QPushButton(tr("Cancel"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    cmdCancelar->setGeometry(262, 104, 75, 25);
    // Enter presses the focused button, Cancel too; elsewhere it presses OK.
    cmdCancelar->setAutoDefault(true);

    connect(cmdOK, &QPushButton::clicked, this, &TfrmCadastro::cmdOKClick);
    connect(cmdCancelar, &QPushButton::clicked, this, &TfrmCadastro::cmdCancelarClick);
}

void TfrmCadastro::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The window system shows the dialog again when it is restored after
    // being minimised; only a real opening starts it afresh.
    if (event->spontaneous())
        return;
    txtNome->clear();
    txtAutor->clear();
    txtNome->setFocus();
}

void TfrmCadastro::cmdOKClick()
{
    const QString name = TrimBlanks(txtNome->text());
    const QString author = TrimBlanks(txtAutor->text());
    if (name.isEmpty())
        return refuse(SetMessages::InvalidNameCaption(), SetMessages::EmptyName());
    // A separator or a leading dot would put the set outside "Ed" or hide it;
    // such a folder cannot be made a set, so the creation message is shown.
    if (!IsUsableSetName(name))
        return refuse(SetMessages::ErrorCaption(), SetMessages::CannotCreate());
    if (ExistePasta(PastaBase + name))
        return refuse(SetMessages::InvalidNameCaption(), SetMessages::NameExists());
    PastaEscolhida = PastaBase + name + QLatin1Char('/');
    Autor = author;
    accept();
}

void TfrmCadastro::cmdCancelarClick()
{
    reject();
}

void TfrmCadastro::refuse(const QString& caption, const QString& text)
{
    SetMessages::Show(this, caption, text);
    txtNome->setFocus();
}
