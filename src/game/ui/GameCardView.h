#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QVariantAnimation>

// One card on the board: its back, or its face when up or found. A turn is
// shown by a short flip (the card narrows to its edge and opens on the other
// side) unless animation is off. Space, Enter, a click or an assistive
// tool's press ask for the card to turn; the window decides.
class GameCardView : public QAbstractButton {
    Q_OBJECT

  public:
    // Missed: face up after a miss, marked so that it shows without colour.
    enum class Side { Back, Face, Found, Missed };
    // A turn lasts at most this long.
    static constexpr int FlipMs = 180;

    GameCardView(int position, int count, QWidget* parent = nullptr);

    int position() const { return position_; }
    // `name` is said with the face once it is up; empty when the card has none.
    void setPictures(const QImage& face, const QImage& back, const QString& name);
    Side side() const { return side_; }
    // Shows `side`, flipping when `animate` and the card turns over.
    void setSide(Side side, bool animate);
    bool flipping() const { return flip_.state() == QAbstractAnimation::Running; }

  signals:
    void activated(int position);
    // An arrow, Home or End key pressed on the card: the board moves on.
    void moveKey(int position, int key);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void updateName();
    void paintBack(QPainter& painter, const QRect& card) const;
    void paintFace(QPainter& painter, const QRect& card) const;
    void paintFound(QPainter& painter, const QRect& card) const;
    void paintMissed(QPainter& painter, const QRect& card) const;

    int position_;
    int count_;
    QString name_;
    QImage face_;
    QImage back_;
    Side side_ = Side::Back;
    Side shownBefore_ = Side::Back; // the side the flip starts from
    QVariantAnimation flip_;
};
