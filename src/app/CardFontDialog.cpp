#include "app/CardFontDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

struct NamedColor {
    const char* name;
    QRgb rgb;
};

// The sixteen basic colours a desktop font dialog offers.
constexpr NamedColor BasicColors[] = {
    {QT_TRANSLATE_NOOP("CardFontDialog", "Black"), 0x000000},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Maroon"), 0x800000},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Olive"), 0x808000},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Navy"), 0x000080},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Teal"), 0x008080},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Silver"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Red"), 0xFF0000},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Lime"), 0x00FF00},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Yellow"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Blue"), 0x0000FF},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("CardFontDialog", "Aqua"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("CardFontDialog", "White"), 0xFFFFFF},
};

constexpr int SwatchSize = 12;

QIcon swatch(const QColor& color)
{
    QPixmap pixmap(SwatchSize, SwatchSize);
    pixmap.fill(color);
    return QIcon(pixmap);
}

} // namespace

CardFontDialog::CardFontDialog(QWidget* parent)
    : QDialog(parent), fontChooser_(new QFontDialog(this)), colorList_(new QComboBox(this))
{
    setObjectName(QStringLiteral("dlFont"));
    setWindowTitle(tr("Font"));

    // The font chooser lives inside this dialog, without buttons of its own.
    fontChooser_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fontChooser_->setWindowFlags(Qt::Widget);

    colorList_->setObjectName(QStringLiteral("colorList"));
    for (const NamedColor& entry : BasicColors)
        colorList_->addItem(swatch(QColor(entry.rgb)), tr(entry.name), QColor(entry.rgb));

    auto* colorRow = new QHBoxLayout;
    auto* colorLabel = new QLabel(tr("&Color:"), this);
    colorLabel->setBuddy(colorList_);
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(colorList_);
    colorRow->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fontChooser_);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);

    last_ = CardText::DefaultCanvasFont();
    SetCurrentFont(last_);
}

bool CardFontDialog::Execute()
{
    SetCurrentFont(last_);
    if (exec() != QDialog::Accepted)
        return false;
    last_ = CurrentFont();
    return true;
}

CardText::CanvasFont CardFontDialog::CurrentFont() const
{
    return CardText::CanvasFont{fontChooser_->currentFont(), colorList_->currentData().value<QColor>()};
}

void CardFontDialog::SetCurrentFont(const CardText::CanvasFont& font)
{
    // Without a style name the chooser may settle on any style of the face
    // (an oblique one, say); name the style the font really has.
    QFont shown = font.font;
    if (shown.styleName().isEmpty())
        shown.setStyleName(QFontInfo(shown).styleName());
    fontChooser_->setCurrentFont(shown);
    int index = colorList_->findData(font.color);
    if (index < 0) {
        colorList_->addItem(swatch(font.color), font.color.name(), font.color);
        index = colorList_->count() - 1;
    }
    colorList_->setCurrentIndex(index);
}
