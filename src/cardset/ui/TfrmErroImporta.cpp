#include "cardset/ui/TfrmErroImporta.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextCursor>

TfrmErroImporta::TfrmErroImporta(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmErroImporta"));
    setWindowTitle(tr("Import errors"));
    // A fixed dialog border without a close box: OK ends it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(373, 248);

    grpErros = new QGroupBox(tr("Import errors :"), this);
    grpErros->setObjectName(QStringLiteral("grpErros"));
    grpErros->setGeometry(8, 8, 357, 196);
    memErros = new QPlainTextEdit(grpErros);
    memErros->setObjectName(QStringLiteral("memErros"));
    memErros->setReadOnly(true);
    memErros->setLineWrapMode(QPlainTextEdit::NoWrap);
    memErros->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memErros->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memErros->setGeometry(10, 22, 337, 164);

    btnOK = new QPushButton(tr("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(149, 214, 75, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TfrmErroImporta::btnOKClick);
}

void TfrmErroImporta::btnOKClick()
{
    accept();
}

void TfrmErroImporta::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Restoring the minimised dialog keeps where the user scrolled.
    if (event->spontaneous())
        return;
    // Lines are appended one by one, which leaves the view at the end of the
    // last one; the list is read from the start of its first line.
    memErros->moveCursor(QTextCursor::Start);
    memErros->horizontalScrollBar()->setValue(0);
    memErros->verticalScrollBar()->setValue(0);
}

void TfrmErroImporta::keyPressEvent(QKeyEvent* event)
{
    // Without a cancel button Escape does nothing; OK closes the list.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}
