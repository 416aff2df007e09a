#pragma once

#include "pictures/OverviewLayout.h"
#include "pictures/OverviewModel.h"

#include <QWidget>
#include <functional>
#include <optional>

class QDropEvent;
class QMimeData;

// The set overview window: every slot of a set as a thumbnail, in page order,
// with cells that grow and shrink with the window. It never waits for a
// picture: cells show a placeholder until their thumbnail is made.
//
// Clicking a cell, or Enter on the selected one, emits slotActivated(); the
// arrow keys move the selection. It follows the folder on disk by itself;
// the editor tells it of its own writes through cardChanged() and of a set
// opened or described anew through setSet().
//
// A cell can be dragged onto another card (a cell here or a card frame of
// the editor, which read CardMimeType()), and files can be dropped on a cell;
// what a drop means is the editor's: the window takes only what the drop
// filter accepts and reports it as cardDragged() or filesDropped().
class SetOverview : public QWidget {
    Q_OBJECT

  public:
    // With the editor's card `pictures`, the overview shows what the card
    // frames show, read once for both, and follows the disk through them.
    explicit SetOverview(QWidget* parent = nullptr, CardPictureModel* pictures = nullptr);

    void setSet(const SetView& set);
    const SetView& set() const { return model_.set(); }

    int currentSlot() const { return selected_; }
    void setCurrentSlot(int slot);

    const OverviewCell& cell(int slot) const { return model_.cell(slot); }
    QString headerText() const { return model_.headerText(); }
    // Where a slot's cell lies in the window.
    QRect cellRect(int slot) const { return layout_.cellRect(slot); }
    const OverviewModel& model() const { return model_; }

    // A card dragged out of an overview: its set's folder and its slot.
    struct DraggedCard {
        QString folder;
        int slot = -1;
    };
    // What the drag of a cell carries, under CardMimeType(): the card, and
    // the program it comes from, as only that program's cards can be copied.
    static QString CardMimeType();
    static QMimeData* CardDragData(const QString& folder, int slot);
    // The card a drag carries when it comes from an overview of this program.
    static std::optional<DraggedCard> DraggedCardOf(const QMimeData* data);
    // Decides whether a drag may be dropped at all; without one nothing is.
    void setDropFilter(std::function<bool(const QMimeData*)> accepts) { dropFilter_ = std::move(accepts); }

    // The preferred size, made smaller (with smaller cells) where the screen
    // has not the room for it with the window's frame.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  public slots:
    // A card's file was written: its cell (and its pair's) is looked at again.
    void cardChanged(int slot);
    // Looks at every file again; thumbnails of unchanged files are kept.
    void reload();

  signals:
    void slotActivated(int slot);
    // Local files dropped on the cell of `slot`, in the order the drag gave them.
    void filesDropped(int slot, const QStringList& paths);
    // The cell of `from` was dragged onto the cell of `to` (another slot).
    void cardDragged(int from, int to);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void relayout();
    // The largest size the window may take on its screen, less its frame.
    QSize roomOnScreen() const;
    // Shrinks and moves the window until it and its frame lie on the screen's
    // available area, so no row of cells is cut off.
    void keepOnScreen();
    QString toolTipFor(int slot) const;
    // The cell a drop at the event's place goes to, or -1 (no cell, or the
    // dragged cell itself).
    int dropSlot(const QDropEvent* event) const;
    void startCardDrag(int slot);

    OverviewModel model_;
    OverviewLayout layout_;
    int selected_ = 0;
    std::function<bool(const QMimeData*)> dropFilter_;
    QPoint pressPosition_;
    int pressedSlot_ = -1;
};
