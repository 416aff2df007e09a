#include "images/ui/PreviewForm.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int PanelBorder = 1;
constexpr int PanelInnerBorder = 5;

// Draws its image stretched to its whole area.
class StretchedImage : public QWidget {
  public:
    StretchedImage(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {}

  protected:
    void paintEvent(QPaintEvent*) override
    {
        if (image_.isNull())
            return;
        QPainter painter(this);
        painter.drawImage(rect(), image_);
    }

  private:
    QImage image_;
};

} // namespace

PreviewForm::PreviewForm(const QImage& picture, QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("PreviewForm"));
    setWindowTitle(tr("Preview"));
    setSizeGripEnabled(true);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel"));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(PanelBorder);
    panel->setAutoFillBackground(true);
    panel->setBackgroundRole(QPalette::Base);
    auto* image = new StretchedImage(picture, panel);
    image->setObjectName(QStringLiteral("Image"));

    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(PanelInnerBorder, PanelInnerBorder, PanelInnerBorder, PanelInnerBorder);
    panelLayout->addWidget(image);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);

    if (!picture.isNull()) {
        const int frame = 2 * (PanelBorder + PanelInnerBorder);
        resize(picture.width() + frame, picture.height() + frame);
    }
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
}

void PreviewForm::showModal(const QImage& picture, QWidget* parent)
{
    auto* form = new PreviewForm(picture, parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->exec();
}
