#pragma once

#include <QLayout>
#include <QList>

// Lays its widgets out left to right as a line of text is, going on to a new
// row where the next one would not fit, so a narrow window keeps every
// control in view.
class FlowLayout : public QLayout {
  public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(items_.size()); }
    QLayoutItem* itemAt(int index) const override { return items_.value(index); }
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

  private:
    // Places the items in `rect` (only measures when `place` is false) and
    // returns the height they take.
    int arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> items_;
};
