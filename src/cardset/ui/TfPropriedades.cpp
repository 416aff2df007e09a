#include "cardset/ui/TfPropriedades.h"

#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// The window's outer size is 202 x 162; this is its client area inside a
// resizable frame and a caption.
constexpr int ClientWidth = 194;
constexpr int ClientHeight = 135;

} // namespace

TfPropriedades::TfPropriedades(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fPropriedades"));
    setWindowTitle(tr("Proprierties"));
    resize(ClientWidth, ClientHeight);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Panel1);

    Label1 = new QLabel(tr("Author:"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label1->setBuddy(Edit1);
    CheckBox1 = new QCheckBox(tr("Double"), Panel1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    BitBtn1 = new QPushButton(tr("OK"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(tr("Cancel"), Panel1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    // Enter presses the focused button, Cancel too; elsewhere it presses OK.
    BitBtn2->setAutoDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* inner = new QVBoxLayout(Panel1);
    inner->addWidget(Label1);
    inner->addWidget(Edit1);
    inner->addWidget(CheckBox1);
    inner->addStretch();
    inner->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &TfPropriedades::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TfPropriedades::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The window system shows the dialog again when it is restored after
    // being minimised; only a real opening starts it afresh.
    if (event->spontaneous())
        return;
    // Centred on the screen, not on the main window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    Edit1->setText(AutorText(ConfigAtual));
    CheckBox1->setChecked(IsDoubleSet(ConfigAtual));
}

void TfPropriedades::BitBtn1Click()
{
    Autor = Edit1->text();
    Duplo = CheckBox1->isChecked();
    accept();
}
