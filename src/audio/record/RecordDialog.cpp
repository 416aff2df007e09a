#include "audio/record/RecordDialog.h"

#include "audio/SilenceTrim.h"
#include "audio/record/CaptureDeviceFormat.h"
#include "audio/record/TakePlayer.h"

#include <QAudioSource>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMediaDevices>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The meter shows the peak from this level (dBFS) up to full scale, in tenths.
constexpr int MeterFloorDbfs = -60;
constexpr int MinThresholdDbfs = -70;
constexpr int MaxThresholdDbfs = -3;
constexpr qint64 CaptureBufferUs = 100000;

QString Seconds(double seconds)
{
    return QString::number(seconds, 'f', 1);
}

double CardSeconds(const QByteArray& samples)
{
    return double(samples.size() / 2) / RecordedTake::CardRate;
}

} // namespace

RecordDialog::RecordDialog(QWidget* parent) : RecordDialog(QMediaDevices::defaultAudioInput(), parent) {}

RecordDialog::RecordDialog(const QAudioDevice& device, QWidget* parent, int maxSeconds)
    : QDialog(parent), device_(device), maxSeconds_(std::max(1, maxSeconds)), player_(new TakePlayer(this))
{
    setWindowTitle(tr("Record Sound"));
    BuildControls(maxSeconds_);
    connect(player_, &TakePlayer::Finished, this, &RecordDialog::UpdateControls);
    if (device_.isNull())
        lblStatus_->setText(tr("No sound input device"));
    UpdateResult();
}

RecordDialog::~RecordDialog()
{
    // Children outlive this body: none may call back into a half-destroyed dialog.
    player_->disconnect(this);
    if (source_ != nullptr) {
        source_->disconnect(this);
        captured_->disconnect(this);
        source_->stop();
    }
    source_.reset();
    retired_.reset();
}

bool RecordDialog::HasInputDevice()
{
    return !QMediaDevices::audioInputs().isEmpty();
}

double RecordDialog::TakeSeconds() const
{
    return take_ ? take_->Seconds() : 0.0;
}

void RecordDialog::BuildControls(int maxSeconds)
{
    btnRecord_ = new QPushButton(tr("Record"));
    btnRecord_->setObjectName(QStringLiteral("btnRecord"));
    lblLength_ = new QLabel;
    lblLength_->setObjectName(QStringLiteral("lblLength"));
    barLevel_ = new QProgressBar;
    barLevel_->setObjectName(QStringLiteral("barLevel"));
    barLevel_->setRange(0, -MeterFloorDbfs * 10);
    chkTrim_ = new QCheckBox(tr("Trim silence below"));
    chkTrim_->setObjectName(QStringLiteral("chkTrim"));
    chkTrim_->setChecked(true);
    spnThreshold_ = new QSpinBox;
    spnThreshold_->setObjectName(QStringLiteral("spnThreshold"));
    spnThreshold_->setRange(MinThresholdDbfs, MaxThresholdDbfs);
    spnThreshold_->setValue(int(SilenceTrim::DefaultThresholdDbfs));
    spnThreshold_->setSuffix(tr(" dBFS"));
    lblPercent_ = new QLabel;
    lblStatus_ = new QLabel;
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setWordWrap(true);
    btnPlay_ = new QPushButton(tr("Play"));
    btnPlay_->setObjectName(QStringLiteral("btnPlay"));

    auto* buttons = new QDialogButtonBox;
    btnUse_ = buttons->addButton(tr("Use"), QDialogButtonBox::AcceptRole);
    btnUse_->setObjectName(QStringLiteral("btnUse"));
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        player_->Stop();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &RecordDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(btnRecord_, 0, 0);
    grid->addWidget(lblLength_, 0, 1, 1, 2);
    grid->addWidget(barLevel_, 1, 0, 1, 3);
    grid->addWidget(chkTrim_, 2, 0);
    grid->addWidget(spnThreshold_, 2, 1);
    grid->addWidget(lblPercent_, 2, 2);
    grid->addWidget(btnPlay_, 3, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(tr("Recording stops by itself after %1 seconds.").arg(maxSeconds)));
    layout->addWidget(lblStatus_);
    layout->addWidget(buttons);

    connect(btnRecord_, &QPushButton::clicked, this, &RecordDialog::ToggleRecording);
    connect(btnPlay_, &QPushButton::clicked, this, &RecordDialog::TogglePlaying);
    connect(chkTrim_, &QCheckBox::toggled, this, &RecordDialog::UpdateResult);
    connect(spnThreshold_, &QSpinBox::valueChanged, this, &RecordDialog::UpdateResult);
}

void RecordDialog::ToggleRecording()
{
    if (IsRecording())
        StopRecording();
    else
        StartRecording();
}

