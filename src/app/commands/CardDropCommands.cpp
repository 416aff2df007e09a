#include "app/commands/CardDropCommands.h"

#include "app/CardDropTarget.h"
#include "app/EditorView.h"
#include "app/overview/SetOverview.h"
#include "images/ui/TDBImage.h"
#include "session/CardDrops.h"
#include "session/EditorSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
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
    return QCoreApplication::translate("CardDropCommands", "Drop");
}

QString DragCardName()
{
    return QCoreApplication::translate("CardDropCommands", "Drag card");
}

} // namespace

CardDropCommands::CardDropCommands(EditorSession& session, EditorView& view, TDBImage* left, TDBImage* right)
    : session_(session), view_(view)
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
    if (!data || !view_.EditingEnabled() || !document.HasSet())
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
    QTimer::singleShot(0, view_.Widget(), [this, slot, dragged, paths] {
        view_.runCommand(dragged >= 0 ? DragCardName() : DropName(), [this, slot, dragged, paths] {
            // A card dropped on becomes the current card, as a click makes it.
            view_.GoToSlot(slot);
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
    if (!view_.EditingEnabled() || !document.HasSet())
        return;
    const CardDrops::DroppedFiles dropped = CardDrops::Classify(paths);
    if (dropped.kind == CardDrops::Kind::None)
        return;
    const std::vector<int> targets = CardDrops::FollowingSlots(document, slot, int(dropped.files.size()));
    if (dropped.files.size() > 1) {
        const QString question =
            CardDrops::FillQuestion(document, dropped.kind, targets, int(dropped.files.size()));
        if (!question.isEmpty() &&
            QMessageBox::question(view_.Widget(), QGuiApplication::applicationDisplayName(), question,
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
    }
    // One card after the other; an error stops the drop at its card, the
    // cards before it keep their new files. The frames follow the writes.
    session_.Edits().DropFiles(targets, dropped.kind == CardDrops::Kind::Pictures, dropped.files,
                               view_.SaveProgress());
}

void CardDropCommands::CopyCard(int from, int to)
{
    if (!view_.EditingEnabled() || !session_.Document().HasSet() || from == to || from < 0 || to < 0 ||
        from >= NumSlots || to >= NumSlots)
        return;
    // As Paste: each part whose file exists, picture first; an error stops there.
    session_.Edits().CopyCard(from, to, view_.SaveProgress());
}

void CardDropCommands::RunDropFiles(int slot, const QStringList& paths)
{
    view_.runCommand(DropName(), [this, slot, paths] { DropFiles(slot, paths); });
}

void CardDropCommands::RunCopyCard(int from, int to)
{
    view_.runCommand(DragCardName(), [this, from, to] { CopyCard(from, to); });
}
