#include "audio/speech/ui/SpeakDialog.h"

#include "audio/speech/Speech.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <algorithm>

namespace {

const char* const VoiceKey = "Speech/Voice";
const char* const RateKey = "Speech/Rate";

QSettings Settings()
{
    return QSettings(QStringLiteral("Tessellor"), QStringLiteral("Tessellor"));
}

QString Describe(const SpeechVoice& voice)
{
    const QString language = voice.languages.value(0);
    return language.isEmpty() ? voice.name : QStringLiteral("%1 [%2]").arg(voice.name, language);
}

// The library lists its voices by language code; people look for a name.
QList<SpeechVoice> ByName(QList<SpeechVoice> voices)
{
    std::stable_sort(voices.begin(), voices.end(), [](const SpeechVoice& a, const SpeechVoice& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return voices;
}

} // namespace

SpeakDialog::SpeakDialog(const QList<SpeechVoice>& voices, const QString& defaultVoice, QWidget* parent)
    : QDialog(parent), cmbVoice_(new QComboBox(this)), spnRate_(new QSpinBox(this))
{
    setObjectName(QStringLiteral("SpeakDialog"));
    setWindowTitle(tr("Speak text"));
    cmbVoice_->setObjectName(QStringLiteral("cmbVoice"));
    for (const SpeechVoice& voice : ByName(voices))
        cmbVoice_->addItem(Describe(voice), voice.identifier);
    spnRate_->setObjectName(QStringLiteral("spnRate"));
    spnRate_->setRange(Speech::MinimumRate, Speech::MaximumRate);
    spnRate_->setSingleStep(10);
    spnRate_->setSuffix(tr(" words per minute"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SpeakDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SpeakDialog::reject);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!voices.isEmpty());

    auto* form = new QFormLayout(this);
    form->addRow(tr("&Voice:"), cmbVoice_);
    form->addRow(tr("&Rate:"), spnRate_);
    form->addRow(buttons);
    Restore(defaultVoice);
}

void SpeakDialog::Restore(const QString& defaultVoice)
{
    const QSettings settings = Settings();
    // A remembered voice that is no longer installed gives way to the default.
    int at = cmbVoice_->findData(settings.value(QLatin1String(VoiceKey)).toString());
    if (at < 0)
        at = cmbVoice_->findData(defaultVoice);
    cmbVoice_->setCurrentIndex(at < 0 ? 0 : at);
    bool ok = false;
    const int rate = settings.value(QLatin1String(RateKey)).toInt(&ok);
    spnRate_->setValue(ok ? rate : Speech::NormalRate); // the spin box clamps a damaged value
}

QString SpeakDialog::Voice() const
{
    return cmbVoice_->currentData().toString();
}

int SpeakDialog::Rate() const
{
    return spnRate_->value();
}

void SpeakDialog::accept()
{
    QSettings settings = Settings();
    settings.setValue(QLatin1String(VoiceKey), Voice());
    settings.setValue(QLatin1String(RateKey), Rate());
    QDialog::accept();
}
