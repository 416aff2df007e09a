#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;
class TMMWaveOut;
class WaveFileDialog;
class WaveFormatSymbol;
class WaveformView;

// The wave open dialog: Qt's file dialog in its non-native form with a strip
// of controls below its own: the format symbol, a line describing the
// selected file, the waveform overview with the play position, Play/Stop, and
// the check boxes "Preview" (draw the waveform) and "Auto Play" (play each
// file as soon as it is selected). A file that is neither a readable wave nor
// a sound of another format that SoundImport converts (the second filter
// entry: MP3, Ogg Vorbis, Opus, FLAC, M4A, AAC) cannot be confirmed. Such a sound is
// decoded as its import would be into a private wave, which is then
// described, drawn and played as a wave is.
//
// The object lives as long as its owner window. The wave, converter, output
// and peak table are made afresh for every RunDialog() and released when it
// returns; Preview, AutoPlay, the filter entry and the folder keep the user's
// last choice. An error while playing is shown in the error box.
class TMMWaveOpenDialog : public QObject {
    Q_OBJECT

  public:
    // Called when the user confirms a valid wave or convertible sound;
    // clearing `accept` refuses it.
    using TFileOKEvent = std::function<void(TMMWaveOpenDialog* sender, const QString& path, bool& accept)>;

    explicit TMMWaveOpenDialog(QWidget* owner);
    ~TMMWaveOpenDialog() override;

    // Shows the dialog modally. True when the user confirmed a valid wave
    // file or a sound SoundImport::CanImport takes: FileName() is then its
    // full path. False on cancel, leaving it.
    bool RunDialog();

    QString FileName() const { return fileName_; }
    void SetFileName(const QString& path) { fileName_ = path; }
    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    bool Preview() const { return preview_; }
    void SetPreview(bool on) { preview_ = on; }
    bool AutoPlay() const { return autoPlay_; }
    void SetAutoPlay(bool on) { autoPlay_ = on; }
    // The filter entry in use (1 the waves, 2 the other sounds) and the
    // folder shown at the start; after a run, those the user ended with.
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    QString InitialDir() const { return initialDir_; }
    void SetInitialDir(const QString& dir) { initialDir_ = dir; }
    int DeviceID() const { return deviceID_; }
    void SetDeviceID(int device) { deviceID_ = device; }

    QColor Color = Qt::black;
    QColor ForeColor = QColor(0, 255, 0);
    QColor LocatorColor = QColor(255, 0, 0);
    TFileOKEvent OnFileOK;

    // While RunDialog runs: the file dialog and the output that plays the
    // selection (null otherwise).
    QWidget* Dialog() const;
    TMMWaveOut* Output() const;

  Q_SIGNALS:
    // The strip now describes the selection (after the delay that lets quick
    // moves through the list refresh once).
    void Refreshed();

  private:
    struct Parts;

    void BuildDialog();
    void BuildStrip();
    void CentreOnScreen();

    // The handlers of the strip; each shows its errors in the error box.
    void SelectionChanged(const QString& path);
    void RefreshTimeout();
    void BindOtherSound();
    void Refresh();
    void PlayClicked();
    void PreviewClicked(bool on);
    void AutoPlayClicked(bool on);
    void OutputStarted();
    void OutputStopped();
    void MoveLocator();
    bool ConfirmFile(const QString& path);

    void ComputeWaveform();
    void RedrawWaveform();
    bool CanPlay() const; // a device, audio, a format it takes
    void StartPlaying();  // errors ignored
    void StopPlaying();
    bool Drawable() const;

    QWidget* owner_;
    QString fileName_;
    QString title_ = tr("Open Wave File");
    bool preview_ = false;
    bool autoPlay_ = false;
    int deviceID_ = -1;
    int filterIndex_ = 1;
    QString initialDir_;
    QString fileNameOfRun_; // FileName as the last run left it

    QPointer<WaveFileDialog> dialog_;
    std::unique_ptr<Parts> parts_;
    QWidget* strip_ = nullptr;
    QLabel* infoLine_ = nullptr;
    WaveFormatSymbol* symbol_ = nullptr;
    WaveformView* waveform_ = nullptr;
    QPushButton* playButton_ = nullptr;
    QCheckBox* previewBox_ = nullptr;
    QCheckBox* autoPlayBox_ = nullptr;
};