void RecordDialog::StartRecording()
{
    player_->Stop();
    full_.clear();
    const QAudioFormat format = CaptureDeviceFormat::For(device_);
    const CaptureFormat described = CaptureDeviceFormat::Describe(format);
    if (device_.isNull() || !described.IsUsable()) {
        lblStatus_->setText(device_.isNull() ? tr("No sound input device")
                                             : tr("The sound input device offers no usable format."));
        UpdateResult();
        return;
    }
    retired_.reset();
    take_ = std::make_unique<RecordedTake>(described, maxSeconds_);
    source_ = std::make_unique<QAudioSource>(device_, format);
    // Small pieces keep the meter and the length moving while one speaks.
    source_->setBufferSize(int(format.bytesForDuration(CaptureBufferUs)));
    captured_ = source_->start();
    if (captured_ == nullptr || source_->error() != QAudio::NoError) {
        source_.reset();
        captured_ = nullptr;
        lblStatus_->setText(tr("The sound input device could not be opened."));
        UpdateResult();
        return;
    }
    connect(captured_, &QIODevice::readyRead, this, &RecordDialog::ReadCaptured);
    connect(source_.get(), &QAudioSource::stateChanged, this, &RecordDialog::OnSourceStateChanged);
    lblStatus_->clear();
    UpdateResult();
}

void RecordDialog::ReadCaptured()
{
    if (!IsRecording())
        return;
    const QByteArray captured = captured_->readAll();
    // A report with no whole sample in it says nothing of the level: the
    // meter keeps the last one rather than falling to the floor.
    const SoundLevel level = take_->Append(captured);
    if (captured.size() >= 2)
        ShowLevel(level.peak);
    lblLength_->setText(tr("Length: %1 s").arg(Seconds(take_->Seconds())));
    // Stopping deletes the device whose signal is running: stop after it.
    if (take_->IsFull())
        QMetaObject::invokeMethod(
            this, [this] { StopRecording(tr("Recording stopped at the %1-second limit.").arg(maxSeconds_)); },
            Qt::QueuedConnection);
}

void RecordDialog::OnSourceStateChanged()
{
    if (IsRecording() && source_->state() == QAudio::StoppedState && source_->error() != QAudio::NoError)
        StopRecording(tr("The sound input device stopped working."));
}

void RecordDialog::StopRecording(const QString& why)
{
    if (!IsRecording())
        return;
    take_->Append(captured_->readAll());
    source_->disconnect(this);
    captured_->disconnect(this);
    // Stopping deletes the captured device: nothing may touch it afterwards.
    captured_ = nullptr;
    source_->stop();
    retired_ = std::move(source_);
    ShowLevel(0);
    const std::optional<QByteArray> samples = take_->CardSamples();
    full_ = samples.value_or(QByteArray());
    lblStatus_->setText(samples ? why : tr("The recording could not be converted."));
    UpdateResult();
}

void RecordDialog::TogglePlaying()
{
    if (player_->IsPlaying())
        player_->Stop();
    else if (!player_->Play(result_, RecordedTake::CardRate))
        lblStatus_->setText(tr("The sound could not be played."));
    UpdateControls();
}

void RecordDialog::UpdateResult()
{
    player_->Stop();
    const SilenceTrim trim(spnThreshold_->value());
    result_ = chkTrim_->isChecked() ? trim.Apply(full_, RecordedTake::CardRate) : full_;
    lblPercent_->setText(tr("(%1 % of full scale)").arg(trim.ThresholdPercent(), 0, 'f', 1));
    QString length = tr("Length: %1 s").arg(Seconds(IsRecording() ? TakeSeconds() : CardSeconds(full_)));
    if (!IsRecording() && !full_.isEmpty() && chkTrim_->isChecked())
        length += tr(" (%1 s after trimming)").arg(Seconds(CardSeconds(result_)));
    lblLength_->setText(length);
    if (!IsRecording() && !full_.isEmpty() && result_.isEmpty())
        lblStatus_->setText(tr("The take is all below the silence threshold: nothing to use."));
    UpdateControls();
}

void RecordDialog::UpdateControls()
{
    const bool recording = IsRecording();
    btnRecord_->setText(recording ? tr("Stop") : tr("Record"));
    btnRecord_->setEnabled(!device_.isNull());
    btnPlay_->setText(player_->IsPlaying() ? tr("Stop") : tr("Play"));
    btnPlay_->setEnabled(!recording && !result_.isEmpty() && TakePlayer::HasOutputDevice());
    btnUse_->setEnabled(!recording && !result_.isEmpty());
    spnThreshold_->setEnabled(chkTrim_->isChecked());
}

void RecordDialog::ShowLevel(double peak)
{
    // The reading and the bar from one level, the reading set first so that
    // the bar never shows with an earlier reading.
    const double dbfs = SoundLevel::ToDbfs(peak);
    barLevel_->setFormat(IsRecording() ? tr("%1 dBFS").arg(qRound(dbfs)) : QString());
    barLevel_->setValue(std::clamp(int((dbfs - MeterFloorDbfs) * 10), 0, barLevel_->maximum()));
}

void RecordDialog::reject()
{
    StopRecording();
    player_->Stop();
    result_.clear();
    QDialog::reject();
}
