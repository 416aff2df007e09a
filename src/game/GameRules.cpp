#include "game/GameRules.h"

#include <algorithm>

GameRules::GameRules(std::vector<int> pairOfPosition, int players)
    : pairs_(std::move(pairOfPosition)), cards_(pairs_.size(), Card::Down),
      scores_(std::size_t(std::clamp(players, 1, MaxPlayers)), 0)
{
}

GameRules::Flip GameRules::flip(int position)
{
    if (position < 0 || position >= cardCount() || cards_[std::size_t(position)] != Card::Down ||
        upCount() >= 2 || finished())
        return Flip::Refused;
    cards_[std::size_t(position)] = Card::Up;
    up_.push_back(position);
    if (upCount() == 1)
        return Flip::First;

    ++moves_;
    const int first = up_[0];
    if (pairs_[std::size_t(first)] == pairs_[std::size_t(position)]) {
        cards_[std::size_t(first)] = cards_[std::size_t(position)] = Card::Found;
        up_.clear();
        ++found_;
        ++scores_[std::size_t(current_)];
        return Flip::Match;
    }
    current_ = (current_ + 1) % players();
    return Flip::Miss;
}

GameRules::Flip GameRules::tap(int position, TurnBack mode)
{
    if (missShowing()) {
        turnBack();
        if (mode == TurnBack::OnNextTap)
            return Flip::TurnedBack;
    }
    return flip(position);
}

void GameRules::turnBack()
{
    if (upCount() != 2)
        return;
    for (const int position : up_)
        cards_[std::size_t(position)] = Card::Down;
    up_.clear();
}

GameRules::Card GameRules::card(int position) const
{
    return position >= 0 && position < cardCount() ? cards_[std::size_t(position)] : Card::Down;
}

int GameRules::pairAt(int position) const
{
    return position >= 0 && position < cardCount() ? pairs_[std::size_t(position)] : 0;
}

int GameRules::score(int player) const
{
    return player >= 0 && player < players() ? scores_[std::size_t(player)] : 0;
}

std::vector<int> GameRules::leaders() const
{
    const int best = *std::max_element(scores_.begin(), scores_.end());
    std::vector<int> result;
    for (int player = 0; player < players(); ++player)
        if (scores_[std::size_t(player)] == best)
            result.push_back(player);
    return result;
}
