#include "game/ui/GameWindow.h"

#include "audio/player/SimpleSoundPlayer.h"
#include "game/ui/FlowLayout.h"
#include "game/ui/GameBoard.h"
#include "game/ui/GameCardView.h"
#include "pictures/OverviewModel.h"
#include "pictures/SetView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The model reports each picture as it is decoded: look once they pause.
constexpr int SettleMs = 50;
// Narrower than this, the players go below the board and the counters below
// the status, so that the board keeps the whole width.
constexpr int NarrowWidth = 640;

// A label and its control, kept on one row when the controls wrap.
QWidget* labelled(QWidget* parent, QLabel* label, QWidget* control)
{
    auto* pair = new QWidget(parent);
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(control);
    label->setBuddy(control);
    return pair;
}

// True once the model has no picture still being decoded.
bool picturesSettled(const OverviewModel& pictures)
{
    for (int slot = 0; slot < NumSlots; ++slot)
        if (pictures.cell(slot).picture == OverviewCell::Picture::Pending)
            return false;
    return true;
}

// The cards with the faces the model decoded at the game's face size.
GameCards cardsOf(const OverviewModel& pictures)
{
    std::array<QImage, NumSlots> faces;
    for (int slot = 0; slot < NumSlots; ++slot)
        faces[std::size_t(slot)] = pictures.cell(slot).thumbnail;
    return MakeGameCards(pictures.set(), faces);
}

} // namespace

QString PairsText(int count)
{
    return count == 1 ? GameWindow::tr("1 pair") : GameWindow::tr("%1 pairs").arg(count);
}

GameWindow::GameWindow(const SetView& set, const GameOptions& options, QWidget* parent)
    : QWidget(parent), ownPictures_(std::make_unique<OverviewModel>()), pictures_(*ownPictures_),
      options_(options)
{
    setWindowFlag(Qt::Window);
    options_.players = std::clamp(options_.players, 1, GameRules::MaxPlayers);
    resize(1000, 720);
    buildControls();

    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, &GameWindow::picturesChanged);
    connect(&pictures_, &OverviewModel::cellChanged, &settle_, qOverload<>(&QTimer::start));
    ownPictures_->setThumbnailBox(FaceBox);
    ownPictures_->setSet(set);
    missTimer_.setSingleShot(true);
    missTimer_.setInterval(GameRules::MissShownMs);
    connect(&missTimer_, &QTimer::timeout, this, &GameWindow::turnBackMiss);
    peekTimer_.setSingleShot(true);
    connect(&peekTimer_, &QTimer::timeout, this, &GameWindow::endPeek);
    clockTimer_.setInterval(1000);
    connect(&clockTimer_, &QTimer::timeout, this, &GameWindow::updateCounters);

    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, &GameWindow::toggleFullScreen);
    auto* leaveFullScreen = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(leaveFullScreen, &QShortcut::activated, this, [this] {
        if (isFullScreen())
            toggleFullScreen();
    });

    board_->setMessage(tr("Reading the pictures\u2026"));
    announce(tr("Reading the pictures\u2026"));
    updateCounters();
    // A model that has decoded everything already says nothing more.
    settle_.start();
}

GameWindow::~GameWindow()
{
    // The game's sound ends with its window, not at the program's exit, when
    // the sound system may already be going.
    if (soundPlayed_)
        SimpleSoundPlayer::instance().stop();
}

void GameWindow::buildControls()
{
    board_ = new GameBoard(this);
    connect(board_, &GameBoard::activated, this, &GameWindow::activate);

    auto* side = new QVBoxLayout;
    playersGrid_ = new QGridLayout;
    side->addLayout(playersGrid_);
    side->addStretch(1);

    middle_ = new QBoxLayout(QBoxLayout::LeftToRight);
    middle_->addWidget(board_, 1);
    middle_->addLayout(side);

    counters_ = new QLabel(this);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setAccessibleDescription(tr("Game status"));
    bottom_ = new QBoxLayout(QBoxLayout::LeftToRight);
    bottom_->addWidget(status_, 1);
    bottom_->addWidget(counters_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTopBar());
    layout->addLayout(middle_, 1);
    layout->addLayout(bottom_);
    buildPlayers();
}

