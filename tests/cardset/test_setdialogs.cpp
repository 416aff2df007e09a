#include "DialogDriver.h"
#include "TestDocument.h"
#include "Unprivileged.h"
#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"
#include "cardset/SetFolders.h"
#include "cardset/ui/SetDialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using DialogDriver::Message;
using DialogDriver::onModal;

namespace {

void touch(const QString& path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

// The widget that has, or gets when its window is active, the focus.
QString focusName(const QWidget* window)
{
    return window->focusWidget() ? window->focusWidget()->objectName() : QString();
}

const QString NoMessage = QStringLiteral("(none)");

} // namespace

namespace {

// The test's set dialogs, under the names the editor gave them.
SetDialogs dialogs;
QPointer<TfrmCadastro>& frmCadastro = dialogs.frmCadastro;
QPointer<TfPropriedades>& fPropriedades = dialogs.fPropriedades;
QPointer<TfrmImportaArqs>& frmImportaArqs = dialogs.frmImportaArqs;
QPointer<TfrmImporta>& frmImporta = dialogs.frmImporta;
QPointer<TfrmErroImporta>& frmErroImporta = dialogs.frmErroImporta;

// Hands a dialog that is about to show the inputs the window would give it.
class DialogInputs : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        if (auto* d = qobject_cast<TfrmCadastro*>(watched))
            d->PastaBase = PastaBase();
        else if (auto* d = qobject_cast<TfrmImporta*>(watched))
            d->PastaBase = PastaBase();
        else if (auto* d = qobject_cast<TfrmImportaArqs*>(watched))
            d->PastaBase = PastaBase();
        else if (auto* d = qobject_cast<TfPropriedades*>(watched))
            d->ConfigAtual = ConfigConjunto();
        return false;
    }
};

} // namespace

