#pragma once

#include "images/TBitmap.h"

#include <QImage>
#include <QWidget>

// A card frame: an 82 x 82 focusable square that shows its picture stretched
// to the square.
//
// The frame always holds a TBitmap (empty at first); Picture() gives it to the
// editor to load, draw on or copy. After changing it the editor calls
// PictureChanged(), which repaints the frame: the frame keeps a scaled copy
// for painting and does not watch the bitmap itself.
//
// Until PictureChanged() is first called the frame shows its object name in
// round brackets ("(DBImage1)"). While it is the window's active control (it
// has, or last had, the keyboard focus) a 1-pixel frame is drawn along its
// edge. Ctrl+C and Ctrl+Insert put the picture on the clipboard.
class TDBImage : public QWidget {
    Q_OBJECT

  public:
    static constexpr int FrameSize = 82;

    explicit TDBImage(QWidget* parent = nullptr);

    TBitmap& Picture() { return picture_; }
    const TBitmap& Picture() const { return picture_; }
    void PictureChanged();

    int Tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // Puts the picture on the system clipboard (nothing for an empty one).
    void CopyToClipboard() const;

    QSize sizeHint() const override { return QSize(FrameSize, FrameSize); }

  Q_SIGNALS:
    // The frame received the keyboard focus.
    void Entered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool isActiveControl() const;

    TBitmap picture_;
    QImage scaled_; // the picture as shown, FrameSize x FrameSize
    bool pictureAssigned_ = false;
    int tag_ = 0;
};
