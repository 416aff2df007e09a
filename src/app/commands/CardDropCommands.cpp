#include "app/commands/CardDropCommands.h"

#include "app/CardDropTarget.h"
#include "app/CardDrops.h"
#include "app/EditorSession.h"
#include "app/OverviewPlacement.h"
#include "app/TfrmConfigurador.h"
#include "app/overview/SetOverview.h"
#include "images/ui/TDBImage.h"
#include "pictures/SetView.h"

#include <QDir>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTimer>

namespace {

QStringList localFiles(const QMimeData* data)
{
    QStringList paths;
    for (const QUrl& url : data->urls())
        paths << (url.isLocalFile() ? url.toLocalFile() : QString());
    return paths;
}

// How Undo names the drops.
QString DropName()
{
    return QStringLiteral("Drop");
}

QString DragCardName()
{
    return QStringLiteral("Drag card");
}

} // namespace

CardDropCommands::CardDropCommands(EditorSession& session, TfrmConfigurador& window, TDBImage* left,
                                   TDBImage* right)
    : session_(session), window_(window)
{
    for (TDBImage* frame : {left, right}) {
        new CardDropTarget(
            frame,
            [this, frame](const QDropEvent& e) {
                const auto card = SetOverview::DraggedCardOf(e.mimeData());
                return frame->Tag() >= 0 && (!card || card->slot != frame->Tag()) &&
                       AcceptsDrop(e.mimeData());
            },
            [this, frame](const QDropEvent& e) { dropOnFrame(frame, e); });
    }
}

bool CardDropCommands::AcceptsDrop(const QMimeData* data) const
{
    const TSetDocument& document = session_.Document();
    if (!data || !window_.EditingEnabled() || !document.HasSet())
        return false;
    if (data->hasFormat(SetOverview::CardMimeType())) {
        const auto card = SetOverview::DraggedCardOf(data);
        return card && card->folder == document.SetFolder();
    }
    return data->hasUrls() && CardDrops::Classify(localFiles(data)).kind != CardDrops::Kind::None;
}

void CardDropCommands::dropOnFrame(const TDBImage* frame, const QDropEvent& event)
{
    const int slot = frame->Tag();
    const auto card = SetOverview::DraggedCardOf(event.mimeData());
    const int dragged = card ? card->slot : -1;
    const QStringList paths = localFiles(event.mimeData());
    // The work (and any question or error box) waits until the drag is over,
    // so that the program the files came from is not kept waiting.
    QTimer::singleShot(0, &window_, [this, slot, dragged, paths] {
        window_.runCommand(dragged >= 0 ? DragCardName() : DropName(), [this, slot, dragged, paths] {
            // A card dropped on becomes the current card, as a click makes it.
            window_.GoToSlot(slot);
            if (dragged >= 0)
                CopyCard(dragged, slot);
            else
                DropFiles(slot, paths);
        });
    });
}

void CardDropCommands::DropFiles(int slot, const QStringList& paths)
{
    const TSetDocument& document = session_.Document();
    // The set may have gone while the drop waited.
    if (!window_.EditingEnabled() || !document.HasSet())
        return;
    const CardDrops::DroppedFiles dropped = CardDrops::Classify(paths);
    if (dropped.kind == CardDrops::Kind::None)
        return;
    const std::vector<int> targets = CardDrops::FollowingSlots(document, slot, int(dropped.files.size()));
    if (dropped.files.size() > 1) {
        const QString question =
            CardDrops::FillQuestion(document, dropped.kind, targets, int(dropped.files.size()));
        if (!question.isEmpty() &&
            QMessageBox::question(&window_, QGuiApplication::applicationDisplayName(), question,
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
    }
    // One card after the other; an error stops the drop at its card, the
    // cards before it keep their new files. The frames follow the writes.
    session_.Edits().DropFiles(targets, dropped.kind == CardDrops::Kind::Pictures, dropped.files,
                               window_.SaveProgress());
}

void CardDropCommands::CopyCard(int from, int to)
{
    if (!window_.EditingEnabled() || !session_.Document().HasSet() || from == to || from < 0 || to < 0 ||
        from >= NumSlots || to >= NumSlots)
        return;
    // As Paste: each part whose file exists, picture first; an error stops there.
    session_.Edits().CopyCard(from, to, window_.SaveProgress());
}

void CardDropCommands::ShowOverview()
{
    if (!overview_)
        createOverview();
    overview_->show();
    overview_->raise();
    overview_->activateWindow();
}

void CardDropCommands::createOverview()
{
    overview_ = new SetOverview(&window_, &session_.Pictures());
    overview_->setObjectName(QStringLiteral("SetOverview"));
    overview_->setDropFilter([this](const QMimeData* data) { return AcceptsDrop(data); });
    const auto later = Qt::QueuedConnection; // the drop is over before the cards are written
    QObject::connect(overview_, &SetOverview::slotActivated, &window_,
                     [this](int slot) { window_.runCommand({}, [this, slot] { window_.GoToSlot(slot); }); });
    QObject::connect(
        overview_, &SetOverview::filesDropped, &window_,
        [this](int slot, const QStringList& paths) {
            window_.runCommand(DropName(), [this, slot, paths] { DropFiles(slot, paths); });
        },
        later);
    QObject::connect(
        overview_, &SetOverview::cardDragged, &window_,
        [this](int from, int to) {
            window_.runCommand(DragCardName(), [this, from, to] { CopyCard(from, to); });
        },
        later);
    const TSetDocument* document = &session_.Document();
    QObject::connect(document, &TSetDocument::setOpened, overview_, [this] { showSetInOverview(); });
    QObject::connect(document, &TSetDocument::configChanged, overview_, [this] { showSetInOverview(); });
    QObject::connect(document, &TSetDocument::cardFileWritten, overview_,
                     [this](int slot) { overview_->cardChanged(slot); });
    QObject::connect(&window_, &TfrmConfigurador::currentSlotChanged, overview_,
                     &SetOverview::setCurrentSlot);
    showSetInOverview();
    overview_->setCurrentSlot(window_.CurrentSlot().value_or(0));
    const QRect place = OverviewPlacement(overview_->sizeHint(), overview_->minimumSizeHint().width(),
                                          window_.frameGeometry(), window_.screen()->availableGeometry());
    overview_->resize(place.size());
    overview_->move(place.topLeft()); // the frame's corner, as the editor's
}

void CardDropCommands::showSetInOverview()
{
    // The set as the game reads it too: one rule for folder, author and kind.
    overview_->setSet(SetView::of(session_.Document()));
}
