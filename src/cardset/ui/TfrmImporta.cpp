#include "cardset/ui/TfrmImporta.h"

#include "cardset/SetFolders.h"
#include "cardset/ui/ListaPastas.h"
#include "cardset/ui/SetMessages.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>

TfrmImporta::TfrmImporta(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmImporta"));
    setWindowTitle(tr("Open set"));
    // A fixed single border with a close box and a minimize box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(238, 245);

    GroupBox1 = new QGroupBox(tr("Choose a set "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 8, 222, 190);
    lstImporta = new QListWidget(GroupBox1);
    lstImporta->setObjectName(QStringLiteral("lstImporta"));
    lstImporta->setSelectionMode(QAbstractItemView::SingleSelection);
    lstImporta->setSortingEnabled(false);
    lstImporta->setGeometry(10, 22, 202, 158);

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(36, 208, 75, 25);
    cmdOK->setDefault(true);
    cmdCancelar = new QPushButton(tr("&Cancel"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    cmdCancelar->setGeometry(127, 208, 75, 25);
    // Enter presses the focused button, Cancel too; elsewhere it presses OK.
    cmdCancelar->setAutoDefault(true);

    connect(cmdOK, &QPushButton::clicked, this, &TfrmImporta::cmdOKClick);
    connect(cmdCancelar, &QPushButton::clicked, this, &TfrmImporta::cmdCancelarClick);
    // A left double-click anywhere on the list acts as OK, on an empty list too.
    lstImporta->viewport()->installEventFilter(this);
    connect(lstImporta, &QListWidget::itemSelectionChanged, this, &TfrmImporta::keepASelection);
}

// A list of sets always has one chosen: Ctrl+click or Ctrl+Space on the
// chosen line would otherwise leave OK with nothing to open.
void TfrmImporta::keepASelection()
{
    if (lstImporta->count() == 0 || !lstImporta->selectedItems().isEmpty())
        return;
    if (lstImporta->currentItem() == nullptr)
        lstImporta->setCurrentRow(0);
    lstImporta->currentItem()->setSelected(true);
}

bool TfrmImporta::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstImporta->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        cmdOKClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmImporta::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The window system shows the dialog again when it is restored after
    // being minimised; only a real opening starts it afresh.
    if (event->spontaneous())
        return;
    Cancelado = true;
    lstImporta->clear();
    ListaPastas(lstImporta, PastaBase + QStringLiteral("*.*"));
    const bool any = lstImporta->count() > 0;
    if (any)
        lstImporta->setCurrentRow(0);
    cmdOK->setEnabled(any);
}

void TfrmImporta::keyPressEvent(QKeyEvent* event)
{
    // Escape presses the Cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCancelar->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmImporta::cmdOKClick()
{
    const QListWidgetItem* selected = lstImporta->currentItem();
    PastaEscolhida = PastaBase + (selected && selected->isSelected() ? selected->text() : QString());
    Cancelado = false;
    accept();
}

void TfrmImporta::cmdCancelarClick()
{
    Cancelado = true;
    reject();
}

void TfrmImporta::done(int result)
{
    if (Cancelado || TrimBlanks(PastaEscolhida) != TrimBlanks(PastaBase)) {
        QDialog::done(result);
        return;
    }
    SetMessages::Show(this, SetMessages::ErrorCaption(), SetMessages::ChooseASet());
    lstImporta->setFocus();
}
