#pragma once

#include "app/overview/OverviewLayout.h"
#include "app/overview/OverviewModel.h"

#include <QWidget>

// The set overview window: every slot of a set as a thumbnail, in page order,
// with cells that grow and shrink with the window. It never waits for a
// picture: cells show a placeholder until their thumbnail is made.
//
// Clicking a cell, or Enter on the selected one, emits slotActivated(); the
// arrow keys move the selection. It follows the folder on disk by itself;
// the editor tells it of its own writes through cardChanged() and of a set
// opened or described anew through setSet().
class SetOverview : public QWidget {
    Q_OBJECT

  public:
    explicit SetOverview(QWidget* parent = nullptr);

    void setSet(const OverviewSet& set);
    const OverviewSet& set() const { return model_.set(); }

    int currentSlot() const { return selected_; }
    void setCurrentSlot(int slot);

    const OverviewCell& cell(int slot) const { return model_.cell(slot); }
    QString headerText() const { return model_.headerText(); }
    // Where a slot's cell lies in the window.
    QRect cellRect(int slot) const { return layout_.cellRect(slot); }
    const OverviewModel& model() const { return model_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  public slots:
    // A card's file was written: its cell (and its pair's) is looked at again.
    void cardChanged(int slot);
    // Looks at every file again; thumbnails of unchanged files are kept.
    void reload();

  signals:
    void slotActivated(int slot);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void relayout();
    QString toolTipFor(int slot) const;

    OverviewModel model_;
    OverviewLayout layout_;
    int selected_ = 0;
};
