#include "audio/ui/TMMWaveOpenDialog.h"

#include "common/ui/ErrorMessage.h"

#include "audio/SoundImport.h"
#include "audio/TMMWave.h"
#include "audio/WavePeaks.h"
#include "audio/WaveSummary.h"
#include "audio/output/PlayBufferSize.h"
#include "audio/output/TMMADPCMConverter.h"
#include "audio/output/TMMWaveFile.h"
#include "audio/output/TMMWaveOut.h"
#include "audio/ui/DecodedWavePeaks.h"
#include "audio/ui/WaveFileDialog.h"
#include "audio/ui/WaveFormatSymbol.h"
#include "audio/ui/WaveStripLayout.h"
#include "audio/ui/WaveformView.h"
#include "common/Exception.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <new>

namespace {

constexpr int MaxTitleLength = 79;
// Sounds that are converted into a card sound when chosen.
//: A file dialog's filter: the part in brackets stays as it is.
constexpr const char* OtherSoundsFilter = QT_TRANSLATE_NOOP(
    "TMMWaveOpenDialog", "Other sounds (*.mp3 *.ogg *.oga *.opus *.flac *.m4a *.aac *.3gp)");
constexpr int WaveIOBufferSize = 131072;
constexpr int OutputBufferSize = 32768;
constexpr int OutputBuffers = 10;
constexpr int RefreshDelayMs = 50;
constexpr int LocatorIntervalMs = 50;
// Above this much data the computation marks its progress with a red column.
constexpr int32_t ProgressMarkBytes = 2097152;

// Runs a handler of the dialog; an error it raises is shown in the
// application's error box and the dialog goes on.
template <typename Handler> void Guarded(Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception&) {
        ShowCaughtError();
    }
}

// The hourglass for as long as the waveform is computed, whatever the outcome.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Marks the dialog's own calls to the output for as long as they run.
struct OutputCall {
    explicit OutputCall(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~OutputCall() { flag_ = was_; }
    OutputCall(const OutputCall&) = delete;
    OutputCall& operator=(const OutputCall&) = delete;

  private:
    bool& flag_;
    bool was_;
};

} // namespace

// What the dialog owns while it is shown.
struct TMMWaveOpenDialog::Parts {
    TMMWaveFile source;
    TMMADPCMConverter converter;
    TMMWaveOut output;
    TWavePeaks peaks;
    QTimer refreshTimer;
    QTimer locatorTimer;
    bool refreshPending = false;
    // The dialog is inside a call of its own to the output, which raises
    // what OnError reports: an error of Start is ignored, one of Close
    // swallowed. OnError outside such a call comes from playing.
    bool callingOutput = false;
    // The selection, as the file dialog named it.
    QString selected;
    // The selected file when it is no wave: a sound of another format. It is
    // decoded as an import would be into a wave of this folder, which the
    // wave then reads, so that it is described, drawn and played as a wave.
    QString otherSound;
    QTemporaryDir decoded;

    TMMWave& Wave() { return *source.Wave(); }
};

TMMWaveOpenDialog::TMMWaveOpenDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

TMMWaveOpenDialog::~TMMWaveOpenDialog()
{
    delete dialog_;
}

QWidget* TMMWaveOpenDialog::Dialog() const
{
    return dialog_;
}

TMMWaveOut* TMMWaveOpenDialog::Output() const
{
    return parts_ ? &parts_->output : nullptr;
}

