#pragma once

#include "audio/speech/SpeechVoice.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

// Chooses the voice and the rate of spoken text. The choice is remembered
// between runs (QSettings "Tessellor"/"Tessellor") when the user presses OK;
// the first time, the voice of the system's language is offered. The dialog
// only chooses: the caller speaks and writes the sound.
class SpeakDialog : public QDialog {
    Q_OBJECT

  public:
    // `voices` as Speech::Voices() lists them; `defaultVoice` the identifier
    // offered when nothing was remembered (Speech::DefaultVoice()).
    SpeakDialog(const QList<SpeechVoice>& voices, const QString& defaultVoice, QWidget* parent = nullptr);

    QString Voice() const; // the chosen voice's identifier
    int Rate() const;      // words per minute

    void accept() override;

  private:
    void Restore(const QString& defaultVoice);

    QComboBox* cmbVoice_;
    QSpinBox* spnRate_;
};
