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
    // A click while a miss is up turns it back at once and plays on.
    if (rules_->missShowing()) {
        missTimer_.stop();
        turnBackMiss();
    }
    const int player = rules_->currentPlayer();
    const GameRules::Flip flip = rules_->flip(position);
    if (flip == GameRules::Flip::Refused)
        return;
    if (!clock_.isValid()) {
        clock_.start();
        clockTimer_.start();
    }
    showCard(position, animation_->isChecked());
    playSound(position);
    switch (flip) {
    case GameRules::Flip::First:
        announce(tr("%1 turned card %2.").arg(playerName(player)).arg(position + 1));
        break;
    case GameRules::Flip::Match:
        for (int p = 0; p < rules_->cardCount(); ++p)
            if (rules_->card(p) == GameRules::Card::Found)
                showCard(p, false);
        announce(rules_->finished() ? tr("%1 found the last pair.").arg(playerName(player))
                                    : tr("A pair for %1, who plays again.").arg(playerName(player)));
        break;
    case GameRules::Flip::Miss:
        missTimer_.start();
        announce(rules_->players() > 1 ? tr("Not a pair. %1 plays.").arg(playerName(rules_->currentPlayer()))
                                       : tr("Not a pair."));
        break;
    case GameRules::Flip::Refused:
        break;
    }
    updatePlayers();
    updateCounters();
    if (rules_->finished())
        finishGame();
}

void GameWindow::turnBackMiss()
{
    if (!rules_ || !rules_->missShowing())
        return;
    rules_->turnBack();
    for (int position = 0; position < rules_->cardCount(); ++position)
        showCard(position, animation_->isChecked());
}

void GameWindow::showCard(int position, bool animate)
{
    GameCardView::Side side = GameCardView::Side::Back;
    if (rules_->card(position) == GameRules::Card::Up)
        side = GameCardView::Side::Face;
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
        SimpleSoundPlayer::instance().play(path);
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