void TMMWaveOpenDialog::BuildDialog()
{
    parts_ = std::make_unique<Parts>();
    TMMWave& wave = parts_->Wave();
    wave.SetTimeFormat(TMMTimeFormats::tfByte);
    parts_->source.SetIOBufferSize(WaveIOBufferSize);
    parts_->converter.SetInput(&parts_->source);
    TMMWaveOut& output = parts_->output;
    output.SetInput(&parts_->converter);
    output.OnStart = [this](TMMWaveOut*) { OutputStarted(); };
    output.OnStop = [this](TMMWaveOut*) { OutputStopped(); };
    // A failure while playing (a buffer that cannot be refilled, a lost sound
    // server) closes the output on the event loop, where nobody could catch
    // it: the user sees it in the error box. Failures of Start are raised as
    // well and ignored there, as the button stays "Play".
    output.OnError = [this](TMMWaveOut*, const QString& message) {
        if (parts_->callingOutput)
            return;
        // Shown once the output has closed, not inside its handler.
        QTimer::singleShot(0, this, [message] { ShowErrorBox(message); });
    };
    output.SetBufferSize(OutputBufferSize);
    output.SetNumBuffers(OutputBuffers);
    output.SetTimeFormat(TMMTimeFormats::tfByte);
    if (output.NumDevs() > 0)
        output.SetDeviceID(deviceID_);
    parts_->refreshTimer.setSingleShot(true);
    parts_->refreshTimer.setInterval(RefreshDelayMs);
    connect(&parts_->refreshTimer, &QTimer::timeout, this, [this] { Guarded([this] { RefreshTimeout(); }); });
    parts_->locatorTimer.setInterval(LocatorIntervalMs);
    connect(&parts_->locatorTimer, &QTimer::timeout, this, [this] { Guarded([this] { MoveLocator(); }); });

    dialog_ = new WaveFileDialog(owner_, [this](const QString& path) { return ConfirmFile(path); });
    dialog_->setObjectName(QStringLiteral("dlOpenWave"));
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setFileMode(QFileDialog::ExistingFile);
    dialog_->setAcceptMode(QFileDialog::AcceptOpen);
    dialog_->setWindowTitle(title_.left(MaxTitleLength));
    //: A file dialog's filter: the part in brackets stays as it is.
    const QStringList filters{tr("Wave-Files(*.wav)"), tr(OtherSoundsFilter)};
    dialog_->setNameFilters(filters);
    dialog_->selectNameFilter(filters.value(filterIndex_ - 1, filters.first()));
    dialog_->setDefaultSuffix(QStringLiteral("wav"));
    dialog_->setSizeGripEnabled(true);
    BuildStrip();
    connect(dialog_, &QFileDialog::currentChanged, this,
            [this](const QString& path) { Guarded([&] { SelectionChanged(path); }); });
}

void TMMWaveOpenDialog::BuildStrip()
{
    strip_ = new QWidget;
    strip_->setObjectName(QStringLiteral("WaveStrip"));
    const WaveStripLayout layout(dialog_->font());
    const QRect area = layout.Strip();
    strip_->setFixedSize(area.right() + 1, area.height());
    const QPoint origin = area.topLeft();

    auto* label = new QLabel(tr("Format:"), strip_);
    label->setGeometry(layout.FormatLabel().translated(origin));
    symbol_ = new WaveFormatSymbol(parts_->Wave(), strip_);
    symbol_->setObjectName(QStringLiteral("FormatSymbol"));
    symbol_->setGeometry(layout.FormatSymbol().translated(origin));
    infoLine_ = new QLabel(tr("Unknown"), strip_);
    infoLine_->setObjectName(QStringLiteral("InfoLine"));
    infoLine_->setGeometry(layout.InfoLine().translated(origin));
    waveform_ = new WaveformView(parts_->peaks, strip_);
    waveform_->setObjectName(QStringLiteral("Waveform"));
    waveform_->Color = Color;
    waveform_->ForeColor = ForeColor;
    waveform_->LocatorColor = LocatorColor;
    waveform_->setGeometry(layout.Waveform().translated(origin));
    parts_->peaks.Reset(waveform_->Area().width());

    playButton_ = new QPushButton(tr("Play"), strip_);
    playButton_->setObjectName(QStringLiteral("PlayButton"));
    playButton_->setGeometry(layout.PlayButton().translated(origin));
    playButton_->setEnabled(false);
    previewBox_ = new QCheckBox(tr("Preview"), strip_);
    previewBox_->setObjectName(QStringLiteral("PreviewBox"));
    previewBox_->setGeometry(layout.PreviewBox().translated(origin));
    previewBox_->setChecked(preview_);
    previewBox_->setEnabled(false);
    autoPlayBox_ = new QCheckBox(tr("Auto Play"), strip_);
    autoPlayBox_->setObjectName(QStringLiteral("AutoPlayBox"));
    autoPlayBox_->setGeometry(layout.AutoPlayBox().translated(origin));
    autoPlayBox_->setChecked(autoPlay_);
    autoPlayBox_->setEnabled(parts_->output.NumDevs() > 0);

    connect(playButton_, &QPushButton::clicked, this, [this] { Guarded([this] { PlayClicked(); }); });
    connect(previewBox_, &QCheckBox::clicked, this,
            [this](bool on) { Guarded([&] { PreviewClicked(on); }); });
    connect(autoPlayBox_, &QCheckBox::clicked, this,
            [this](bool on) { Guarded([&] { AutoPlayClicked(on); }); });

    // The non-native dialog lays its parts out on a grid: the strip becomes
    // a row of its own below them.
    auto* grid = qobject_cast<QGridLayout*>(dialog_->layout());
    if (grid != nullptr)
        grid->addWidget(strip_, grid->rowCount(), 0, 1, grid->columnCount(), Qt::AlignLeft);
    else
        dialog_->layout()->addWidget(strip_);
}

