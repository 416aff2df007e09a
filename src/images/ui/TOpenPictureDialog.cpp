#include "images/ui/TOpenPictureDialog.h"

#include "common/Exception.h"
#include "images/PictureReader.h"
#include "images/TBitmap.h"
#include "images/ui/PreviewForm.h"
#include "images/ui/PreviewPaintBox.h"

#include <QAbstractItemView>
#include <QBitmap>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStandardPaths>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// The pane's parts as created, in pixels.
constexpr int PanelWidth = 169;
constexpr int PanelInnerBorder = 6;
constexpr int LabelHeight = 23;
constexpr int PaintPanelWidth = 157;
constexpr int PaintPanelHeight = 145;
constexpr int BevelWidth = 2; // lowered outer plus raised inner bevel
constexpr QSize ButtonSize(23, 22);
constexpr int ButtonTop = 1;
constexpr int ButtonGap = 2;

// "Bitmaps (*.bmp)|*.bmp" -> "Bitmaps (*.bmp)"; a description without its
// mask in brackets gets it appended, since Qt reads the mask from there.
QStringList qtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString mask = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        result << (description.endsWith(QStringLiteral("(%1)").arg(mask))
                       ? description
                       : QStringLiteral("%1 (%2)").arg(description, mask));
    }
    return result;
}

bool isMask(const QString& text)
{
    return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?'));
}

QIcon previewGlyph()
{
    // A glyph's bottom-left pixel names its transparent colour.
    TBitmap glyph;
    glyph.LoadBitmapResource(QStringLiteral("PREVIEWGLYPH"));
    const QImage image = glyph.ToImage();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, image.height() - 1))));
    return QIcon(pixmap);
}

} // namespace

TOpenPictureDialog::TOpenPictureDialog(QWidget* owner)
    : QObject(owner), owner_(owner), dialog_(new QFileDialog(owner))
{
    dialog_->setObjectName(QStringLiteral("dlOpenBitmap"));
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setFileMode(QFileDialog::ExistingFile);
    dialog_->setAcceptMode(QFileDialog::AcceptOpen);
    dialog_->setWindowTitle(tr("Open"));
    dialog_->setSizeGripEnabled(true);
    SetFilter(CardPictureFilter());
    buildPreviewPane();
    insertPreviewPane();
    connect(dialog_, &QFileDialog::currentChanged, this, &TOpenPictureDialog::UpdatePreview);
    watchSelectionClearing();
    nameEdit_ = dialog_->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (nameEdit_ != nullptr) {
        connect(nameEdit_, &QLineEdit::textEdited, this, &TOpenPictureDialog::typedNameEdited);
        nameEdit_->installEventFilter(this);
    }
    connect(dialog_, &QDialog::finished, this, &TOpenPictureDialog::hideCompletionList);
}

TOpenPictureDialog::~TOpenPictureDialog()
{
    delete dialog_;
}

QString TOpenPictureDialog::CardPictureFilter()
{
    QStringList masks;
    for (const QString& extension : PictureReader::commonExtensions())
        masks << QStringLiteral("*.") + extension;
    // The descriptions are the user's words; the masks after each "|" are not.
    //: A file dialog's filter: the part in brackets stays as it is.
    QString filter = tr("Bitmaps (*.bmp)") + QStringLiteral("|*.bmp");
    if (!masks.isEmpty()) {
        //: A file dialog's filter: %1 is the list of file masks.
        filter += QLatin1Char('|') + tr("All pictures (%1)").arg(masks.join(QLatin1Char(' '))) +
                  QLatin1Char('|') + masks.join(QLatin1Char(';'));
    }
    return filter;
}

void TOpenPictureDialog::SetFilter(const QString& filter)
{
    filter_ = filter;
    qtFilters_ = qtNameFilters(filter);
}

