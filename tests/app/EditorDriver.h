#pragma once

// Works the editor window as the set commands leave it and as a user clicks it.

#include "TestSession.h"
#include "WindowControls.h"
#include "cardset/DialogDriver.h"

#include "app/TfrmConfigurador.h"
#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"
#include "images/ui/TDBImage.h"

#include <QToolButton>
#include <QtTest>

namespace EditorDriver {

// `folder` becomes the current set, new and of the given kind, on its cover page.
inline void openSet(TfrmConfigurador& w, const QString& folder, bool duplo)
{
    TestDocument().SetConfigConjunto(TConfigConjunto{});
    TestDocument().ChooseSet(folder + QLatin1Char('/'), QString(), duplo ? 1 : 0);
    w.NovoConjunto();
    w.HabilitaControles();
}

// Turns the pages and clicks the frame until `slot` is the current card.
inline void goToSlot(TfrmConfigurador& w, int slot)
{
    const int left = slot == 0 ? -1 : (slot % 2 == 1 ? slot : slot - 1);
    for (int i = 0; i < 21 && ui(w).DBImage1->Tag() != left; ++i)
        w.btnProximoClick();
    if (slot % 2 == 0)
        QTest::mouseClick(ui(w).DBImage2, Qt::LeftButton, {}, QPoint(41, 41));
    QCOMPARE(w.CurrentFrame()->Tag(), slot);
}

// Clicks a command button; the text of the error box it showed, or empty.
inline QString errorOf(QAbstractButton* button)
{
    DialogDriver::Message shown;
    QPointer<QTimer> waiting = DialogDriver::acceptMessage(&shown);
    button->click();
    DialogDriver::withdraw(waiting);
    return shown.text;
}

} // namespace EditorDriver
