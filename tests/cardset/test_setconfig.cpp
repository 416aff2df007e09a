#include "TestDocument.h"
#include "TestFiles.h"
#include "Unprivileged.h"
#include "cardset/CardTable.h"
#include "cardset/EInOutError.h"
#include "cardset/SetConfig.h"
#include "cardset/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

using TestFiles::readBytes;
using TestFiles::writeBytes;

namespace {

QByteArray record(const QByteArray& author, char duplo, char filler = '\0')
{
    QByteArray bytes(ConfigRecordSize, filler);
    bytes[0] = static_cast<char>(author.size());
    bytes.replace(1, author.size(), author);
    bytes[DuploOffset] = duplo;
    return bytes;
}

QString errorOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const Exception& e) {
        return e.Message();
    }
    return QStringLiteral("(no error)");
}

} // namespace

class TestSetConfig : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init()
    {
        TestDocument().SetConfigConjunto(TConfigConjunto{});
        TestDocument().SetPastaConjunto(QString());
    }

    void missingFileIsCreatedAsAPairedSetWithoutAuthor()
    {
        QTemporaryDir dir;
        TestDocument().ApplyProperties(QStringLiteral("Previous"), true);
        CarregaConfig(dir.path());
        const QByteArray bytes = readBytes(dir.filePath(QStringLiteral("Set.cfg")));
        QCOMPARE(bytes.size(), ConfigRecordSize);
        QCOMPARE(bytes.at(0), '\0');
        QCOMPARE(bytes.at(DuploOffset), '\0');
        QCOMPARE(AutorText(ConfigConjunto()), QString());
        QCOMPARE(ConfigConjunto().Duplo, uint8_t(0));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Set.cfg")});
    }

    void saveWritesTheRecordByteForByte()
    {
        QTemporaryDir dir;
        // A current set ends with its separator.
        TestDocument().ChooseSet(dir.path() + QLatin1Char('/'), QStringLiteral("João"), 1);
        SalvaConfig();
        const QByteArray bytes = readBytes(dir.filePath(QStringLiteral("Set.cfg")));
        QCOMPARE(bytes.size(), ConfigRecordSize);
        QCOMPARE(bytes.left(5), QByteArray("\x04Jo\xE3o", 5));
        QCOMPARE(bytes.at(DuploOffset), '\1');
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Set.cfg")});

        TestDocument().SetConfigConjunto(TConfigConjunto{});
        CarregaConfig(dir.path());
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("João"));
        QCOMPARE(ConfigConjunto().Duplo, uint8_t(1));
    }

    void authorIsStoredInTheWindowsCodePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("Latin-1 letters") << "Ação Ñ" << QByteArray("A\xE7\xE3o \xD1") << "Ação Ñ";
        QTest::newRow("euro and quotes")
            << "€ “x” – Œ" << QByteArray("\x80 \x93x\x94 \x96 \x8C") << "€ “x” – Œ";
        QTest::newRow("not in the code page") << "日本" << QByteArray("??") << "??";
        QTest::newRow("one character outside the BMP") << "a😀b" << QByteArray("a?b") << "a?b";
        QTest::newRow("C1 control without a code page letter")
            << QString(QChar(0x80)) << QByteArray("?") << "?";
        QTest::newRow("undefined byte survives")
            << QString(QChar(0x81)) << QByteArray("\x81") << QString(QChar(0x81));
    }
    void authorIsStoredInTheWindowsCodePage()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, readBack);
        TConfigConjunto config{};
        SetAutor(config, text);
        QCOMPARE(int(config.Autor[0]), int(bytes.size()));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(config.Autor + 1), bytes.size()), bytes);
        QCOMPARE(AutorText(config), readBack);
    }

    void authorIsCutTo200Characters_data()
    {
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("199") << 199 << 199;
        QTest::newRow("exactly 200") << 200 << 200;
        QTest::newRow("201") << 201 << 200;
        QTest::newRow("long") << 1000 << 200;
    }
    void authorIsCutTo200Characters()
    {
        QFETCH(int, typed);
        QFETCH(int, stored);
        QString text;
        for (int i = 0; i < typed; ++i)
            text.append(QChar(u'a' + i % 26));
        TConfigConjunto config{};
        SetAutor(config, text);
        QCOMPARE(int(config.Autor[0]), stored);
        QCOMPARE(AutorText(config), text.left(stored));
    }

    void lengthByteAbove200ReadsAtMost200Characters()
    {
        QByteArray bytes = record(QByteArray(200, 'x'), 1);
        bytes[0] = char(250);
        const TConfigConjunto config = ConfigFromBytes(bytes);
        QCOMPARE(AutorText(config), QString(200, QLatin1Char('x')));
        QCOMPARE(config.Duplo, uint8_t(1));
    }

    void shorterAuthorLeavesTheOlderBytes()
    {
        QTemporaryDir dir;
        TestDocument().SetPastaConjunto(dir.path() + QLatin1Char('/'));
        SetAutorAtual(QStringLiteral("Fernanda"));
        SalvaConfig();
        SetAutorAtual(QStringLiteral("Ana"));
        SalvaConfig();
        const QByteArray bytes = readBytes(dir.filePath(QStringLiteral("Set.cfg")));
        QCOMPARE(bytes.at(0), '\3');
        QCOMPARE(bytes.mid(1, 8), QByteArray("Ana") + QByteArray("nanda"));
        CarregaConfig(dir.path());
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("Ana"));
    }

    void longerFileKeepsItsTail()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Set.cfg"));
        QByteArray tail(48, '\0');
        for (int i = 0; i < tail.size(); ++i)
            tail[i] = char(0xA0 + i);
        writeBytes(path, record("Zeca", 1) + tail);
        CarregaConfig(dir.path());
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("Zeca"));
        QCOMPARE(ConfigConjunto().Duplo, uint8_t(1));

        TestDocument().ChooseSet(dir.path() + QLatin1Char('/'), QStringLiteral("Bia"), 0);
        SalvaConfig();
        const QByteArray bytes = readBytes(path);
        QCOMPARE(bytes.size(), 250);
        QCOMPARE(bytes.left(5), QByteArray("\x03"
                                           "Biaa",
                                           5));
        QCOMPARE(bytes.at(DuploOffset), '\0');
        QCOMPARE(bytes.mid(ConfigRecordSize), tail);
    }

    void shortFileCannotBeRead_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("one byte short") << ConfigRecordSize - 1;
    }
    void shortFileCannotBeRead()
    {
        QFETCH(int, size);
        QTemporaryDir dir;
        writeBytes(dir.filePath(QStringLiteral("Set.cfg")), record("Ana", 1).left(size));
        SetAutorAtual(QStringLiteral("Kept"));
        QCOMPARE(errorOf([&] { CarregaConfig(dir.path()); }), QStringLiteral("Read beyond end of file"));
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("Kept"));
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("Set.cfg"))).size(), size);
    }

    void fileIsFoundWhateverItsLetterCase()
    {
        QTemporaryDir dir;
        writeBytes(dir.filePath(QStringLiteral("SET.CFG")), record("Caixa", 2));
        CarregaConfig(dir.path());
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("Caixa"));
        QCOMPARE(ConfigConjunto().Duplo, uint8_t(2));
        TestDocument().SetPastaConjunto(dir.path() + QLatin1Char('/'));
        SetAutorAtual(QStringLiteral("Nova"));
        SalvaConfig();
        // Replaced under its own spelling: never two spellings of one file.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("SET.CFG")});
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("SET.CFG"))).mid(1, 4), QByteArray("Nova"));
    }

    void saveKeepsTheFilesPermissions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Set.cfg"));
        writeBytes(path, record("Ana", 0));
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
        TestDocument().SetPastaConjunto(dir.path());
        SalvaConfig();
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0640u);
    }

    void saveWithoutACurrentSetWritesNothing()
    {
        QCOMPARE(errorOf([] { SalvaConfig(); }), QStringLiteral("Invalid filename"));
    }

    void missingFolderIsReported()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("nowhere"));
        QCOMPARE(errorOf([&] { CarregaConfig(missing); }), QStringLiteral("File not found"));
        TestDocument().SetPastaConjunto(missing + QLatin1Char('/'));
        QCOMPARE(errorOf([] { SalvaConfig(); }), QStringLiteral("File not found"));
    }

    void folderNamedLikeTheFileIsRefused()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Set.cfg")));
        QCOMPARE(errorOf([&] { CarregaConfig(dir.path()); }), QStringLiteral("File access denied"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void readOnlySetOpensButDoesNotSave()
    {
        QTemporaryDir root;
        Unprivileged::makeWritable(root.path(), true);
        const QString folder = root.filePath(QStringLiteral("Locked"));
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("Locked")));
        const QString path = folder + QStringLiteral("/Set.cfg");
        writeBytes(path, record("Dona", 1));
        Unprivileged::makeReadOnly(path, false);
        Unprivileged::makeReadOnly(folder, true);
        {
            Unprivileged user;
            CarregaConfig(folder);
            QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("Dona"));
            TestDocument().SetPastaConjunto(folder + QLatin1Char('/'));
            SetAutorAtual(QStringLiteral("Other"));
            QCOMPARE(errorOf([] { SalvaConfig(); }), QStringLiteral("File access denied"));
        }
        Unprivileged::makeWritable(folder, true);
        QCOMPARE(readBytes(path), record("Dona", 1));
    }

    void readOnlyFileInAWritableFolderIsNotReplaced()
    {
        QTemporaryDir root;
        Unprivileged::makeWritable(root.path(), true);
        const QString path = root.filePath(QStringLiteral("Set.cfg"));
        writeBytes(path, record("Dona", 1));
        Unprivileged::makeReadOnly(path, false);
        {
            Unprivileged user;
            TestDocument().SetPastaConjunto(root.path());
            SetAutorAtual(QStringLiteral("Other"));
            QCOMPARE(errorOf([] { SalvaConfig(); }), QStringLiteral("File access denied"));
        }
        QCOMPARE(readBytes(path), record("Dona", 1));
        QCOMPARE(QDir(root.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Set.cfg")});
    }

    void missingFileInAReadOnlyFolderCannotBeCreated()
    {
        QTemporaryDir root;
        Unprivileged::makeReadOnly(root.path(), true);
        TestDocument().ApplyProperties(QStringLiteral("Kept"), true);
        QString error;
        {
            Unprivileged user;
            error = errorOf([&] { CarregaConfig(root.path()); });
        }
        Unprivileged::makeWritable(root.path(), true);
        QCOMPARE(error, QStringLiteral("File access denied"));
        QCOMPARE(AutorText(ConfigConjunto()), QStringLiteral("Kept"));
        QCOMPARE(ConfigConjunto().Duplo, uint8_t(1));
    }

    void platformErrorsGetTheirTexts_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("text");
        QTest::newRow("ENOENT") << ENOENT << "File not found";
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << "Invalid filename";
        QTest::newRow("EMFILE") << EMFILE << "Too many open files";
        QTest::newRow("EROFS") << EROFS << "File access denied";
        QTest::newRow("ENOSPC") << ENOSPC << "Disk full";
        // EIO's number is 5, the runtime's code for access denied.
        QTest::newRow("EIO") << EIO << "I/O error 5";
        QTest::newRow("ELOOP") << ELOOP << QStringLiteral("I/O error %1").arg(ELOOP);
    }
    void platformErrorsGetTheirTexts()
    {
        QFETCH(int, error);
        QFETCH(QString, text);
        QCOMPARE(EInOutError::fromErrno(error).Message(), text);
    }
};

QTEST_GUILESS_MAIN(TestSetConfig)
#include "test_setconfig.moc"
