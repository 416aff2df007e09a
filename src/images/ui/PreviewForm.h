#pragma once

#include <QDialog>
#include <QImage>

// The full-size preview: a small sizeable tool window, centred on the screen,
// showing the picture stretched to its client area, which starts out at the
// picture's natural size. Esc closes it; it is destroyed when closed.
class PreviewForm : public QDialog {
    Q_OBJECT

  public:
    PreviewForm(const QImage& picture, QWidget* parent);

    // Creates the window, shows it modally and lets it delete itself.
    static void showModal(const QImage& picture, QWidget* parent);
};
