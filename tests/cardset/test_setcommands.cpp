// The set commands of the editor window driven through their real dialogs:
// New set, Open set, Import set, Properties and Save.

#include "DialogDriver.h"
#include "TestFiles.h"
#include "Unprivileged.h"
#include "app/TessellorApplication.h"
#include "app/TestSession.h"
#include "app/TfrmConfigurador.h"
#include "app/WindowControls.h"
#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"
#include "cardset/SetDocument.h"
#include "cardset/ui/SetDialogs.h"
#include "images/ui/TDBImage.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

using DialogDriver::Message;
using DialogDriver::onModal;

namespace {

// The smallest card picture: one white pixel, 24 bits.
QByteArray tinyBitmap()
{
    QByteArray b;
    const auto put = [&b](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b.append(char((value >> (8 * i)) & 0xFF));
    };
    b.append("BM");
    put(58, 4), put(0, 4), put(54, 4);                       // file header
    put(40, 4), put(1, 4), put(1, 4), put(1, 2), put(24, 2); // info header
    put(0, 4), put(4, 4), put(0, 4), put(0, 4), put(0, 4), put(0, 4);
    put(0x00FFFFFF, 4); // the pixel, row padded to 4 bytes
    return b;
}

QByteArray config(const QByteArray& author, char duplo)
{
    QByteArray bytes(ConfigRecordSize, '\0');
    bytes[0] = char(author.size());
    bytes.replace(1, author.size(), author);
    bytes[DuploOffset] = duplo;
    return bytes;
}

// A set folder with the pictures C<first>..C<last> (not those in `without`).
void makeSet(const QString& folder, int last, const QList<int>& without = {})
{
    QVERIFY(QDir().mkpath(folder));
    for (int i = 0; i <= last; ++i) {
        if (!without.contains(i))
            TestFiles::writeBytes(QStringLiteral("%1/C%2.bmp").arg(folder).arg(i, 2, 10, QLatin1Char('0')),
                                  tinyBitmap());
    }
}

QString missingLine(const QString& path)
{
    return QStringLiteral("O arquivo ") + path + QStringLiteral("   não existe.");
}

// What one command showed: the Import errors lines (nullopt: not shown) and
// the error box of the top-level handler.
struct Outcome {
    std::optional<QStringList> importErrors;
    Message errorBox;
};

} // namespace

class TestSetCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> root_;
    std::unique_ptr<TfrmConfigurador> w_;

    QString ed() const { return root_->path() + QStringLiteral("/Ed/"); }

    // A fresh start of the program: the window, its first activation, no set.
    void start()
    {
        w_.reset();
        TestDocument().SetConfigConjunto(TConfigConjunto{});
        w_ = TestSession::newWindow();
        w_->show();
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        TestDocument().SetPastaBase(ed());
        QVERIFY(PastaConjunto().isEmpty());
    }

    bool editingEnabled() const { return ui(*w_).btnSalvar->isEnabled() && ui(*w_).DBImage2->isEnabled(); }

    // Runs `command`, recording the Import errors dialog and the error box if
    // they come, and closing them.
    Outcome run(const std::function<void()>& command)
    {
        Outcome outcome;
        auto errors = onModal<TfrmErroImporta>([&outcome](TfrmErroImporta* d) {
            outcome.importErrors = d->memErros->toPlainText().split(QLatin1Char('\n'));
            d->btnOK->click();
        });
        auto box = DialogDriver::acceptMessage(&outcome.errorBox);
        command();
        // The step is over when its dialogs are closed and the editor has the
        // keyboard again, as a window manager gives it back.
        QCoreApplication::processEvents();
        w_->activateWindow();
        if (!QTest::qWaitFor([this] { return !QApplication::activeModalWidget() && w_->isActiveWindow(); }))
            QTest::qFail("a dialog of the command stayed open", __FILE__, __LINE__);
        DialogDriver::withdraw(errors);
        DialogDriver::withdraw(box);
        return outcome;
    }

    // Open set, choosing the line `name`, started as the user does: a click on
    // the "Open set" button, so that an error reaches the top-level handler.
    Outcome openSet(const QString& name)
    {
        onModal<TfrmImporta>([name](TfrmImporta* d) {
            const auto found = d->lstImporta->findItems(name, Qt::MatchExactly);
            if (!found.isEmpty())
                d->lstImporta->setCurrentItem(found.first());
            d->cmdOK->click();
        });
        return run([this] { QTest::mouseClick(ui(*w_).btnAbrir, Qt::LeftButton); });
    }

    Outcome importSet(const QString& path, const QString& author, bool duplo)
    {
        onModal<TfrmImportaArqs>([=](TfrmImportaArqs* d) {
            d->txtPath->setText(path);
            d->txtAutor->setText(author);
            d->Importa41->setChecked(duplo);
            d->btnImportar->click();
        });
        return run([this] { ui(*w_).mnImportar->trigger(); });
    }

    Outcome newSet(const QString& name, const QString& author)
    {
        onModal<TfrmCadastro>([=](TfrmCadastro* d) {
            d->txtNome->setText(name);
            d->txtAutor->setText(author);
            d->cmdOK->click();
        });
        return run([this] { ui(*w_).mnNovo->trigger(); });
    }

    void expectCoverPage()
    {
        QCOMPARE(ui(*w_).DBImage1->Tag(), -1);
        QCOMPARE(ui(*w_).DBImage2->Tag(), 0);
        QVERIFY(!ui(*w_).Progresso->isVisible());
        QVERIFY(!ui(*w_).lblProgresso->isVisible());
    }

  private Q_SLOTS:
    void init()
    {
        root_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(root_->path()).mkdir(QStringLiteral("Ed")));
        start();
    }
    void cleanup()
    {
        w_.reset();
        root_.reset();
    }

    void newSetIsWrittenAtOnceAndReopensAsDouble()
    {
        DialogDriver::Watchdog watchdog;
        const Outcome created = newSet(QStringLiteral("  Bichos "), QStringLiteral("João"));
        QVERIFY(!created.errorBox.text.size());
        QCOMPARE(PastaConjunto(), ed() + QStringLiteral("Bichos/"));
        QVERIFY(QDir(ed() + QStringLiteral("Bichos")).exists());
        QCOMPARE(TestFiles::readBytes(ed() + QStringLiteral("Bichos/Set.cfg")), config("Jo\xE3o", 1));
        QVERIFY(editingEnabled());
        expectCoverPage();

        // Closed and started again, the set opens as the double set it is.
        start();
        const Outcome opened = openSet(QStringLiteral("Bichos"));
        QVERIFY(opened.importErrors);
        QCOMPARE(opened.importErrors->size(), 41);
        QCOMPARE(opened.importErrors->first(), missingLine(ed() + QStringLiteral("Bichos/C00.bmp")));
        QCOMPARE(opened.importErrors->last(), missingLine(ed() + QStringLiteral("Bichos/C40.bmp")));
        QCOMPARE(ConfigConjunto().Duplo, uint8_t(1));
        QVERIFY(editingEnabled());
        expectCoverPage();

        QString author;
        bool checked = false;
        onModal<TfPropriedades>([&](TfPropriedades* d) {
            author = d->Edit1->text();
            checked = d->CheckBox1->isChecked();
            d->BitBtn2->click();
        });
        ui(*w_).Propriedades1->trigger();
        QCOMPARE(author, QStringLiteral("João"));
        QVERIFY(checked);
        QVERIFY(!watchdog.fired());
    }

    void newSetWithoutEdFolderFails()
    {
        QVERIFY(QDir(ed()).removeRecursively());
        DialogDriver::Watchdog watchdog;
        const Outcome outcome = newSet(QStringLiteral("Novo"), QStringLiteral("Ana"));
        QCOMPARE(outcome.errorBox.caption, QStringLiteral("Erro"));
        QCOMPARE(outcome.errorBox.text,
                 QStringLiteral(
                     "Não foi possível criar o novo conjunto.Verifique se existe espaço em disco ou se o "
                     "nome do conjunto que você está criando já não existe."));
        QCOMPARE(outcome.errorBox.icon, QMessageBox::NoIcon);
        QVERIFY(!editingEnabled());
        QVERIFY(!w_->windowTitle().contains(QStringLiteral("Novo")));
        QCOMPARE(PastaConjunto(), ed() + QStringLiteral("Novo/"));
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("Ana"));
        QCOMPARE(ConfigConjunto().Duplo, uint8_t(1));
        QVERIFY(!QDir(ed()).exists());
        QVERIFY(!watchdog.fired());
    }

    void cancellingLeavesTheCurrentSet_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("New set") << "new";
        QTest::newRow("Open set") << "open";
        QTest::newRow("Import files") << "import";
        QTest::newRow("Properties") << "properties";
    }
    void cancellingLeavesTheCurrentSet()
    {
        QFETCH(QString, command);
        makeSet(ed() + QStringLiteral("Cores"), 20);
        TestFiles::writeBytes(ed() + QStringLiteral("Cores/Set.cfg"), config("Rui", 0));
        QVERIFY(QDir(ed()).mkdir(QStringLiteral("Outro")));
        DialogDriver::Watchdog watchdog;
        QVERIFY(!openSet(QStringLiteral("Cores")).importErrors);
        const QString folder = PastaConjunto();
        const QString picture = Conjunto().Elementos[3].Imagem;

        if (command == QLatin1String("new")) {
            onModal<TfrmCadastro>([](TfrmCadastro* d) {
                d->txtNome->setText(QStringLiteral("Outro2"));
                d->txtAutor->setText(QStringLiteral("X"));
                d->cmdCancelar->click();
            });
            ui(*w_).mnNovo->trigger();
        } else if (command == QLatin1String("open")) {
            onModal<TfrmImporta>([](TfrmImporta* d) {
                d->lstImporta->setCurrentRow(1);
                d->cmdCancelar->click();
            });
            ui(*w_).btnAbrir->click();
        } else if (command == QLatin1String("import")) {
            onModal<TfrmImportaArqs>([](TfrmImportaArqs* d) {
                d->txtPath->setText(QStringLiteral("/tmp"));
                d->Importa41->setChecked(true);
                d->btnCancelar->click();
            });
            ui(*w_).mnImportar->trigger();
        } else {
            onModal<TfPropriedades>([](TfPropriedades* d) {
                d->Edit1->setText(QStringLiteral("X"));
                d->CheckBox1->setChecked(true);
                d->BitBtn2->click();
            });
            ui(*w_).Propriedades1->trigger();
        }
        QVERIFY(!watchdog.fired());
        QCOMPARE(PastaConjunto(), folder);
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("Rui"));
        QCOMPARE(ConfigConjunto().Duplo, uint8_t(0));
        QCOMPARE(Conjunto().Elementos[3].Imagem, picture);
        QCOMPARE(TestFiles::readBytes(ed() + QStringLiteral("Cores/Set.cfg")), config("Rui", 0));
        QVERIFY(!QDir(ed() + QStringLiteral("Outro2")).exists());
    }

    void openingAFolderWithoutConfigMakesItPaired()
    {
        makeSet(ed() + QStringLiteral("Velho"), 20);
        DialogDriver::Watchdog watchdog;
        const Outcome outcome = openSet(QStringLiteral("Velho"));
        QVERIFY(!outcome.importErrors);
        QCOMPARE(TestFiles::readBytes(ed() + QStringLiteral("Velho/Set.cfg")), config("", 0));
        QCOMPARE(PastaConjunto(), ed() + QStringLiteral("Velho/"));
        QCOMPARE(Conjunto().Elementos[3].Imagem, ed() + QStringLiteral("Velho/C02.bmp"));
        QCOMPARE(Conjunto().Elementos[4].Imagem, ed() + QStringLiteral("Velho/C02.bmp"));
        QVERIFY(editingEnabled());
        expectCoverPage();
        QVERIFY(!watchdog.fired());
    }

    void openListsOnlyTheLastSetsMissingPictures()
    {
        makeSet(ed() + QStringLiteral("A"), 40, {7, 12});
        TestFiles::writeBytes(ed() + QStringLiteral("A/Set.cfg"), config("", 1));
        makeSet(ed() + QStringLiteral("B"), 20, {3});
        DialogDriver::Watchdog watchdog;
        const Outcome first = openSet(QStringLiteral("A"));
        QCOMPARE(first.importErrors.value_or(QStringList()),
                 (QStringList{missingLine(ed() + QStringLiteral("A/C07.bmp")),
                              missingLine(ed() + QStringLiteral("A/C12.bmp"))}));
        // An opened set with missing pictures can still be edited.
        QVERIFY(editingEnabled());
        const Outcome second = openSet(QStringLiteral("B"));
        QCOMPARE(second.importErrors.value_or(QStringList()),
                 QStringList{missingLine(ed() + QStringLiteral("B/C03.bmp"))});
        QVERIFY(!watchdog.fired());
    }

    void importTakesTheFolderAsTyped()
    {
        const QString folder = root_->path() + QStringLiteral("/Fora");
        makeSet(folder, 20);
        DialogDriver::Watchdog watchdog;
        const Outcome outcome = importSet(folder + QLatin1Char('/'), QStringLiteral(" Ana "), false);
        QVERIFY(!outcome.importErrors);
        QCOMPARE(PastaConjunto(), folder + QStringLiteral("//"));
        QCOMPARE(Conjunto().Elementos[1].Imagem, folder + QStringLiteral("//C01.bmp"));
        QVERIFY(QFile::exists(Conjunto().Elementos[1].Imagem));
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral(" Ana "));
        QCOMPARE(ConfigConjunto().Duplo, uint8_t(0));
        QVERIFY(!QFile::exists(folder + QStringLiteral("/Set.cfg")));
        QVERIFY(editingEnabled());
        expectCoverPage();

        // Its "Set.cfg" comes with the first save, under the doubled separator too.
        ui(*w_).btnSalvar->click();
        QCOMPARE(TestFiles::readBytes(folder + QStringLiteral("/Set.cfg")), config(" Ana ", 0));
        QVERIFY(!watchdog.fired());
    }

    void importWithAMissingPictureDisablesEditing()
    {
        const QString folder = root_->path() + QStringLiteral("/Falta");
        makeSet(folder, 40, {40});
        DialogDriver::Watchdog watchdog;
        const Outcome outcome = importSet(folder, QString(), true);
        QCOMPARE(outcome.importErrors.value_or(QStringList()),
                 QStringList{missingLine(folder + QStringLiteral("/C40.bmp"))});
        QVERIFY(!editingEnabled());
        QCOMPARE(ConfigConjunto().Duplo, uint8_t(1));
        expectCoverPage();
        QVERIFY(!watchdog.fired());
    }

    void openFromAReadOnlyFolder()
    {
        const QString folder = ed() + QStringLiteral("Fixo");
        makeSet(folder, 20);
        TestFiles::writeBytes(folder + QStringLiteral("/Set.cfg"), config("Dono", 0));
        Unprivileged::makeWritable(root_->path(), true);
        Unprivileged::makeReadOnly(folder + QStringLiteral("/Set.cfg"), false);
        Unprivileged::makeReadOnly(folder, true);
        DialogDriver::Watchdog watchdog;
        Outcome outcome;
        {
            Unprivileged user;
            outcome = openSet(QStringLiteral("Fixo"));
        }
        Unprivileged::makeWritable(folder, true);
        QVERIFY(outcome.errorBox.text.isEmpty());
        QVERIFY(!outcome.importErrors);
        QCOMPARE(PastaConjunto(), folder + QLatin1Char('/'));
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("Dono"));
        QVERIFY(editingEnabled());
        QVERIFY(!watchdog.fired());
    }

    void failedConfigKeepsThePreviousSet_data()
    {
        QTest::addColumn<bool>("readOnlyWithoutConfig");
        QTest::addColumn<QString>("message"); // %1: the path of Set.cfg
        QTest::newRow("short Set.cfg") << false << "Read beyond end of file.\n%1";
        QTest::newRow("read-only folder without Set.cfg")
            << true << "File access denied.\n%1\nThe folder is read-only.";
    }
    void failedConfigKeepsThePreviousSet()
    {
        QFETCH(bool, readOnlyWithoutConfig);
        QFETCH(QString, message);
        makeSet(ed() + QStringLiteral("Bom"), 40);
        TestFiles::writeBytes(ed() + QStringLiteral("Bom/Set.cfg"), config("Bia", 1));
        const QString broken = ed() + QStringLiteral("Mau");
        QVERIFY(QDir().mkpath(broken));
        if (!readOnlyWithoutConfig)
            TestFiles::writeBytes(broken + QStringLiteral("/Set.cfg"), QByteArray(10, 'x'));
        DialogDriver::Watchdog watchdog;
        QVERIFY(!openSet(QStringLiteral("Bom")).importErrors);
        w_->btnProximoClick();
        const TConjunto before = Conjunto();

        Unprivileged::makeWritable(root_->path(), true);
        Unprivileged::makeWritable(ed(), true);
        if (readOnlyWithoutConfig)
            Unprivileged::makeReadOnly(broken, true);
        Outcome outcome;
        {
            Unprivileged user;
            outcome = openSet(QStringLiteral("Mau"));
        }
        Unprivileged::makeWritable(broken, true);
        QCOMPARE(outcome.errorBox.caption, QStringLiteral("Tessellor"));
        // The box names the file below the runtime's text, and why where the system tells.
        QCOMPARE(outcome.errorBox.text, message.arg(broken + QStringLiteral("/Set.cfg")));
        QCOMPARE(outcome.errorBox.icon, QMessageBox::Critical);
        QVERIFY(!outcome.importErrors);
        QCOMPARE(PastaConjunto(), ed() + QStringLiteral("Bom/"));
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("Bia"));
        QCOMPARE(ConfigConjunto().Duplo, uint8_t(1));
        for (int i = 0; i < NumSlots; ++i)
            QCOMPARE(Conjunto().Elementos[i].Imagem, before.Elementos[i].Imagem);
        QVERIFY(editingEnabled());
        QCOMPARE(ui(*w_).DBImage1->Tag(), 1);
        QVERIFY(!QFile::exists(broken + QStringLiteral("/Set.cfg")) || !readOnlyWithoutConfig);
        QVERIFY(!watchdog.fired());
    }

    void saveWritesTheConfiguration_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Salve set button") << false;
        QTest::newRow("Files menu, Ctrl+S") << true;
    }
    void saveWritesTheConfiguration()
    {
        QFETCH(bool, fromMenu);
        const QString folder = ed() + QStringLiteral("Salvo");
        makeSet(folder, 20);
        TestFiles::writeBytes(folder + QStringLiteral("/Set.cfg"),
                              config("Fernanda", 0) + QByteArray("tail"));
        DialogDriver::Watchdog watchdog;
        QVERIFY(!openSet(QStringLiteral("Salvo")).importErrors);
        SetAutorAtual(QStringLiteral("Ana"));
        SetDuploAtual(1);
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        if (fromMenu)
            QTest::keyClick(w_.get(), Qt::Key_S, Qt::ControlModifier);
        else
            QTest::mouseClick(ui(*w_).btnSalvar, Qt::LeftButton);
        QByteArray expected = config("Ana", 1);
        expected.replace(4, 5, "nanda");
        QCOMPARE(TestFiles::readBytes(folder + QStringLiteral("/Set.cfg")), expected + QByteArray("tail"));
        QVERIFY(!watchdog.fired());
    }

    void saveWithoutASetWritesNothing()
    {
        DialogDriver::Watchdog watchdog;
        const Outcome outcome = run([this] { QTest::keyClick(w_.get(), Qt::Key_S, Qt::ControlModifier); });
        QVERIFY(outcome.errorBox.text.isEmpty());
        QVERIFY(QDir(ed()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
        QVERIFY(!watchdog.fired());
    }

    void propertiesOkWritesTheCurrentSet()
    {
        QVERIFY(QDir(ed()).mkdir(QStringLiteral("Set1")));
        TestDocument().SetPastaConjunto(ed() + QStringLiteral("Set1/"));
        DialogDriver::Watchdog watchdog;
        onModal<TfPropriedades>([](TfPropriedades* d) {
            d->Edit1->setText(QStringLiteral(" Zé "));
            d->CheckBox1->setChecked(true);
            d->BitBtn1->click();
        });
        ui(*w_).Propriedades1->trigger();
        QCOMPARE(w_->Dialogs().fPropriedades->result(), int(QDialog::Accepted));
        QVERIFY(!watchdog.fired());
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral(" Zé "));
        QCOMPARE(ConfigConjunto().Duplo, uint8_t(1));
        QFile file(ed() + QStringLiteral("Set1/Set.cfg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), ConfigRecordSize);
        QCOMPARE(bytes.left(5), QByteArray("\x04 Z\xE9 ", 5));
        QCOMPARE(bytes.at(DuploOffset), '\1');
    }

    void propertiesWithoutASetKeepTheValuesInMemory()
    {
        DialogDriver::Watchdog watchdog;
        onModal<TfPropriedades>([](TfPropriedades* d) {
            d->Edit1->setText(QStringLiteral("Só memória"));
            d->CheckBox1->setChecked(true);
            d->BitBtn1->click();
        });
        ui(*w_).Propriedades1->trigger();
        QCOMPARE(w_->Dialogs().fPropriedades->result(), int(QDialog::Accepted));
        QVERIFY(!watchdog.fired());
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("Só memória"));
        QCOMPARE(ConfigConjunto().Duplo, uint8_t(1));
        QVERIFY(!QFile::exists(QStringLiteral("/Set.cfg")));
        QVERIFY(QDir(ed()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    }

    void commandsTellTheDocumentsListeners_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("opened");
        QTest::newRow("New set") << "new" << 1;
        QTest::newRow("New set without the Ed folder") << "new failing" << 0;
        QTest::newRow("Open set") << "open" << 1;
        QTest::newRow("Import set") << "import" << 1;
        QTest::newRow("Import set with a picture missing") << "import missing" << 1;
        QTest::newRow("Properties") << "properties" << 0;
    }
    void commandsTellTheDocumentsListeners()
    {
        QFETCH(QString, command);
        QFETCH(int, opened);
        makeSet(ed() + QStringLiteral("Cores"), 20);
        const QString outside = root_->path() + QStringLiteral("/Fora");
        makeSet(outside, 20, command.endsWith(QLatin1String("missing")) ? QList<int>{4} : QList<int>{});
        QSignalSpy setOpened(&TestDocument(), &TSetDocument::setOpened);
        QSignalSpy configChanged(&TestDocument(), &TSetDocument::configChanged);
        DialogDriver::Watchdog watchdog;
        if (command.startsWith(QLatin1String("new"))) {
            if (command.endsWith(QLatin1String("failing")))
                QVERIFY(QDir(ed()).removeRecursively());
            newSet(QStringLiteral("Novo"), QStringLiteral("Ana"));
        } else if (command == QLatin1String("open")) {
            openSet(QStringLiteral("Cores"));
        } else if (command.startsWith(QLatin1String("import"))) {
            importSet(outside, QStringLiteral("Ana"), false);
        } else {
            onModal<TfPropriedades>([](TfPropriedades* d) { d->BitBtn1->click(); });
            ui(*w_).Propriedades1->trigger();
        }
        QVERIFY(!watchdog.fired());
        QCOMPARE(setOpened.count(), opened);
        QCOMPARE(configChanged.count(), 1);
    }

    void propertiesFailureIsReportedAfterTheValuesTookEffect()
    {
        const QString folder = ed() + QStringLiteral("Trancado");
        makeSet(folder, 20);
        TestFiles::writeBytes(folder + QStringLiteral("/Set.cfg"), config("Dono", 0));
        DialogDriver::Watchdog watchdog;
        QVERIFY(!openSet(QStringLiteral("Trancado")).importErrors);
        Unprivileged::makeWritable(root_->path(), true);
        Unprivileged::makeWritable(ed(), true);
        Unprivileged::makeReadOnly(folder + QStringLiteral("/Set.cfg"), false);
        Outcome outcome;
        {
            Unprivileged user;
            onModal<TfPropriedades>([](TfPropriedades* d) {
                d->Edit1->setText(QStringLiteral("Outro"));
                QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            });
            outcome = run([this] { ui(*w_).Propriedades1->trigger(); });
        }
        QCOMPARE(outcome.errorBox.text,
                 QStringLiteral("File access denied.\n%1/Set.cfg\nThe file is read-only.").arg(folder));
        QVERIFY(!w_->Dialogs().fPropriedades->isVisible());
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("Outro"));
        QCOMPARE(TestFiles::readBytes(folder + QStringLiteral("/Set.cfg")), config("Dono", 0));
        QVERIFY(!watchdog.fired());
    }
};

int main(int argc, char** argv)
{
    TessellorApplication app(argc, argv);
    TestSetCommands test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_setcommands.moc"
