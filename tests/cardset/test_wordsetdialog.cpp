// The New set from word list dialog driven as a user would: what OK refuses
// (with the focus on the field to correct) and what it returns.

#include "DialogDriver.h"
#include "cardset/ui/TfrmPalavras.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestWordSetDialog : public QObject {
    Q_OBJECT

  private slots:
    void okChecksWhatTheUserCanCorrect_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("focus"); // empty: accepted
        QTest::newRow("accepted") << "Farm"
                                  << "\n cow \n\npig\n"
                                  << "";
        QTest::newRow("no name") << "  "
                                 << "cow\npig"
                                 << "txtNome";
        QTest::newRow("name taken") << "Taken"
                                    << "cow\npig"
                                    << "txtNome";
        QTest::newRow("one word") << "Farm"
                                  << "cow\n\n"
                                  << "memPalavras";
    }
    void okChecksWhatTheUserCanCorrect()
    {
        QFETCH(QString, name);
        QFETCH(QString, words);
        QFETCH(QString, focus);
        QTemporaryDir ed;
        QVERIFY(QDir(ed.path()).mkdir(QStringLiteral("Taken")));
        const QList<SpeechVoice> voices{
            {QStringLiteral("English"), QStringLiteral("en"), {"en"}, {5}},
            {QStringLiteral("Portuguese"), QStringLiteral("roa/pt"), {"pt"}, {5}}};
        TfrmPalavras dialog(voices, QStringLiteral("roa/pt"));
        dialog.PastaBase = ed.path() + QLatin1Char('/');
        dialog.show();
        dialog.txtNome->setText(name);
        dialog.memPalavras->setPlainText(words);
        DialogDriver::Message message;
        QPointer<QTimer> waiting = DialogDriver::acceptMessage(&message);
        const DialogDriver::Watchdog watchdog;
        dialog.cmdOK->click();
        DialogDriver::withdraw(waiting);
        QVERIFY(!watchdog.fired());
        if (focus.isEmpty()) {
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.Palavras, QStringList({"cow", "pig"}));
            QCOMPARE(dialog.PastaEscolhida, dialog.PastaBase + name);
            QCOMPARE(dialog.Voz(), QStringLiteral("roa/pt"));
            return;
        }
        QVERIFY(!message.text.isEmpty());
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget()->objectName(), focus);
    }
};

QTEST_MAIN(TestWordSetDialog)
#include "test_wordsetdialog.moc"