QWidget* GameWindow::buildTopBar()
{
    auto* bar = new QWidget(this);
    auto* row = new FlowLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);

    pairsChoice_ = new QComboBox(bar);
    // Its entries change with each set: "All (6)" must not be cut to its first width.
    pairsChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    QWidget* pairs = labelled(bar, new QLabel(tr("&Pairs:")), pairsChoice_);
    connect(pairsChoice_, &QComboBox::activated, this, [this] {
        options_.pairs = pairsChoice_->currentData().toInt();
        dealCards(deal_.seed);
    });

    playersChoice_ = new QSpinBox(bar);
    playersChoice_->setRange(1, GameRules::MaxPlayers);
    playersChoice_->setValue(options_.players);
    QWidget* players = labelled(bar, new QLabel(tr("Pla&yers:")), playersChoice_);
    connect(playersChoice_, &QSpinBox::valueChanged, this, [this](int players) {
        options_.players = players;
        buildPlayers();
        dealCards(deal_.seed);
    });

    auto* newGame = new QPushButton(tr("&New game"), bar);
    connect(newGame, &QPushButton::clicked, this, [this] { this->newGame(); });
    auto* newShortcut = new QShortcut(QKeySequence::New, this);
    connect(newShortcut, &QShortcut::activated, this, [this] { this->newGame(); });

    seedLabel_ = new QLabel(bar);
    seedLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    leftOutLabel_ = new QLabel(bar);
    animation_ = new QCheckBox(tr("Flip &animation"), bar);
    // Off where the desktop asks for less motion.
    animation_->setChecked(QApplication::isEffectEnabled(Qt::UI_General));
    sound_ = new QCheckBox(tr("&Sound"), bar);
    sound_->setChecked(true);

    turnBackChoice_ = new QComboBox(bar);
    turnBackChoice_->addItem(tr("after %1 s").arg(QLocale().toString(GameRules::MissShownMs / 1000.0)));
    turnBackChoice_->addItem(tr("on the next tap"));
    QWidget* turnBack = labelled(bar, new QLabel(tr("&Turn back:")), turnBackChoice_);
    connect(turnBackChoice_, &QComboBox::currentIndexChanged, this, [this] {
        const bool timed = turnBackMode() == GameRules::TurnBack::AfterDelay;
        if (timed && rules_ && rules_->missShowing())
            missTimer_.start();
        else if (!timed)
            missTimer_.stop();
    });
    peekChoice_ = new QComboBox(bar);
    for (const int seconds : GameRules::PeekSeconds)
        peekChoice_->addItem(tr("%1 s").arg(seconds), seconds);
    QWidget* peek = labelled(bar, new QLabel(tr("Show all cards at the start &for:")), peekChoice_);

    for (QWidget* widget : std::initializer_list<QWidget*>{pairs, players, newGame, seedLabel_, leftOutLabel_,
                                                           animation_, sound_, turnBack, peek})
        row->addWidget(widget);
    return bar;
}

// One row per player: a marker for whose turn it is, the name (editable)
// and the score. Names typed stay when the number of players changes.
void GameWindow::buildPlayers()
{
    while (int(playerNames_.size()) > options_.players) {
        delete playerNames_.back();
        delete playerScores_.back();
        delete playerMarks_.back();
        playerNames_.pop_back();
        playerScores_.pop_back();
        playerMarks_.pop_back();
    }
    while (int(playerNames_.size()) < options_.players) {
        const int player = int(playerNames_.size());
        auto* mark = new QLabel(this);
        // As wide with the marker as without, so the board keeps its place.
        mark->setFixedWidth(mark->fontMetrics().horizontalAdvance(QStringLiteral("\u25B6")) + 4);
        auto* name = new QLineEdit(tr("Player %1").arg(player + 1), this);
        name->setAccessibleName(tr("Name of player %1").arg(player + 1));
        connect(name, &QLineEdit::textChanged, this, &GameWindow::updatePlayers);
        auto* score = new QLabel(this);
        playersGrid_->addWidget(mark, player, 0);
        playersGrid_->addWidget(name, player, 1);
        playersGrid_->addWidget(score, player, 2);
        playerMarks_.push_back(mark);
        playerNames_.push_back(name);
        playerScores_.push_back(score);
    }
    updatePlayers();
}

void GameWindow::picturesChanged()
{
    if (cardsRead_ || !picturesSettled(pictures_))
        return;
    cardsRead_ = true;
    cardsReady();
}

void GameWindow::cardsReady()
{
    cards_ = cardsOf(pictures_);
    fillPairChoices();
    showLeftOut();
    if (!cards_.enoughToPlay()) {
        const QString message = !pictures_.set().isOpen()
                                    ? tr("No set is open: open a set to play it.")
                                    : tr("This set cannot be played: a game needs at least 2 pairs whose two "
                                         "pictures can be read, and this set has %1.")
                                          .arg(PairsText(int(cards_.playable.size())));
        board_->setMessage(message);
        announce(message);
        updateCounters();
        return;
    }
    dealCards(options_.seed.value_or(ClockSeed()));
}

