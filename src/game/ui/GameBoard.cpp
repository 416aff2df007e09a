#include "game/ui/GameBoard.h"

#include "game/ui/GameCardView.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

GameBoard::GameBoard(QWidget* parent) : QWidget(parent)
{
    // Small enough that the board and the players fit side by side in a
    // window of a phone's width.
    setMinimumSize(200, 150);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void GameBoard::setCardCount(int count)
{
    for (GameCardView* card : cards_)
        card->deleteLater();
    cards_.clear();
    for (int position = 0; position < count; ++position) {
        auto* card = new GameCardView(position, count, this);
        connect(card, &GameCardView::activated, this, &GameBoard::activated);
        connect(card, &GameCardView::moveKey, this, &GameBoard::moveFocus);
        cards_.push_back(card);
        card->show();
    }
    // Tab follows deal order, as the arrows do.
    for (std::size_t i = 1; i < cards_.size(); ++i)
        setTabOrder(cards_[i - 1], cards_[i]);
    layoutCards();
    update();
}

GameCardView* GameBoard::card(int position) const
{
    return position >= 0 && position < cardCount() ? cards_[std::size_t(position)] : nullptr;
}

void GameBoard::setMessage(const QString& message)
{
    message_ = message;
    update();
}

int GameBoard::bestColumns(int count, QSize area)
{
    int best = 1;
    int bestSide = 0;
    for (int columns = 1; columns <= std::max(1, count); ++columns) {
        const int rows = (count + columns - 1) / columns;
        const int side = std::min(area.width() / columns, area.height() / std::max(1, rows));
        if (side > bestSide) {
            bestSide = side;
            best = columns;
        }
    }
    return best;
}

void GameBoard::resizeEvent(QResizeEvent*)
{
    layoutCards();
}

void GameBoard::layoutCards()
{
    if (cards_.empty())
        return;
    const int count = cardCount();
    columns_ = bestColumns(count, size());
    const int rows = (count + columns_ - 1) / columns_;
    const int side = std::max(1, std::min(width() / columns_, height() / rows));
    // The grid is centred on the board.
    const QPoint origin((width() - side * columns_) / 2, (height() - side * rows) / 2);
    // The deal is read in the language's direction: from the right under a
    // right-to-left one.
    for (int position = 0; position < count; ++position) {
        const QPoint cell(position % columns_, position / columns_);
        cards_[std::size_t(position)]->setGeometry(
            QStyle::visualRect(layoutDirection(), rect(), QRect(origin + cell * side, QSize(side, side))));
    }
}

void GameBoard::moveFocus(int position, int key)
{
    int target = position;
    switch (key) {
    // Left and Right go the way the arrow points, whichever way the deal runs.
    case Qt::Key_Left:
        target = isRightToLeft() ? position + 1 : position - 1;
        break;
    case Qt::Key_Right:
        target = isRightToLeft() ? position - 1 : position + 1;
        break;
    case Qt::Key_Up:
        target = position - columns_;
        break;
    case Qt::Key_Down:
        // From a full row to a shorter last one, the last card.
        target = position / columns_ + 1 < (cardCount() + columns_ - 1) / columns_
                     ? std::min(position + columns_, cardCount() - 1)
                     : position;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = cardCount() - 1;
        break;
    default:
        return;
    }
    if (GameCardView* card = this->card(target))
        card->setFocus(Qt::OtherFocusReason);
}

void GameBoard::paintEvent(QPaintEvent*)
{
    if (!cards_.empty() || message_.isEmpty())
        return;
    QPainter painter(this);
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    painter.setFont(font);
    painter.drawText(rect().adjusted(24, 24, -24, -24), Qt::AlignCenter | Qt::TextWordWrap, message_);
}