void TOpenPictureDialog::buildPreviewPane()
{
    picturePanel_ = new QWidget;
    picturePanel_->setObjectName(QStringLiteral("PicturePanel"));
    picturePanel_->setFixedWidth(PanelWidth);

    pictureLabel_ = new QLabel(picturePanel_);
    pictureLabel_->setObjectName(QStringLiteral("PictureLabel"));
    pictureLabel_->setFixedHeight(LabelHeight);

    paintPanel_ = new QFrame(picturePanel_);
    paintPanel_->setObjectName(QStringLiteral("PaintPanel"));
    paintPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    paintPanel_->setLineWidth(BevelWidth);
    paintPanel_->setFixedSize(PaintPanelWidth, PaintPanelHeight);

    // The drawing area fills the panel inside its bevels: 153 x 141.
    paintBox_ = new PreviewPaintBox(picture_, paintPanel_);
    paintBox_->setObjectName(QStringLiteral("PaintBox"));
    paintBox_->setGeometry(paintPanel_->contentsRect());
    connect(paintBox_, &PreviewPaintBox::DoubleClicked, this, &TOpenPictureDialog::ShowFullPreview);

    auto* layout = new QVBoxLayout(picturePanel_);
    layout->setContentsMargins(PanelInnerBorder, PanelInnerBorder, PanelInnerBorder, PanelInnerBorder);
    layout->setSpacing(0);
    layout->addWidget(pictureLabel_);
    layout->addWidget(paintPanel_);
    layout->addStretch();

    // The button sits over the label's right end, not in the layout.
    previewButton_ = new QToolButton(picturePanel_);
    previewButton_->setObjectName(QStringLiteral("PreviewButton"));
    previewButton_->setAutoRaise(true);
    previewButton_->setIcon(previewGlyph());
    previewButton_->setToolTip(tr("Preview"));
    previewButton_->setEnabled(false);
    previewButton_->setGeometry(PanelInnerBorder + PaintPanelWidth - ButtonSize.width() - ButtonGap,
                                ButtonTop, ButtonSize.width(), ButtonSize.height());
    previewButton_->raise();
    connect(previewButton_, &QToolButton::clicked, this, &TOpenPictureDialog::ShowFullPreview);
}

void TOpenPictureDialog::insertPreviewPane()
{
    // The non-native dialog lays its parts out on a grid: the pane becomes
    // a column of its own on the right.
    auto* grid = qobject_cast<QGridLayout*>(dialog_->layout());
    if (grid != nullptr)
        grid->addWidget(picturePanel_, 0, grid->columnCount(), grid->rowCount(), 1, Qt::AlignTop);
    else
        dialog_->layout()->addWidget(picturePanel_);
}

void TOpenPictureDialog::applyFilter()
{
    if (qtFilters_.isEmpty())
        return;
    dialog_->setNameFilters(qtFilters_);
    const int index = qBound(1, filterIndex_, int(qtFilters_.size()));
    dialog_->selectNameFilter(qtFilters_[index - 1]);
}

void TOpenPictureDialog::centreOnOwnersScreen()
{
    const QScreen* screen = owner_ != nullptr ? owner_->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->geometry();
    const QSize size = dialog_->size().expandedTo(dialog_->sizeHint());
    dialog_->resize(size);
    dialog_->move(area.left() + (area.width() - size.width()) / 2,
                  area.top() + (area.height() - size.height()) / 3);
}

// The folder of the last chosen file, else the one last used, else the
// user's pictures (never the folder the program happened to start in).
void TOpenPictureDialog::applyStartingFolder()
{
    const QFileInfo chosen(fileName_);
    if (!fileName_.isEmpty() && chosen.absoluteDir().exists()) {
        dialog_->setDirectory(chosen.absolutePath());
        dialog_->selectFile(chosen.fileName());
        return;
    }
    dialog_->selectFile(QString());
    if (!initialDir_.isEmpty() && QFileInfo(initialDir_).isDir()) {
        dialog_->setDirectory(initialDir_);
        return;
    }
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    dialog_->setDirectory(QFileInfo(pictures).isDir() ? pictures : QDir::homePath());
}