class TestSetDialogs : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    QWidget owner_;
    DialogInputs inputs_;

    QString ed() const { return root_.path() + QStringLiteral("/Ed/"); }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir(root_.path()).mkdir(QStringLiteral("Ed")));
        dialogs.Create(&owner_);
        // Each dialog is handed its inputs from the test's document as it opens.
        for (QDialog* dialog : std::initializer_list<QDialog*>{dialogs.frmCadastro, dialogs.fPropriedades,
                                                               dialogs.frmImportaArqs, dialogs.frmImporta,
                                                               dialogs.frmErroImporta})
            dialog->installEventFilter(&inputs_);
    }

    void init()
    {
        TestDocument().SetPastaBase(ed());
        TestDocument().SetPastaConjunto(QString());
        TestDocument().SetConfigConjunto(TConfigConjunto{});
        QDir(ed()).removeRecursively();
        QVERIFY(QDir(root_.path()).mkdir(QStringLiteral("Ed")));
    }

    void dialogsCarryTheirCaptionsAndSizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::newRow("New set") << "frmCadastro"
                                 << "New set" << QSize(357, 147);
        QTest::newRow("Open set") << "frmImporta"
                                  << "Open set" << QSize(238, 245);
        QTest::newRow("Import files") << "frmImportaArqs"
                                      << "Import files" << QSize(349, 163);
        QTest::newRow("Import errors") << "frmErroImporta"
                                       << "Import errors" << QSize(373, 248);
        QTest::newRow("Properties") << "fPropriedades"
                                    << "Proprierties" << QSize(194, 135);
    }
    void dialogsCarryTheirCaptionsAndSizes()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        auto* dialog = owner_.findChild<QDialog*>(name);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(dialog->size(), size);
        QVERIFY(!dialog->isVisible());
    }

    void controlsCarryTheirTexts_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("New set name") << "frmCadastro"
                                      << "Label1"
                                      << "Name :";
        QTest::newRow("New set author") << "frmCadastro"
                                        << "Label2"
                                        << "Author :";
        QTest::newRow("New set OK") << "frmCadastro"
                                    << "cmdOK"
                                    << "OK";
        QTest::newRow("New set Cancel") << "frmCadastro"
                                        << "cmdCancelar"
                                        << "Cancel";
        QTest::newRow("Open set group") << "frmImporta"
                                        << "GroupBox1"
                                        << "Choose a set ";
        QTest::newRow("Open set OK") << "frmImporta"
                                     << "cmdOK"
                                     << "&OK";
        QTest::newRow("Open set Cancel") << "frmImporta"
                                         << "cmdCancelar"
                                         << "&Cancel";
        QTest::newRow("Import directory") << "frmImportaArqs"
                                          << "Label1"
                                          << "Directory :";
        QTest::newRow("Import browse") << "frmImportaArqs"
                                       << "btnBrowse"
                                       << "&Browse";
        QTest::newRow("Import author") << "frmImportaArqs"
                                       << "Label2"
                                       << "Author :";
        QTest::newRow("Import double") << "frmImportaArqs"
                                       << "Importa41"
                                       << "Import double set";
        QTest::newRow("Import button") << "frmImportaArqs"
                                       << "btnImportar"
                                       << "&Import";
        QTest::newRow("Import cancel") << "frmImportaArqs"
                                       << "btnCancelar"
                                       << "&Cancel";
        QTest::newRow("Errors group") << "frmErroImporta"
                                      << "grpErros"
                                      << "Import errors :";
        QTest::newRow("Errors OK") << "frmErroImporta"
                                   << "btnOK"
                                   << "&OK";
        QTest::newRow("Properties author") << "fPropriedades"
                                           << "Label1"
                                           << "Author:";
        QTest::newRow("Properties double") << "fPropriedades"
                                           << "CheckBox1"
                                           << "Double";
        QTest::newRow("Properties OK") << "fPropriedades"
                                       << "BitBtn1"
                                       << "OK";
        QTest::newRow("Properties Cancel") << "fPropriedades"
                                           << "BitBtn2"
                                           << "Cancel";
    }
    void controlsCarryTheirTexts()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, control);
        QFETCH(QString, text);
        auto* parent = owner_.findChild<QDialog*>(dialog);
        QVERIFY(parent);
        QWidget* widget = parent->findChild<QWidget*>(control);
        QVERIFY(widget);
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(widget))
            shown = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            shown = button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            shown = group->title();
        QCOMPARE(shown, text);
    }

    // Enter presses the default button of New set, Open set, Import errors
    // and Properties, or their focused Cancel; Import files has none, so
    // Enter leaves it open, on Import too.
    void enterPressesTheDefaultButton_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("New set, in the name") << "frmCadastro"
                                              << "txtNome"
                                              << "Novo" << int(QDialog::Accepted) << false;
        QTest::newRow("Open set, in the list") << "frmImporta"
                                               << "lstImporta"
                                               << "" << int(QDialog::Accepted) << false;
        QTest::newRow("Import files, in the folder") << "frmImportaArqs"
                                                     << "txtPath"
                                                     << "/tmp" << int(QDialog::Rejected) << true;
        QTest::newRow("Import files, in the author") << "frmImportaArqs"
                                                     << "txtAutor"
                                                     << "Ana" << int(QDialog::Rejected) << true;
        QTest::newRow("Import errors, on OK") << "frmErroImporta"
                                              << "btnOK"
                                              << "" << int(QDialog::Accepted) << false;
        QTest::newRow("Properties, in the author") << "fPropriedades"
                                                   << "Edit1"
                                                   << "Ana" << int(QDialog::Accepted) << false;
        QTest::newRow("Import files, on Import") << "frmImportaArqs"
                                                 << "btnImportar"
                                                 << "" << int(QDialog::Rejected) << true;
        QTest::newRow("New set, on Cancel") << "frmCadastro"
                                            << "cmdCancelar"
                                            << "" << int(QDialog::Rejected) << false;
        QTest::newRow("Open set, on Cancel") << "frmImporta"
                                             << "cmdCancelar"
                                             << "" << int(QDialog::Rejected) << false;
        QTest::newRow("Properties, on Cancel") << "fPropriedades"
                                               << "BitBtn2"
                                               << "" << int(QDialog::Rejected) << false;
    }
    void enterPressesTheDefaultButton()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(int, result);
        QFETCH(bool, staysOpen);
        QVERIFY(QDir(ed()).mkdir(QStringLiteral("Um")));
        auto* shown = owner_.findChild<QDialog*>(dialog);
        QVERIFY(shown);
        DialogDriver::Watchdog watchdog;
        bool stayedOpen = false;
        onModal<QDialog>(
            [&](QDialog* d) {
                QWidget* target = d->findChild<QWidget*>(control);
                QVERIFY(target);
                target->setFocus();
                if (auto* edit = qobject_cast<QLineEdit*>(target))
                    edit->setText(typed);
                QTest::keyClick(target, Qt::Key_Return);
                stayedOpen = d->isVisible();
                if (stayedOpen)
                    d->reject();
            },
            dialog);
        QCOMPARE(shown->exec(), result);
        QCOMPARE(stayedOpen, staysOpen);
        QVERIFY(!watchdog.fired());
    }

    // Minimising a dialog and restoring it does not open it again: what the
    // user typed or chose stays.
    void restoringAMinimisedDialogKeepsTheChoices_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("control");
        QTest::newRow("New set name") << "frmCadastro"
                                      << "txtNome";
        QTest::newRow("Open set choice") << "frmImporta"
                                         << "lstImporta";
        QTest::newRow("Import files folder") << "frmImportaArqs"
                                             << "txtPath";
        QTest::newRow("Properties author") << "fPropriedades"
                                           << "Edit1";
    }
    void restoringAMinimisedDialogKeepsTheChoices()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, control);
        for (const char* name : {"A", "B", "C"})
            QVERIFY(QDir(ed()).mkdir(QString::fromLatin1(name)));
        auto* shown = owner_.findChild<QDialog*>(dialog);
        QVERIFY(shown);
        DialogDriver::Watchdog watchdog;
        QString before;
        QString after;
        onModal<QDialog>(
            [&](QDialog* d) {
                QWidget* target = d->findChild<QWidget*>(control);
                QVERIFY(target);
                const auto value = [target] {
                    if (auto* list = qobject_cast<QListWidget*>(target))
                        return list->currentItem() ? list->currentItem()->text() : QString();
                    return qobject_cast<QLineEdit*>(target)->text();
                };
                if (auto* list = qobject_cast<QListWidget*>(target))
                    list->setCurrentRow(list->count() - 1);
                else
                    qobject_cast<QLineEdit*>(target)->setText(QStringLiteral("typed"));
                before = value();
                d->setWindowState(Qt::WindowMinimized);
                d->setWindowState(Qt::WindowNoState);
                after = value();
                d->reject();
            },
            dialog);
        shown->exec();
        QVERIFY(!watchdog.fired());
        QVERIFY(!before.isEmpty());
        QCOMPARE(after, before);
    }

    void newSetChecksTheName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << ""
                               << "Nome inválido !"
                               << "Você deve escolher um nome para o conjunto!";
        QTest::newRow("blanks only") << "  \t "
                                     << "Nome inválido !"
                                     << "Você deve escolher um nome para o conjunto!";
        QTest::newRow("existing set") << "Animais"
                                      << "Nome inválido !"
                                      << "Já existe um conjunto com esse nome! Escolha outro nome.";
        QTest::newRow("existing set in other case")
            << "ANIMAIS"
            << "Nome inválido !"
            << "Já existe um conjunto com esse nome! Escolha outro nome.";
        QTest::newRow("existing plain file") << "notes.txt"
                                             << "Nome inválido !"
                                             << "Já existe um conjunto com esse nome! Escolha outro nome.";
        const QString cannot = SetMessagesText();
        QTest::newRow("separator") << "a/b"
                                   << "Erro" << cannot;
        QTest::newRow("parent folder") << ".."
                                       << "Erro" << cannot;
        QTest::newRow("dots only") << "..."
                                   << "Erro" << cannot;
        QTest::newRow("leading dot") << ".sets"
                                     << "Erro" << cannot;
        QTest::newRow("climbing out") << "../Outside"
                                      << "Erro" << cannot;
    }
    void newSetChecksTheName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QVERIFY(QDir(ed()).mkdir(QStringLiteral("Animais")));
        touch(ed() + QStringLiteral("notes.txt"));
        DialogDriver::Watchdog watchdog;
        Message message;
        bool stayedOpen = false;
        QString focusAfterMessage;
        onModal<TfrmCadastro>([&](TfrmCadastro* d) {
            d->txtNome->setText(typed);
            DialogDriver::acceptMessage(&message);
            d->cmdOK->click();
            stayedOpen = d->isVisible();
            focusAfterMessage = focusName(d);
            d->cmdCancelar->click();
        });
        frmCadastro->PastaEscolhida.clear();
        QCOMPARE(frmCadastro->exec(), int(QDialog::Rejected));
        QVERIFY(!watchdog.fired());
        QCOMPARE(message.caption, caption);
        QCOMPARE(message.text, text);
        QCOMPARE(message.icon, QMessageBox::NoIcon);
        QCOMPARE(message.buttons, 1);
        QVERIFY(stayedOpen);
        QCOMPARE(focusAfterMessage, QStringLiteral("txtNome"));
        QVERIFY(frmCadastro->PastaEscolhida.isEmpty());
    }

    void newSetTrimsNameAndAuthor()
    {
        DialogDriver::Watchdog watchdog;
        QString focusAtOpen;
        onModal<TfrmCadastro>([&](TfrmCadastro* d) {
            focusAtOpen = focusName(d);
            d->txtNome->setText(QStringLiteral("  Bichos \t"));
            d->txtAutor->setText(QStringLiteral(" Zé "));
            d->cmdOK->click();
        });
        QCOMPARE(frmCadastro->exec(), int(QDialog::Accepted));
        QCOMPARE(focusAtOpen, QStringLiteral("txtNome"));
        QCOMPARE(frmCadastro->PastaEscolhida, ed() + QStringLiteral("Bichos/"));
        QCOMPARE(frmCadastro->Autor, QStringLiteral("Zé"));

        // The next showing starts empty again.
        QString nameAtReopen = NoMessage;
        onModal<TfrmCadastro>([&](TfrmCadastro* d) {
            nameAtReopen = d->txtNome->text() + d->txtAutor->text();
            d->cmdCancelar->click();
        });
        QCOMPARE(frmCadastro->exec(), int(QDialog::Rejected));
        QCOMPARE(nameAtReopen, QString());
        QVERIFY(!watchdog.fired());
    }

    void openSetListsOnlyVisibleFolders()
    {
        for (const char* name : {"Zoo", "animais", "Cores", ".hidden"})
            QVERIFY(QDir(ed()).mkdir(QLatin1String(name)));
        touch(ed() + QStringLiteral("plain.txt"));
        DialogDriver::Watchdog watchdog;
        QStringList listed;
        bool okEnabled = false;
        onModal<TfrmImporta>([&](TfrmImporta* d) {
            for (int i = 0; i < d->lstImporta->count(); ++i)
                listed << d->lstImporta->item(i)->text();
            okEnabled = d->cmdOK->isEnabled();
            d->lstImporta->setCurrentRow(1);
            d->cmdOK->click();
        });
        QCOMPARE(frmImporta->exec(), int(QDialog::Accepted));
        QCOMPARE(listed,
                 (QStringList{QStringLiteral("animais"), QStringLiteral("Cores"), QStringLiteral("Zoo")}));
        QVERIFY(okEnabled);
        QCOMPARE(frmImporta->PastaEscolhida, ed() + QStringLiteral("Cores"));
        QVERIFY(!watchdog.fired());
    }

    void openSetWithoutSets_data()
    {
        QTest::addColumn<bool>("edExists");
        QTest::newRow("empty Ed") << true;
        QTest::newRow("no Ed") << false;
    }
    void openSetWithoutSets()
    {
        QFETCH(bool, edExists);
        if (!edExists)
            QVERIFY(QDir(ed()).removeRecursively());
        DialogDriver::Watchdog watchdog;
        int count = -1;
        bool okEnabled = true;
        Message refusal;
        Message closeBoxRefusal;
        bool stayedOpen = false;
        QString focusAfter;
        onModal<TfrmImporta>([&](TfrmImporta* d) {
            count = d->lstImporta->count();
            okEnabled = d->cmdOK->isEnabled();
            DialogDriver::acceptMessage(&refusal);
            QTest::mouseDClick(d->lstImporta->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
            stayedOpen = d->isVisible();
            focusAfter = focusName(d);
            // After a refused OK even the close box is refused, until Cancel.
            DialogDriver::acceptMessage(&closeBoxRefusal);
            d->close();
            d->cmdCancelar->click();
        });
        QCOMPARE(frmImporta->exec(), int(QDialog::Rejected));
        QVERIFY(!watchdog.fired());
        QCOMPARE(count, 0);
        QVERIFY(!okEnabled);
        QCOMPARE(refusal.caption, QStringLiteral("Erro"));
        QCOMPARE(refusal.text, QStringLiteral("Você deve escolher um set!"));
        QCOMPARE(refusal.icon, QMessageBox::NoIcon);
        QCOMPARE(closeBoxRefusal.text, QStringLiteral("Você deve escolher um set!"));
        QVERIFY(stayedOpen);
        QCOMPARE(focusAfter, QStringLiteral("lstImporta"));
    }

    void openSetCloseBoxAndEscapeCancel()
    {
        QVERIFY(QDir(ed()).mkdir(QStringLiteral("Um")));
        DialogDriver::Watchdog watchdog;
        onModal<TfrmImporta>([](TfrmImporta* d) { d->close(); });
        QCOMPARE(frmImporta->exec(), int(QDialog::Rejected));
        onModal<TfrmImporta>([](TfrmImporta* d) { QTest::keyClick(d, Qt::Key_Escape); });
        QCOMPARE(frmImporta->exec(), int(QDialog::Rejected));
        QVERIFY(!watchdog.fired());
    }

    // Ctrl+click cannot leave the list without a chosen set, and only a left
    // double-click acts as OK.
    void openSetAlwaysKeepsAChoice()
    {
        for (const char* name : {"Um", "Dois"})
            QVERIFY(QDir(ed()).mkdir(QLatin1String(name)));
        DialogDriver::Watchdog watchdog;
        QStringList chosenAfterCtrlClick;
        bool openAfterRightDoubleClick = false;
        onModal<TfrmImporta>([&](TfrmImporta* d) {
            QWidget* lines = d->lstImporta->viewport();
            const QPoint first = d->lstImporta->visualItemRect(d->lstImporta->item(0)).center();
            QTest::mouseClick(lines, Qt::LeftButton, Qt::ControlModifier, first);
            for (const QListWidgetItem* item : d->lstImporta->selectedItems())
                chosenAfterCtrlClick << item->text();
            QTest::mouseDClick(lines, Qt::RightButton, {}, first);
            openAfterRightDoubleClick = d->isVisible();
            QTest::mouseDClick(lines, Qt::LeftButton, {}, first);
        });
        QCOMPARE(frmImporta->exec(), int(QDialog::Accepted));
        QVERIFY(!watchdog.fired());
        QCOMPARE(chosenAfterCtrlClick.size(), 1);
        QVERIFY(openAfterRightDoubleClick);
        QCOMPARE(frmImporta->PastaEscolhida, ed() + chosenAfterCtrlClick.value(0));
    }

    // A folder that is already a set offers its author and kind, so that
    // importing and saving it does not wipe them; the user can still change
    // them. A damaged "Set.cfg" offers nothing.
    void importFilesStartsFromTheFoldersSettings_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("browse");
        QTest::addColumn<QString>("author");
        QTest::addColumn<bool>("checked");
        TConfigConjunto maria{};
        SetAutor(maria, QStringLiteral("Maria"));
        maria.Duplo = 1;
        const QByteArray full = ConfigToBytes(maria);
        QTest::newRow("typed") << full << false << "Maria" << true;
        QTest::newRow("browsed") << full << true << "Maria" << true;
        QTest::newRow("Duplo 2 counts as double")
            << full.left(DuploOffset) + '\2' << false << "Maria" << true;
        QTest::newRow("damaged") << full.left(10) << false << "Previous" << false;
        QTest::newRow("none") << QByteArray() << true << "Previous" << false;
    }
    void importFilesStartsFromTheFoldersSettings()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, browse);
        QFETCH(QString, author);
        QFETCH(bool, checked);
        QVERIFY(QDir(ed()).mkdir(QStringLiteral("Set1")));
        const QString folder = ed() + QStringLiteral("Set1");
        if (!stored.isEmpty()) {
            QFile file(folder + QStringLiteral("/set.CFG"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(stored) == stored.size());
        }
        DialogDriver::Watchdog watchdog;
        QString shownAuthor;
        bool shownChecked = !checked;
        onModal<TfrmImportaArqs>([&](TfrmImportaArqs* d) {
            d->txtAutor->setText(QStringLiteral("Previous"));
            d->Importa41->setChecked(false);
            if (browse) {
                onModal<QFileDialog>([&](QFileDialog* browser) {
                    browser->selectFile(QStringLiteral("Set1"));
                    static_cast<QDialog*>(browser)->accept();
                });
                d->btnBrowse->click();
            } else {
                d->txtPath->setText(folder);
            }
            shownAuthor = d->txtAutor->text();
            shownChecked = d->Importa41->isChecked();
            // Changing the path within the same folder keeps what the user typed.
            d->txtAutor->setText(QStringLiteral("Own"));
            d->txtPath->setText(folder + QLatin1Char('/'));
            d->btnImportar->click();
        });
        QCOMPARE(frmImportaArqs->exec(), int(QDialog::Accepted));
        QVERIFY(!watchdog.fired());
        QCOMPARE(shownAuthor, author);
        QCOMPARE(shownChecked, checked);
        QCOMPARE(frmImportaArqs->Autor, QStringLiteral("Own"));
    }

    void importFilesStartsAtEdAndKeepsItsChoices()
    {
        DialogDriver::Watchdog watchdog;
        QString pathAtOpen;
        onModal<TfrmImportaArqs>([&](TfrmImportaArqs* d) {
            pathAtOpen = d->txtPath->text();
            d->txtPath->setText(QStringLiteral(" /some/where/ "));
            d->txtAutor->setText(QStringLiteral(" Ana "));
            d->Importa41->setChecked(true);
            d->btnImportar->click();
        });
        QCOMPARE(frmImportaArqs->exec(), int(QDialog::Accepted));
        QCOMPARE(pathAtOpen, ed());
        QCOMPARE(frmImportaArqs->PastaEscolhida, QStringLiteral(" /some/where/ "));
        QCOMPARE(frmImportaArqs->Autor, QStringLiteral(" Ana "));
        QVERIFY(frmImportaArqs->Duplo);

        QString path, author;
        bool checked = false;
        onModal<TfrmImportaArqs>([&](TfrmImportaArqs* d) {
            path = d->txtPath->text();
            author = d->txtAutor->text();
            checked = d->Importa41->isChecked();
            d->btnCancelar->click();
        });
        QCOMPARE(frmImportaArqs->exec(), int(QDialog::Rejected));
        QCOMPARE(path, ed());
        QCOMPARE(author, QStringLiteral(" Ana "));
        QVERIFY(checked);
        QVERIFY(!watchdog.fired());
    }

    void importFilesRefusesBlankFolder()
    {
        DialogDriver::Watchdog watchdog;
        Message refusal;
        Message closeBoxRefusal;
        QString focusAfter;
        bool escapeIgnored = false;
        onModal<TfrmImportaArqs>([&](TfrmImportaArqs* d) {
            d->txtPath->setText(QStringLiteral("   "));
            DialogDriver::acceptMessage(&refusal);
            d->btnImportar->click();
            focusAfter = focusName(d);
            DialogDriver::acceptMessage(&closeBoxRefusal);
            d->close();
            QTest::keyClick(d, Qt::Key_Escape);
            escapeIgnored = d->isVisible();
            d->btnCancelar->click();
        });
        QCOMPARE(frmImportaArqs->exec(), int(QDialog::Rejected));
        QVERIFY(!watchdog.fired());
        QCOMPARE(refusal.caption, QStringLiteral("Escolha um diretório"));
        QCOMPARE(refusal.text, QStringLiteral("Você deve escolher um diretório para importar as imagens !"));
        QCOMPARE(refusal.icon, QMessageBox::NoIcon);
        QCOMPARE(closeBoxRefusal.text, refusal.text);
        QCOMPARE(focusAfter, QStringLiteral("txtPath"));
        QVERIFY(escapeIgnored);
    }

    // The browser starts at the "Ed" folder (the home folder when there is
    // none) and the user cannot climb above it or choose a folder outside.
    void importFilesBrowsesForAFolder_data()
    {
        QTest::addColumn<bool>("edExists");
        QTest::newRow("in Ed") << true;
        QTest::newRow("no Ed") << false;
    }
    void importFilesBrowsesForAFolder()
    {
        QFETCH(bool, edExists);
        if (!edExists)
            TestDocument().SetPastaBase(root_.path() + QStringLiteral("/Missing/"));
        const QString root = edExists ? QDir::cleanPath(ed()) : QDir::homePath();
        QVERIFY(QDir(ed()).mkdir(QStringLiteral("Sub")));
        QVERIFY(QDir(root_.path()).mkdir(QStringLiteral("Elsewhere")) ||
                QDir(root_.path()).exists("Elsewhere"));
        DialogDriver::Watchdog watchdog;
        QString browserTitle;
        QString pathAfterCancel;
        QString chosenAfterCancel = NoMessage;
        QStringList whereAfterClimbing;
        bool outsideRefused = false;
        onModal<TfrmImportaArqs>([&](TfrmImportaArqs* d) {
            d->txtPath->setText(QStringLiteral("typed"));
            onModal<QFileDialog>([](QFileDialog* browser) { browser->reject(); });
            d->btnBrowse->click();
            pathAfterCancel = d->txtPath->text();
            chosenAfterCancel = d->PastaEscolhida;
            onModal<QFileDialog>([&](QFileDialog* browser) {
                browserTitle = browser->windowTitle();
                whereAfterClimbing << browser->directory().absolutePath();
                auto* up = browser->findChild<QAbstractButton*>(QStringLiteral("toParentButton"));
                QVERIFY(up);
                up->click();
                whereAfterClimbing << browser->directory().absolutePath();
                auto* typed = browser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(typed);
                typed->setText(root_.path() + QStringLiteral("/Elsewhere"));
                static_cast<QDialog*>(browser)->accept();
                outsideRefused = browser->isVisible();
                whereAfterClimbing << browser->directory().absolutePath();
                if (!edExists)
                    return browser->reject();
                // As a user picks it: the folder selected inside its parent.
                browser->setDirectory(ed());
                browser->selectFile(QStringLiteral("Sub"));
                static_cast<QDialog*>(browser)->accept();
            });
            d->btnBrowse->click();
            if (edExists)
                d->btnImportar->click();
            else
                d->btnCancelar->click();
        });
        frmImportaArqs->exec();
        QVERIFY(!watchdog.fired());
        QCOMPARE(browserTitle, QStringLiteral("Escolha um diretório"));
        QCOMPARE(pathAfterCancel, QStringLiteral("typed"));
        QCOMPARE(chosenAfterCancel, QString());
        QCOMPARE(whereAfterClimbing, QStringList(3, root));
        QVERIFY(outsideRefused);
        if (edExists) {
            QCOMPARE(frmImportaArqs->PastaEscolhida, ed() + QStringLiteral("Sub"));
            QCOMPARE(frmImportaArqs->txtPath->text(), ed() + QStringLiteral("Sub"));
        }
    }

    void importErrorsShowsItsLines()
    {
        QPlainTextEdit* lines = frmErroImporta->memErros;
        QVERIFY(lines->isReadOnly());
        // Appended one by one, as the scan does, and longer than the box.
        lines->clear();
        for (int i = 0; i < 40; ++i)
            lines->appendPlainText(
                QStringLiteral("Missing picture: /a/long/folder/name/for/the/set/C%1.bmp").arg(i));
        DialogDriver::Watchdog watchdog;
        QPoint scrolled(-1, -1);
        onModal<TfrmErroImporta>([&](TfrmErroImporta* d) {
            scrolled = QPoint(lines->horizontalScrollBar()->value(), lines->verticalScrollBar()->value());
            QTest::keyClick(d, Qt::Key_Escape); // no cancel button: Escape does nothing
            d->btnOK->click();
        });
        frmErroImporta->exec();
        QVERIFY(!watchdog.fired());
        QVERIFY(!frmErroImporta->isVisible());
        QVERIFY(lines->verticalScrollBar()->maximum() > 0);
        QCOMPARE(scrolled, QPoint(0, 0));
    }

    void propertiesShowTheCurrentValues_data()
    {
        QTest::addColumn<int>("duplo");
        QTest::addColumn<bool>("checked");
        QTest::newRow("paired") << 0 << false;
        QTest::newRow("double") << 1 << true;
        QTest::newRow("Duplo 2 is shown as double") << 2 << true;
    }
    void propertiesShowTheCurrentValues()
    {
        QFETCH(int, duplo);
        QFETCH(bool, checked);
        SetAutorAtual(QStringLiteral("Maria"));
        SetDuploAtual(uint8_t(duplo));
        DialogDriver::Watchdog watchdog;
        QString author;
        bool shownChecked = !checked;
        onModal<TfPropriedades>([&](TfPropriedades* d) {
            author = d->Edit1->text();
            shownChecked = d->CheckBox1->isChecked();
            d->Edit1->setText(QStringLiteral("Changed"));
            d->CheckBox1->setChecked(!shownChecked);
            d->BitBtn2->click();
        });
        QCOMPARE(fPropriedades->exec(), int(QDialog::Rejected));
        QVERIFY(!watchdog.fired());
        QCOMPARE(author, QStringLiteral("Maria"));
        QCOMPARE(shownChecked, checked);
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("Maria"));
        QCOMPARE(int(ConfigConjunto().Duplo), duplo);
    }

    void existePastaFindsFilesAndFolders_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("exists");
        QTest::newRow("folder") << "Sets" << true;
        QTest::newRow("folder in other case") << "SETS" << true;
        QTest::newRow("plain file") << "readme.TXT" << true;
        QTest::newRow("nothing") << "Nada" << false;
        QTest::newRow("hidden folder") << ".cache" << false;
        QTest::newRow("wildcard") << "Se*" << true;
        QTest::newRow("wildcard without match") << "X?" << false;
    }
    void existePastaFindsFilesAndFolders()
    {
        QFETCH(QString, asked);
        QFETCH(bool, exists);
        QVERIFY(QDir(ed()).mkdir(QStringLiteral("Sets")));
        QVERIFY(QDir(ed()).mkdir(QStringLiteral(".cache")));
        touch(ed() + QStringLiteral("readme.txt"));
        QCOMPARE(ExistePasta(ed() + asked), exists);
    }

  private:
    static QString SetMessagesText()
    {
        return QStringLiteral(
            "Não foi possível criar o novo conjunto.Verifique se existe espaço em disco ou se o nome "
            "do conjunto que você está criando já não existe.");
    }
};

QTEST_MAIN(TestSetDialogs)
#include "test_setdialogs.moc"
