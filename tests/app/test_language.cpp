// Help, "Language": the choice is remembered and the next start shows the
// windows in it; the program's own texts stay until then.

#include "TestSession.h"

#include "app/EditorForm.h"
#include "common/AppLanguage.h"
#include "session/LanguageChoice.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A translation of the window's Files menu only, built for this test.
const QString TestTranslations = QStringLiteral(":/test-i18n");

QAction* languageEntry(QWidget& window, const QString& code)
{
    return window.findChild<QAction*>(QStringLiteral("mnLanguage_") + code);
}

QString filesMenuTitle(QWidget& window)
{
    return window.findChild<QMenu*>(QStringLiteral("mnArquivo"))->title();
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

    QTemporaryDir config;

  private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path())); }
    void init() { QSettings().clear(); }

    void chosenLanguageShowsAfterRestart()
    {
        const std::unique_ptr<TfrmConfigurador> first = TestSession::newWindow();
        QVERIFY(languageEntry(*first, QStringLiteral("none"))->isChecked());
        QString notice;
        QTimer::singleShot(0, [&notice] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                notice = box->objectName();
                box->accept();
            }
        });
        languageEntry(*first, QStringLiteral("pt_BR"))->trigger();
        QCOMPARE(notice, QStringLiteral("LanguageNotice"));
        // The running editor keeps its texts and its language.
        QCOMPARE(TestSession::current().language(), QString());
        QCOMPARE(filesMenuTitle(*first), QStringLiteral("&Files"));

        EditorSession& restarted = TestSession::start();
        QCOMPARE(restarted.language(), QStringLiteral("pt_BR"));
        const AppTranslation translation(restarted.language(), TestTranslations);
        QVERIFY(translation.Installed());
        QCOMPARE(QLocale().name(), QStringLiteral("pt_BR"));
        const std::unique_ptr<TfrmConfigurador> second = MakeEditorWindow(restarted);
        QCOMPARE(filesMenuTitle(*second), QStringLiteral("&Arquivos"));
        QVERIFY(languageEntry(*second, QStringLiteral("pt_BR"))->isChecked());
    }

    // Every language of the menu has its translation inside the program.
    void translationsAreBuiltIn()
    {
        for (const AppLanguage& language : AppLanguages())
            QVERIFY2(QFile::exists(QStringLiteral(":/i18n/tessellor_%1.qm").arg(language.code)),
                     qPrintable(language.code));
    }

    void rememberedCodeIsKnown_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("language");
        QTest::newRow("known") << "de"
                               << "de";
        QTest::newRow("unknown") << "xx_YY"
                                 << "";
        QTest::newRow("a path") << "../../etc/passwd"
                                << "";
    }

    // A settings file edited by hand or written by a later version.
    void rememberedCodeIsKnown()
    {
        QFETCH(QString, stored);
        QFETCH(QString, language);
        QSettings().setValue(QStringLiteral("Language"), stored);
        QCOMPARE(TestSession::start().language(), language);
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
