#pragma once

#include <QWidget>
#include <vector>

class GameCardView;

// The cards of a game in a grid that fills the board, square, in deal order
// row by row, with as many columns as make them largest. The arrow keys move
// among them: Left and Right to the previous and next card in deal order, Up
// and Down a row, Home and End to the first and last card. Without cards it
// shows a message in their place.
class GameBoard : public QWidget {
    Q_OBJECT

  public:
    explicit GameBoard(QWidget* parent = nullptr);

    // Replaces the cards by `count` new ones, face down.
    void setCardCount(int count);
    int cardCount() const { return int(cards_.size()); }
    GameCardView* card(int position) const;
    int columns() const { return columns_; }
    // Shown, centred, while there are no cards.
    void setMessage(const QString& message);

    // The columns that make `count` square cards largest in `area`.
    static int bestColumns(int count, QSize area);

  signals:
    void activated(int position);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void layoutCards();
    void moveFocus(int position, int key);

    std::vector<GameCardView*> cards_;
    int columns_ = 1;
    QString message_;
};
