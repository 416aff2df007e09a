#pragma once

#include "game/Deal.h"
#include "game/GameCards.h"
#include "game/GameRules.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

class GameBoard;
class QBoxLayout;
class OverviewModel;
struct SetView;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMessageBox;
class QSpinBox;

// "1 pair", "3 pairs".
QString PairsText(int count);

// What a game starts with; the window's controls change the pairs and players.
struct GameOptions {
    int pairs = 0;                // 0: every playable pair
    std::optional<uint32_t> seed; // none: from the clock
    int players = 1;
};

// The memory game of a set: its playable pairs dealt face down on a board
// that fills the window, turned two at a time by 1 to 4 players in turn. It
// reads the set and writes nothing. The card faces are decoded for the game
// at FaceBox off the window's thread and follow the folder on disk; until
// every picture is ready the board says so.
class GameWindow : public QWidget {
    Q_OBJECT

  public:
    // Plays `set`, with pictures decoded for the game at FaceBox.
    explicit GameWindow(const SetView& set, const GameOptions& options = {}, QWidget* parent = nullptr);
    ~GameWindow() override;

    // The game in play; null before the pictures are ready or when the set
    // has fewer than 2 playable pairs.
    const GameRules* rules() const { return rules_.get(); }
    const Deal& deal() const { return deal_; }
    const GameCards& cards() const { return cards_; }
    GameBoard* board() const { return board_; }
    QString statusText() const;

    // A new deal from `seed` (from the clock when none) with the chosen
    // pairs and players.
    void newGame(std::optional<uint32_t> seed = std::nullopt);
    void setAnimated(bool animated);

    // The box the game's own pictures are decoded to: a card of a dozen on a
    // projector's screen, and quick enough to decode (see bench/game.sh).
    static constexpr QSize FaceBox{384, 384};

  signals:
    // A new deal is on the board.
    void dealt();
    // Every pair of the deal was found.
    void gameWon();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void buildPlayers();
    QWidget* buildTopBar();
    void picturesChanged();
    void cardsReady();
    void fillPairChoices();
    void showLeftOut();
    void dealCards(uint32_t seed);
    void endPeek();
    GameRules::TurnBack turnBackMode() const;

    // GameWindowPlay.cpp: a turn, the counters and the end.
    void activate(int position);
    void turnBackMiss();
    void showCards(bool animate);
    void showCard(int position, bool animate);
    void announceFlip(GameRules::Flip flip, int position, int player);
    QString cardName(int position) const;
    QString turnText() const;
    void playSound(int position);
    void announce(const QString& status);
    void updateCounters();
    void updatePlayers();
    void finishGame();
    QString playerName(int player) const;
    QString elapsedText() const;
    void toggleFullScreen();

    std::unique_ptr<OverviewModel> ownPictures_;
    const OverviewModel& pictures_;
    GameOptions options_;
    bool cardsRead_ = false;
    bool soundPlayed_ = false; // a card of this game was heard
    GameCards cards_;
    Deal deal_;
    std::unique_ptr<GameRules> rules_;

    GameBoard* board_ = nullptr;
    QBoxLayout* middle_ = nullptr; // the board and the players
    QBoxLayout* bottom_ = nullptr; // the status and the counters
    QComboBox* pairsChoice_ = nullptr;
    QSpinBox* playersChoice_ = nullptr;
    QLabel* seedLabel_ = nullptr;
    QLabel* leftOutLabel_ = nullptr;
    QCheckBox* animation_ = nullptr;
    QCheckBox* sound_ = nullptr;
    QComboBox* turnBackChoice_ = nullptr;
    QComboBox* peekChoice_ = nullptr;
    QGridLayout* playersGrid_ = nullptr;
    std::vector<QLineEdit*> playerNames_;
    std::vector<QLabel*> playerScores_;
    std::vector<QLabel*> playerMarks_;
    QLabel* counters_ = nullptr;
    QLabel* status_ = nullptr;
    QPointer<QMessageBox> endBox_;

    QTimer settle_;     // gathers the model's many cell changes into one look
    QTimer missTimer_;  // turns a miss back
    QTimer peekTimer_;  // ends the look at every card before play
    QTimer clockTimer_; // refreshes the time shown
    QElapsedTimer clock_;
    qint64 finalMs_ = -1;
};
