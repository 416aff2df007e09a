#include "app/EditorOverview.h"

#include "app/EditorView.h"
#include "app/OverviewPlacement.h"
#include "app/commands/CardDropCommands.h"
#include "app/overview/SetOverview.h"
#include "pictures/SetView.h"
#include "session/EditorSession.h"

#include <QScreen>
#include <QWidget>

SetOverview* MakeEditorOverview(EditorView& view, EditorSession& session, CardDropCommands& drops)
{
    QWidget* window = view.Widget();
    auto* overview = new SetOverview(window, &session.Pictures());
    overview->setObjectName(QStringLiteral("SetOverview"));
    overview->setDropFilter([&drops](const QMimeData* data) { return drops.AcceptsDrop(data); });
    const auto later = Qt::QueuedConnection; // the drop is over before the cards are written
    QObject::connect(overview, &SetOverview::slotActivated, window,
                     [&view](int slot) { view.runCommand({}, [&view, slot] { view.GoToSlot(slot); }); });
    QObject::connect(
        overview, &SetOverview::filesDropped, window,
        [&drops](int slot, const QStringList& paths) { drops.RunDropFiles(slot, paths); }, later);
    QObject::connect(
        overview, &SetOverview::cardDragged, window,
        [&drops](int from, int to) { drops.RunCopyCard(from, to); }, later);
    // The set as the game reads it too: one rule for folder, author and kind.
    TSetDocument* document = &session.Document();
    const auto showSet = [overview, document] { overview->setSet(SetView::of(*document)); };
    QObject::connect(document, &TSetDocument::setOpened, overview, showSet);
    QObject::connect(document, &TSetDocument::configChanged, overview, showSet);
    QObject::connect(document, &TSetDocument::cardFileWritten, overview,
                     [overview](int slot) { overview->cardChanged(slot); });
    showSet();
    overview->setCurrentSlot(view.CurrentSlot().value_or(0));
    const QRect place = OverviewPlacement(overview->sizeHint(), overview->minimumSizeHint().width(),
                                          window->frameGeometry(), window->screen()->availableGeometry());
    overview->resize(place.size());
    overview->move(place.topLeft()); // the frame's corner, as the editor's
    return overview;
}
