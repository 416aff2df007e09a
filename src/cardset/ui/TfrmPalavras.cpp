#include "cardset/ui/TfrmPalavras.h"

#include "cardset/SetFolders.h"
#include "cardset/WordList.h"
#include "cardset/ui/SetMessages.h"
#include "common/ui/ErrorMessage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmPalavras::TfrmPalavras(const QList<SpeechVoice>& voices, const QString& defaultVoice, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPalavras"));
    setWindowTitle(tr("New set from word list"));
    auto* form = new QFormLayout;
    txtNome = new QLineEdit(this);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    txtNome->setMaxLength(200);
    form->addRow(tr("&Name :"), txtNome);

    memPalavras = new QPlainTextEdit(this);
    memPalavras->setObjectName(QStringLiteral("memPalavras"));
    memPalavras->setPlaceholderText(tr("2 to 20 words or short phrases, one a line"));
    btnCarregar = new QPushButton(tr("&Load list..."), this);
    btnCarregar->setObjectName(QStringLiteral("btnCarregar"));
    auto* words = new QVBoxLayout;
    words->addWidget(memPalavras);
    words->addWidget(btnCarregar, 0, Qt::AlignLeft);
    // A row of a layout gets no buddy of its own: the label leads to the box.
    auto* wordsLabel = new QLabel(tr("&Words :"), this);
    wordsLabel->setBuddy(memPalavras);
    form->addRow(wordsLabel, words);

    chkDuplo = new QCheckBox(tr("&Double set: the second card of a pair shows the word's picture"), this);
    chkDuplo->setObjectName(QStringLiteral("chkDuplo"));
    form->addRow(QString(), chkDuplo);

    cmbVoz = new QComboBox(this);
    cmbVoz->setObjectName(QStringLiteral("cmbVoz"));
    for (const SpeechVoice& voice : voices)
        cmbVoz->addItem(voice.name, voice.identifier);
    cmbVoz->setCurrentIndex(qMax(0, cmbVoz->findData(defaultVoice)));
    form->addRow(tr("&Voice :"), cmbVoz);
    form->addRow(tr("&Pictures folder :"), makeBrowseRow(txtFiguras, btnFiguras, "Figuras"));
    form->addRow(tr("&Cover picture :"), makeBrowseRow(txtCapa, btnCapa, "Capa"));
    // Only a double set has a card of its own for a word's picture.
    const auto showPicturesRow = [this](bool duplo) {
        txtFiguras->setEnabled(duplo);
        btnFiguras->setEnabled(duplo);
    };
    showPicturesRow(false);
    connect(chkDuplo, &QCheckBox::toggled, this, showPicturesRow);

    auto* buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancelar = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(btnCarregar, &QPushButton::clicked, this, &TfrmPalavras::browseList);
    connect(btnFiguras, &QPushButton::clicked, this, &TfrmPalavras::browsePictures);
    connect(btnCapa, &QPushButton::clicked, this, &TfrmPalavras::browseCover);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPalavras::cmdOKClick);
    connect(cmdCancelar, &QPushButton::clicked, this, &TfrmPalavras::reject);
}

QWidget* TfrmPalavras::makeBrowseRow(QLineEdit*& edit, QPushButton*& button, const char* name)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    edit = new QLineEdit(row);
    edit->setObjectName(QStringLiteral("txt") + QLatin1String(name));
    edit->setPlaceholderText(tr("(none)"));
    button = new QPushButton(tr("Browse..."), row);
    button->setObjectName(QStringLiteral("btn") + QLatin1String(name));
    layout->addWidget(edit);
    layout->addWidget(button);
    return row;
}

void TfrmPalavras::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Restoring a minimised dialog is no new opening.
    if (event->spontaneous())
        return;
    txtNome->clear();
    txtNome->setFocus();
}

bool TfrmPalavras::Duplo() const
{
    return chkDuplo->isChecked();
}

QString TfrmPalavras::Voz() const
{
    return cmbVoz->currentData().toString();
}

QString TfrmPalavras::Figuras() const
{
    return Duplo() ? txtFiguras->text().trimmed() : QString();
}

QString TfrmPalavras::Capa() const
{
    return txtCapa->text().trimmed();
}

void TfrmPalavras::CarregaLista(const QString& path)
{
    try {
        memPalavras->setPlainText(WordList::Load(path).join(QLatin1Char('\n')));
    } catch (const Exception& e) {
        ShowErrorBox(e);
    }
}

void TfrmPalavras::cmdOKClick()
{
    const QString name = TrimBlanks(txtNome->text());
    if (name.isEmpty())
        return refuse(SetMessages::EmptyName(), txtNome);
    if (!IsUsableSetName(name))
        return refuse(tr("\"%1\" cannot name a set").arg(name), txtNome);
    if (ExistePasta(PastaBase + name))
        return refuse(SetMessages::NameExists(), txtNome);
    try {
        Palavras = WordList::Parse(memPalavras->toPlainText().toUtf8(), QString());
    } catch (const Exception& e) {
        return refuse(e.Message(), memPalavras);
    }
    if (!Figuras().isEmpty() && !QFileInfo(Figuras()).isDir())
        return refuse(tr("The pictures folder %1 does not exist").arg(Figuras()), txtFiguras);
    if (!Capa().isEmpty() && !QFileInfo(Capa()).isFile())
        return refuse(tr("The cover picture %1 does not exist").arg(Capa()), txtCapa);
    PastaEscolhida = PastaBase + name;
    accept();
}

void TfrmPalavras::refuse(const QString& text, QWidget* field)
{
    SetMessages::Show(this, windowTitle(), text);
    field->setFocus();
}

void TfrmPalavras::browseList()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Load word list"), QString(),
                                                      tr("Text files (*.txt);;All files (*)"));
    if (!path.isEmpty())
        CarregaLista(path);
}

void TfrmPalavras::browsePictures()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Pictures folder"), txtFiguras->text());
    if (!folder.isEmpty())
        txtFiguras->setText(folder);
}

void TfrmPalavras::browseCover()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Cover picture"), QString(),
        tr("Pictures (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff *.svg);;All files (*)"));
    if (!path.isEmpty())
        txtCapa->setText(path);
}
