// A turn, the counters and the end of a game.

#include "audio/player/SimpleSoundPlayer.h"
#include "game/ui/GameBoard.h"
#include "game/ui/GameCardView.h"
#include "game/ui/GameWindow.h"
#include "pictures/OverviewModel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

void GameWindow::activate(int position)
{
    if (!rules_)
        return;
    // A tap while every card shows ends the look, and turns no card.
    if (peekTimer_.isActive()) {
        endPeek();
        return;
    }
    missTimer_.stop();
    const bool missWasUp = rules_->missShowing();
    const int player = rules_->currentPlayer();
    const GameRules::Flip flip = rules_->tap(position, turnBackMode());
    if (missWasUp)
        showCards(animation_->isChecked());
    if (flip == GameRules::Flip::Refused)
        return;
    if (flip != GameRules::Flip::TurnedBack) {
        if (!clock_.isValid()) {
            clock_.start();
            clockTimer_.start();
        }
        showCard(position, animation_->isChecked());
        playSound(position);
    }
    if (flip == GameRules::Flip::Match)
        showCards(false);
    else if (flip == GameRules::Flip::Miss) {
        showCards(false);
        if (turnBackMode() == GameRules::TurnBack::AfterDelay)
            missTimer_.start();
    }
    announceFlip(flip, position, player);
    updatePlayers();
    updateCounters();
    if (rules_->finished())
        finishGame();
}

// Every move is said on the status line: the card turned, a pair or none,
// whose turn it is.
void GameWindow::announceFlip(GameRules::Flip flip, int position, int player)
{
    const bool many = rules_->players() > 1;
    const QString name = cardName(position);
    switch (flip) {
    case GameRules::Flip::First:
        announce(name.isEmpty() ? tr("Card %1").arg(position + 1)
                                : tr("Card %1: %2").arg(position + 1).arg(name));
        break;
    case GameRules::Flip::Match: {
        const QString found = name.isEmpty() ? tr("Pair found") : tr("Pair found: %1").arg(name);
        announce(many ? tr("%1. %2 plays again.").arg(found, playerName(player)) : found);
        break;
    }
    case GameRules::Flip::Miss: {
        QString text = many ? tr("No pair. %1.").arg(turnText()) : tr("No pair.");
        if (turnBackMode() == GameRules::TurnBack::OnNextTap)
            text += tr(" Tap a card to turn them back.");
        announce(text);
        break;
    }
    case GameRules::Flip::TurnedBack:
        announce(tr("Turned back. %1.").arg(turnText()));
        break;
    case GameRules::Flip::Refused:
        break;
    }
}

QString GameWindow::turnText() const
{
    return tr("%1's turn").arg(playerName(rules_->currentPlayer()));
}

QString GameWindow::cardName(int position) const
{
    return cards_.names[std::size_t(deal_.cards[std::size_t(position)].slot)];
}

void GameWindow::turnBackMiss()
{
    if (!rules_ || !rules_->missShowing())
        return;
    rules_->turnBack();
    showCards(animation_->isChecked());
}

void GameWindow::showCards(bool animate)
{
    for (int position = 0; position < rules_->cardCount(); ++position)
        showCard(position, animate);
}

void GameWindow::showCard(int position, bool animate)
{
    GameCardView::Side side = GameCardView::Side::Back;
    if (rules_->card(position) == GameRules::Card::Up)
        side = rules_->missShowing() ? GameCardView::Side::Missed : GameCardView::Side::Face;
    else if (rules_->card(position) == GameRules::Card::Found)
        side = GameCardView::Side::Found;
    board_->card(position)->setSide(side, animate);
}

void GameWindow::playSound(int position)
{
    if (!sound_->isChecked())
        return;
    const QString& path = cards_.sounds[std::size_t(deal_.cards[std::size_t(position)].slot)];
    if (!path.isEmpty())
        soundPlayed_ = SimpleSoundPlayer::instance().play(path) || soundPlayed_;
}

QString GameWindow::statusText() const
{
    return status_->text();
}

// The status line is a live region: assistive tools read each change out.
void GameWindow::announce(const QString& status)
{
    status_->setText(status);
    status_->setAccessibleName(status);
    QAccessibleEvent event(status_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QString GameWindow::elapsedText() const
{
    const qint64 ms = finalMs_ >= 0 ? finalMs_ : clock_.isValid() ? clock_.elapsed() : 0;
    const qint64 seconds = ms / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void GameWindow::updateCounters()
{
    const int found = rules_ ? rules_->pairsFound() : 0;
    const int pairs = rules_ ? rules_->pairCount() : 0;
    const int moves = rules_ ? rules_->moves() : 0;
    counters_->setText(tr("Moves: %1    Pairs found: %2 of %3    Time: %4")
                           .arg(moves)
                           .arg(found)
                           .arg(pairs)
                           .arg(elapsedText()));
    const QString name = pictures_.set().isOpen() ? pictures_.set().name() : tr("No set");
    setWindowTitle(tr("%1 of %2 pairs \u2014 %3 \u2014 Tessellor").arg(found).arg(pairs).arg(name));
}

QString GameWindow::playerName(int player) const
{
    const QString name =
        player < int(playerNames_.size()) ? playerNames_[std::size_t(player)]->text().trimmed() : QString();
    return name.isEmpty() ? tr("Player %1").arg(player + 1) : name;
}

void GameWindow::updatePlayers()
{
    for (int player = 0; player < int(playerNames_.size()); ++player) {
        const bool current = rules_ && !rules_->finished() && rules_->currentPlayer() == player;
        const int score = rules_ ? rules_->score(player) : 0;
        playerMarks_[std::size_t(player)]->setText(current ? QStringLiteral("\u25B6") : QString());
        playerScores_[std::size_t(player)]->setText(PairsText(score));
        playerScores_[std::size_t(player)]->setAccessibleName(
            tr("%1: %2%3")
                .arg(playerName(player), PairsText(score), current ? tr(", plays now") : QString()));
    }
}

void GameWindow::finishGame()
{
    finalMs_ = clock_.isValid() ? clock_.elapsed() : 0;
    clockTimer_.stop();
    updateCounters();
    QStringList lines{tr("Moves: %1").arg(rules_->moves()), tr("Time: %1").arg(elapsedText())};
    for (int player = 0; player < rules_->players(); ++player)
        lines << tr("%1: %2").arg(playerName(player), PairsText(rules_->score(player)));
    if (rules_->players() > 1) {
        const std::vector<int> leaders = rules_->leaders();
        if (leaders.size() == 1) {
            lines << tr("The winner: %1").arg(playerName(leaders[0]));
        } else {
            QStringList names;
            for (const int player : leaders)
                names << playerName(player);
            lines << tr("A draw between %1").arg(names.join(tr(" and ")));
        }
    }
    announce(tr("Well done! %1").arg(lines.join(QStringLiteral(". "))));

    auto* box = new QMessageBox(this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(tr("Well done!"));
    box->setText(tr("Well done!"));
    box->setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { font-size: 16pt; font-weight: bold; }"));
    box->setInformativeText(lines.join(QLatin1Char('\n')));
    QPushButton* again = box->addButton(tr("Play again"), QMessageBox::AcceptRole);
    box->addButton(QMessageBox::Close);
    box->setDefaultButton(again);
    connect(again, &QPushButton::clicked, this, [this] { newGame(); });
    endBox_ = box;
    box->open();
    emit gameWon();
}