void TMMWaveOpenDialog::CentreOnScreen()
{
    const QScreen* screen = owner_ != nullptr ? owner_->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect free = screen->availableGeometry();
    const QSize size = dialog_->size().expandedTo(dialog_->sizeHint());
    dialog_->resize(size);
    dialog_->move(free.left() + (free.width() - size.width()) / 2,
                  free.top() + (free.height() - size.height()) / 3);
}

bool TMMWaveOpenDialog::RunDialog()
{
    BuildDialog();
    // A file name the caller gave since the last run opens its folder; else
    // the run starts where the last one ended, with the last choice offered.
    const QFileInfo last(fileName_);
    const bool given = !fileName_.isEmpty() && fileName_ != fileNameOfRun_;
    if (!initialDir_.isEmpty() && !given)
        dialog_->setDirectory(initialDir_);
    else if (!fileName_.isEmpty())
        dialog_->setDirectory(last.absolutePath());
    if (!fileName_.isEmpty())
        dialog_->selectFile(last.fileName());
    CentreOnScreen();
    RedrawWaveform();
    const int result = dialog_->exec();
    const QStringList files = dialog_->selectedFiles();
    // The next run offers the entry and the folder the user ended in, also
    // after a cancel.
    filterIndex_ = int(dialog_->nameFilters().indexOf(dialog_->selectedNameFilter())) + 1;
    if (filterIndex_ < 1)
        filterIndex_ = 1;
    initialDir_ = dialog_->directory().absolutePath();
    // Closing: stop playing, then release everything made for this run.
    StopPlaying();
    parts_->refreshTimer.stop();
    parts_->locatorTimer.stop();
    delete dialog_;
    parts_->Wave().ClearWave();
    parts_.reset();
    const bool chosen = result == QDialog::Accepted && !files.isEmpty();
    if (chosen)
        fileName_ = files.first();
    fileNameOfRun_ = fileName_;
    return chosen;
}

bool TMMWaveOpenDialog::ConfirmFile(const QString& path)
{
    // A sound of another format passes when it can be converted.
    if (!QFileInfo(path).isFile() || (!IsValidWaveFile(path) && !SoundImport::CanImport(path))) {
        QMessageBox::critical(dialog_, tr("Error"), tr("Invalid WaveFile..."));
        return false;
    }
    bool accept = true;
    if (OnFileOK)
        OnFileOK(this, path, accept);
    return accept;
}

void TMMWaveOpenDialog::SelectionChanged(const QString& path)
{
    TMMWave& wave = parts_->Wave();
    if (path == parts_->selected)
        return;
    parts_->selected = path;
    StopPlaying();
    // Set before binding: a wave that fails to bind still refreshes.
    parts_->refreshPending = true;
    parts_->refreshTimer.start();
    parts_->otherSound.clear();
    if (QFileInfo(path).isFile() && IsValidWaveFile(path)) {
        wave.LoadWaveFile(path);
        const TWaveFormat* format = wave.WaveFormat();
        parts_->converter.SetEnabled(format != nullptr &&
                                     (format->IsPcm() || TMMADPCMConverter::CanConvert(*format)));
    } else {
        wave.ClearWave();
        if (QFileInfo(path).isFile())
            parts_->otherSound = path;
    }
}

void TMMWaveOpenDialog::BindOtherSound()
{
    // Decoded only now, once the user has stopped on the file.
    const QString& path = parts_->otherSound;
    if (path.isEmpty() || !parts_->decoded.isValid() || !SoundImport::CanImport(path))
        return;
    const QString wavePath = parts_->decoded.filePath(QStringLiteral("selection.wav"));
    BusyCursor busy; // a long sound takes a moment
    try {
        SoundImport::ToCardSound(path, wavePath);
    } catch (const Exception&) {
        // Too long, or damaged after its first block: described, not played.
        return;
    }
    parts_->Wave().LoadWaveFile(wavePath);
    parts_->converter.SetEnabled(true);
}

void TMMWaveOpenDialog::RefreshTimeout()
{
    parts_->refreshPending = false;
    BindOtherSound();
    Refresh();
    Q_EMIT Refreshed();
}

bool TMMWaveOpenDialog::Drawable() const
{
    const TMMWave& wave = *parts_->source.Wave();
    return TWavePeaks::CanDraw(wave) || DecodedWavePeaks::CanDraw(wave);
}

