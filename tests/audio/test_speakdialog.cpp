// The voice dialog of spoken text: what it offers the first time, and what it
// remembers, in a private settings folder.

#include "audio/speech/Speech.h"
#include "audio/speech/ui/SpeakDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QtTest>

namespace {

QList<SpeechVoice> TestVoices()
{
    return {{QStringLiteral("English (Great Britain)"), QStringLiteral("gmw/en"), {"en-gb", "en"}, {2, 2}},
            {QStringLiteral("Portuguese (Portugal)"), QStringLiteral("roa/pt"), {"pt", "pt-pt"}, {5, 5}},
            {QStringLiteral("Portuguese (Brazil)"), QStringLiteral("roa/pt-BR"), {"pt-br", "pt"}, {5, 6}}};
}

QSettings Settings()
{
    return QSettings(QStringLiteral("Tessellor"), QStringLiteral("Tessellor"));
}

} // namespace

class TestSpeakDialog : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { Settings().clear(); }
    void cleanupTestCase() { Settings().clear(); }

    void showsVoicesAndDefault()
    {
        SpeakDialog dialog(TestVoices(), QStringLiteral("roa/pt-BR"));
        auto* voices = dialog.findChild<QComboBox*>(QStringLiteral("cmbVoice"));
        QVERIFY(voices);
        QCOMPARE(voices->count(), 3);
        QCOMPARE(voices->itemText(0), QStringLiteral("English (Great Britain) [en-gb]"));
        QCOMPARE(voices->itemData(1).toString(), QStringLiteral("roa/pt-BR")); // by name
        QCOMPARE(voices->currentText(), QStringLiteral("Portuguese (Brazil) [pt-br]"));
        QCOMPARE(dialog.Voice(), QStringLiteral("roa/pt-BR"));
        QCOMPARE(dialog.Rate(), Speech::NormalRate);
    }

    void remembersOnlyOk_data()
    {
        QTest::addColumn<QDialogButtonBox::StandardButton>("button");
        QTest::addColumn<QString>("voice");
        QTest::addColumn<int>("rate");
        QTest::newRow("OK") << QDialogButtonBox::Ok << "roa/pt" << 300;
        QTest::newRow("Cancel") << QDialogButtonBox::Cancel << "gmw/en" << Speech::NormalRate;
    }
    void remembersOnlyOk()
    {
        QFETCH(QDialogButtonBox::StandardButton, button);
        QFETCH(QString, voice);
        QFETCH(int, rate);
        {
            SpeakDialog dialog(TestVoices(), QStringLiteral("gmw/en"));
            dialog.findChild<QComboBox*>(QStringLiteral("cmbVoice"))->setCurrentIndex(2);
            dialog.findChild<QSpinBox*>(QStringLiteral("spnRate"))->setValue(300);
            dialog.findChild<QDialogButtonBox*>()->button(button)->click();
        }
        SpeakDialog again(TestVoices(), QStringLiteral("gmw/en"));
        QCOMPARE(again.Voice(), voice);
        QCOMPARE(again.Rate(), rate);
    }

    void damagedSettings_data()
    {
        QTest::addColumn<QVariant>("storedVoice");
        QTest::addColumn<QVariant>("storedRate");
        QTest::addColumn<QString>("voice");
        QTest::addColumn<int>("rate");
        QTest::newRow("voice no longer installed") << QVariant("zle/ru") << QVariant(200) << "roa/pt" << 200;
        QTest::newRow("rate not a number")
            << QVariant("roa/pt-BR") << QVariant("fast") << "roa/pt-BR" << Speech::NormalRate;
        QTest::newRow("rate too high")
            << QVariant("roa/pt-BR") << QVariant(9999) << "roa/pt-BR" << Speech::MaximumRate;
    }
    void damagedSettings()
    {
        QFETCH(QVariant, storedVoice);
        QFETCH(QVariant, storedRate);
        QFETCH(QString, voice);
        QFETCH(int, rate);
        {
            QSettings settings = Settings();
            if (storedVoice.isValid())
                settings.setValue(QStringLiteral("Speech/Voice"), storedVoice);
            settings.setValue(QStringLiteral("Speech/Rate"), storedRate);
        }
        SpeakDialog dialog(TestVoices(), QStringLiteral("roa/pt"));
        QCOMPARE(dialog.Voice(), voice);
        QCOMPARE(dialog.Rate(), rate);
    }

    void noVoicesNoOk()
    {
        SpeakDialog dialog({}, QString());
        QVERIFY(!dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(dialog.Voice().isEmpty());
    }
};

QTEST_MAIN(TestSpeakDialog)
#include "test_speakdialog.moc"