void GameWindow::fillPairChoices()
{
    const int playable = int(cards_.playable.size());
    pairsChoice_->clear();
    for (const int pairs : GameRules::PairChoices)
        if (pairs < playable)
            pairsChoice_->addItem(QString::number(pairs), pairs);
    // A count given on the command line that the list lacks joins it.
    if (options_.pairs > 0 && options_.pairs < playable && pairsChoice_->findData(options_.pairs) < 0) {
        int index = 0;
        while (index < pairsChoice_->count() && pairsChoice_->itemData(index).toInt() < options_.pairs)
            ++index;
        pairsChoice_->insertItem(index, QString::number(options_.pairs), options_.pairs);
    }
    pairsChoice_->addItem(tr("All (%1)").arg(playable), 0);
    const int index = pairsChoice_->findData(options_.pairs);
    pairsChoice_->setCurrentIndex(index >= 0 ? index : pairsChoice_->count() - 1);
    pairsChoice_->setEnabled(cards_.enoughToPlay());
}

void GameWindow::showLeftOut()
{
    const int count = int(cards_.leftOut.size());
    leftOutLabel_->setVisible(count > 0 && pictures_.set().isOpen());
    leftOutLabel_->setText(tr("%1 left out").arg(PairsText(count)));
    leftOutLabel_->setToolTip(tr("Left out, a picture missing or unreadable: %1").arg(cards_.leftOutList()));
    leftOutLabel_->setAccessibleDescription(leftOutLabel_->toolTip());
}

void GameWindow::newGame(std::optional<uint32_t> seed)
{
    if (!cardsRead_)
        return;
    // The pictures may have changed since the last deal.
    cards_ = cardsOf(pictures_);
    fillPairChoices();
    showLeftOut();
    if (cards_.enoughToPlay())
        dealCards(seed.value_or(ClockSeed()));
}

void GameWindow::dealCards(uint32_t seed)
{
    if (!cards_.enoughToPlay())
        return;
    if (endBox_)
        endBox_->close();
    missTimer_.stop();
    clockTimer_.stop();
    clock_.invalidate();
    finalMs_ = -1;
    deal_ = MakeDeal(cards_.playable, options_.pairs, seed);
    std::vector<int> pairs;
    for (const DealtCard& card : deal_.cards)
        pairs.push_back(card.pair);
    rules_ = std::make_unique<GameRules>(pairs, options_.players);

    const bool firstDeal = board_->cardCount() == 0;
    board_->setCardCount(int(deal_.cards.size()));
    for (int position = 0; position < board_->cardCount(); ++position) {
        const DealtCard& card = deal_.cards[std::size_t(position)];
        board_->card(position)->setPictures(cards_.faces[std::size_t(card.slot)], cards_.back,
                                            cards_.names[std::size_t(card.slot)]);
    }
    seedLabel_->setText(tr("Seed: %1").arg(seed));
    seedLabel_->setToolTip(tr("Start this deal again with --seed %1").arg(seed));
    updatePlayers();
    updateCounters();
    const int peekSeconds = peekChoice_->currentData().toInt();
    peekTimer_.stop();
    if (peekSeconds > 0) {
        for (int position = 0; position < board_->cardCount(); ++position)
            board_->card(position)->setSide(GameCardView::Side::Face, false);
        peekTimer_.start(peekSeconds * 1000);
        announce(tr("%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.")
                     .arg(rules_->pairCount())
                     .arg(peekSeconds));
    } else {
        announce(tr("%1 pairs dealt. %2.").arg(rules_->pairCount()).arg(turnText()));
    }
    // The first deal takes the focus; someone changing the pairs or players
    // with the keyboard later keeps it.
    const QWidget* focus = focusWidget();
    const auto choosing = [focus](const QWidget* choice) {
        return focus && (focus == choice || choice->isAncestorOf(focus));
    };
    if (firstDeal || (!choosing(pairsChoice_) && !choosing(playersChoice_)))
        board_->card(0)->setFocus(Qt::OtherFocusReason);
    emit dealt();
}

void GameWindow::endPeek()
{
    peekTimer_.stop();
    showCards(animation_->isChecked());
    announce(tr("The cards are face down. %1.").arg(turnText()));
}

GameRules::TurnBack GameWindow::turnBackMode() const
{
    return turnBackChoice_->currentIndex() == 1 ? GameRules::TurnBack::OnNextTap
                                                : GameRules::TurnBack::AfterDelay;
}

void GameWindow::resizeEvent(QResizeEvent* event)
{
    const auto direction =
        event->size().width() < NarrowWidth ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight;
    middle_->setDirection(direction);
    bottom_->setDirection(direction);
    QWidget::resizeEvent(event);
}

void GameWindow::setAnimated(bool animated)
{
    animation_->setChecked(animated);
}

void GameWindow::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}