void TMMWaveOpenDialog::Refresh()
{
    TMMWave& wave = parts_->Wave();
    symbol_->update();
    previewBox_->setEnabled(false);
    const QString other =
        parts_->otherSound.isEmpty() ? QString() : SoundImport::Describe(parts_->otherSound);
    if (wave.FileName().isEmpty()) {
        infoLine_->setText(other.isEmpty() ? tr("Unknown") : other);
        playButton_->setEnabled(false);
        RedrawWaveform();
        return;
    }
    infoLine_->setText(other.isEmpty() ? WaveSummary(wave) : other);
    if (Drawable()) {
        previewBox_->setEnabled(true);
        if (preview_)
            ComputeWaveform();
        else
            RedrawWaveform();
    } else {
        RedrawWaveform();
    }
    TMMWaveOut& output = parts_->output;
    if (CanPlay() && !output.Playing()) {
        // The buffer size may change only while the output is closed.
        StopPlaying();
        output.SetBufferSize(PlayBufferSize(OutputBufferSize, *parts_->converter.PWaveFormat()));
        playButton_->setEnabled(true);
        if (autoPlay_)
            StartPlaying();
    } else {
        playButton_->setEnabled(false);
    }
}

void TMMWaveOpenDialog::RedrawWaveform()
{
    const bool peaks = preview_ && Drawable();
    waveform_->Redraw(peaks && !parts_->refreshPending, peaks && parts_->refreshPending);
}

void TMMWaveOpenDialog::ComputeWaveform()
{
    TMMWave& wave = parts_->Wave();
    const bool progress = wave.DataSize() > ProgressMarkBytes;
    BusyCursor busy;
    TWavePeaks& peaks = parts_->peaks;
    peaks.Reset(waveform_->Area().width());
    waveform_->BeginTrace();
    int drawn = 0;
    try {
        const auto column = [&](int i) { waveform_->TraceColumn(i, progress); };
        drawn = TWavePeaks::CanDraw(wave) ? peaks.Compute(wave, column)
                                          : DecodedWavePeaks::Compute(peaks, wave, column);
    } catch (...) {
        waveform_->EndTrace(0);
        throw;
    }
    waveform_->EndTrace(drawn);
}

bool TMMWaveOpenDialog::CanPlay() const
{
    const TMMWaveOut& output = parts_->output;
    const TWaveFormat* format = parts_->converter.PWaveFormat();
    return output.NumDevs() > 0 && !parts_->source.Wave()->IsEmpty() && format != nullptr &&
           output.QueryDevice(output.DeviceID(), format);
}

void TMMWaveOpenDialog::StartPlaying()
{
    OutputCall call(parts_->callingOutput);
    try {
        parts_->output.Start();
    } catch (const Exception&) {
        // The button stays "Play"; the user may try again.
    }
}

void TMMWaveOpenDialog::StopPlaying()
{
    OutputCall call(parts_->callingOutput);
    parts_->output.Close();
}

void TMMWaveOpenDialog::PlayClicked()
{
    if (parts_->output.NumDevs() == 0)
        return;
    if (parts_->output.Playing())
        StopPlaying();
    else if (CanPlay())
        StartPlaying();
}

void TMMWaveOpenDialog::PreviewClicked(bool on)
{
    preview_ = on;
    if (on)
        StopPlaying();
    Refresh();
}

void TMMWaveOpenDialog::AutoPlayClicked(bool on)
{
    autoPlay_ = on;
    if (!on)
        StopPlaying();
    else if (!parts_->output.Playing() && CanPlay())
        StartPlaying();
}

void TMMWaveOpenDialog::OutputStarted()
{
    waveform_->MoveLocator(-1);
    parts_->locatorTimer.start();
    playButton_->setText(tr("Stop"));
}

void TMMWaveOpenDialog::OutputStopped()
{
    parts_->locatorTimer.stop();
    waveform_->MoveLocator(-1);
    playButton_->setText(tr("Play"));
}

void TMMWaveOpenDialog::MoveLocator()
{
    if (!preview_ || !Drawable())
        return;
    const TMMWave& wave = parts_->Wave();
    const TWaveFormat* played = parts_->converter.PWaveFormat();
    int64_t position = parts_->output.Position();
    // A converted wave plays other bytes than its file holds: the position
    // is taken back to the file's bytes by the two block sizes.
    if (played != nullptr && played->BlockAlign() > 0 &&
        wave.WaveFormat()->BlockAlign() != played->BlockAlign())
        position = position * wave.WaveFormat()->BlockAlign() / played->BlockAlign();
    const int width = waveform_->Area().width();
    const int64_t dataSize = wave.DataSize();
    const int x = dataSize > 0 ? int(std::min<int64_t>(width * position / dataSize, width - 1)) : 0;
    waveform_->MoveLocator(x);
}
