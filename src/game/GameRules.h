#pragma once

#include <array>
#include <vector>

// The rules of one game, without time or drawing: which cards are up, whose
// turn it is, the scores. The window asks it before it turns a card and
// shows what it answers.
class GameRules {
  public:
    enum class Card { Down, Up, Found };
    enum class Flip {
        Refused,    // not a card face down, two cards already up, or the game is over
        First,      // the first card of a move is up
        Match,      // the second card matched: the player goes on
        Miss,       // the second did not: both stay up until turnBack(), the turn passes
        TurnedBack, // the tap turned a miss back and nothing more
    };
    // How a miss turns back: by itself after MissShownMs, or on the next tap,
    // with no time limit, for players who need longer to look.
    enum class TurnBack { AfterDelay, OnNextTap };

    // The facts every player of the game shares, the window as the web page
    // (which reads them from the data the page is written with).
    // A game is played by 1 to this many players.
    static constexpr int MaxPlayers = 4;
    // A miss stays up this long before it turns back.
    static constexpr int MissShownMs = 1500;
    // The numbers of pairs offered below the set's whole playable count.
    static constexpr std::array<int, 7> PairChoices{4, 6, 8, 10, 12, 15, 20};
    // The seconds every card may be shown face up before play starts.
    static constexpr std::array<int, 3> PeekSeconds{0, 3, 10};

    // `pairOfPosition` names the pair of each board position; each pair
    // appears twice. 1 to MaxPlayers players (clamped).
    GameRules(std::vector<int> pairOfPosition, int players);

    Flip flip(int position);
    // A tap on `position`. A miss still up turns back first; after
    // TurnBack::OnNextTap that tap is spent on it and turns no card, so the
    // player sees the two go down before choosing again.
    Flip tap(int position, TurnBack mode);
    // Turns the two cards of a miss face down again; nothing when there are none.
    void turnBack();

    int cardCount() const { return int(pairs_.size()); }
    int pairCount() const { return cardCount() / 2; }
    Card card(int position) const;
    int pairAt(int position) const;
    // Two cards are up after a miss, waiting to turn back.
    bool missShowing() const { return upCount() == 2; }

    int players() const { return int(scores_.size()); }
    int currentPlayer() const { return current_; } // 0-based
    int score(int player) const;
    int moves() const { return moves_; }
    int pairsFound() const { return found_; }
    bool finished() const { return found_ == pairCount(); }
    // The players with the highest score, 0-based (more than one on a draw).
    std::vector<int> leaders() const;

  private:
    int upCount() const { return int(up_.size()); }

    std::vector<int> pairs_;
    std::vector<Card> cards_;
    std::vector<int> up_;
    std::vector<int> scores_;
    int current_ = 0;
    int moves_ = 0;
    int found_ = 0;
};
