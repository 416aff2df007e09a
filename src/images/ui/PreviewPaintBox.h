#pragma once

#include "images/TPicture.h"

#include <QWidget>

// The preview pane's drawing area: "(None)" when there is no picture, the
// picture at its natural size in the middle when it fits, else scaled to the
// area's width or height at the top-left corner (see PreviewGeometry).
class PreviewPaintBox : public QWidget {
    Q_OBJECT

  public:
    PreviewPaintBox(const TPicture& picture, QWidget* parent);

  Q_SIGNALS:
    void DoubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    const TPicture& picture_;
};