bool TOpenPictureDialog::RunDialog()
{
    applyFilter();
    applyStartingFolder();
    clearPreview();
    centreOnOwnersScreen();
    const int result = dialog_->exec();
    QToolTip::hideText();
    const QStringList files = dialog_->selectedFiles();
    if (result != QDialog::Accepted || files.isEmpty())
        return false;
    fileName_ = files.first();
    initialDir_ = QFileInfo(fileName_).absolutePath();
    const qsizetype filter = qtFilters_.indexOf(dialog_->selectedNameFilter());
    if (filter >= 0)
        filterIndex_ = int(filter) + 1;
    return true;
}

// The file dialog reports a new current file but not a selection that was
// emptied (Ctrl+click on the selected file): the preview must not go on
// showing a picture that is no longer chosen.
void TOpenPictureDialog::watchSelectionClearing()
{
    const auto* list = dialog_->findChild<QAbstractItemView*>(QStringLiteral("listView"));
    if (list == nullptr || list->selectionModel() == nullptr)
        return;
    QItemSelectionModel* selection = list->selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this,
            [this, selection](const QItemSelection&, const QItemSelection& deselected) {
                if (!deselected.isEmpty() && !selection->hasSelection())
                    UpdatePreview(QString());
            });
}

void TOpenPictureDialog::clearPreview()
{
    picture_.Clear();
    pictureLabel_->clear();
    previewButton_->setEnabled(false);
    paintBox_->update();
}

void TOpenPictureDialog::UpdatePreview(const QString& path)
{
    bool shown = false;
    const QFileInfo info(path);
    if (!path.isEmpty() && info.exists() && info.isFile()) {
        try {
            picture_.LoadFromFile(path);
            shown = true;
        } catch (const Exception&) {
        } catch (const std::exception&) { // out of memory for a huge picture, too
        }
    }
    if (shown) {
        pictureLabel_->setText(tr(" (%1x%2)").arg(picture_.Width()).arg(picture_.Height()));
        previewButton_->setEnabled(true);
    } else {
        pictureLabel_->setText(tr("Picture:"));
        previewButton_->setEnabled(false);
        picture_.Clear();
    }
    paintBox_->update();
}

void TOpenPictureDialog::ShowFullPreview()
{
    PreviewForm::showModal(picture_.Image(), dialog_->isVisible() ? static_cast<QWidget*>(dialog_) : owner_);
}

// A path typed into the name box is previewed as soon as it names a file.
void TOpenPictureDialog::typedNameEdited(const QString& text)
{
    if (text.isEmpty() || isMask(text))
        return;
    const QString path = QDir(dialog_->directory()).absoluteFilePath(QDir::fromNativeSeparators(text));
    if (QFileInfo(path).isFile())
        UpdatePreview(path);
}

// The name box's completion list is a window of its own. Enter typed while it
// shows closes the dialog but not the list, which would stay on screen
// (without a window manager) and take the next click just to close.
void TOpenPictureDialog::hideCompletionList()
{
    if (nameEdit_ == nullptr || nameEdit_->completer() == nullptr)
        return;
    if (QAbstractItemView* list = nameEdit_->completer()->popup())
        list->hide();
}

// A mask typed into the name box and confirmed becomes the file list's
// filter, as in the desktop's own open dialog.
bool TOpenPictureDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == nameEdit_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool confirm = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (confirm && isMask(nameEdit_->text())) {
            const QString mask = nameEdit_->text().trimmed();
            QFileInfo typed(QDir(dialog_->directory()).absoluteFilePath(mask));
            if (QFileInfo(typed.path()).isDir())
                dialog_->setDirectory(typed.path());
            dialog_->setNameFilter(typed.fileName());
            nameEdit_->clear();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
