// The set overview beside the editor, Paste picture's menu entry, and drops
// on the cards: picture and sound files, and cards dragged from the overview.
// Every card file is written through the document, as the commands write them.

#include "app/CardDropTarget.h"
#include "app/CardDrops.h"
#include "app/EditorSession.h"
#include "app/OverviewPlacement.h"
#include "app/TfrmConfigurador.h"
#include "app/overview/SetOverview.h"
#include "audio/TMMWave.h"
#include "cardset/CardCommand.h"
#include "cardset/SetConfig.h"
#include "common/FileNames.h"
#include "common/ui/ErrorMessage.h"
#include "game/GameCards.h"
#include "images/TBitmap.h"
#include "images/ui/TDBImage.h"

#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
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

void TfrmConfigurador::createOverviewAndDrops()
{
    mnPastePicture = new QAction(QStringLiteral("Paste picture"), mnEditar);
    mnPastePicture->setObjectName(QStringLiteral("mnPastePicture"));
    mnPastePicture->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    mnEditar->insertAction(N2, mnPastePicture);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { updateActions(); });

    mnView = new QMenu(QStringLiteral("View"), mnConfig);
    mnView->setObjectName(QStringLiteral("mnView"));
    mnSetOverview = mnView->addAction(QStringLiteral("Set overview"));
    mnSetOverview->setObjectName(QStringLiteral("mnSetOverview"));
    mnSetOverview->setShortcut(QKeySequence(Qt::Key_F2));
    mnConfig->insertMenu(mnAjuda->menuAction(), mnView);

    for (TDBImage* frame : {DBImage1, DBImage2}) {
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

void TfrmConfigurador::addOverviewCommands()
{
    commands_.add({QStringLiteral("paste-picture"), mnPastePicture, nullptr, mnPastePicture->shortcuts(),
                   QStringLiteral("Paste picture"),
                   [](const CommandState& s) { return s.editing && s.clipboardPicture; },
                   [this] { mnPastePictureClick(); }});
    commands_.add({QStringLiteral("overview"), mnSetOverview, nullptr, mnSetOverview->shortcuts(), QString(),
                   Always, [this] { mnSetOverviewClick(); }});
}

bool TfrmConfigurador::AcceptsDrop(const QMimeData* data) const
{
    if (!data || !editingEnabled_ || !document_.HasSet())
        return false;
    if (data->hasFormat(SetOverview::CardMimeType())) {
        const auto card = SetOverview::DraggedCardOf(data);
        return card && card->folder == QDir::cleanPath(document_.PastaConjunto());
    }
    return data->hasUrls() && CardDrops::Classify(localFiles(data)).kind != CardDrops::Kind::None;
}

void TfrmConfigurador::dropOnFrame(TDBImage* frame, const QDropEvent& event)
{
    const int slot = frame->Tag();
    const auto card = SetOverview::DraggedCardOf(event.mimeData());
    const int dragged = card ? card->slot : -1;
    const QStringList paths = localFiles(event.mimeData());
    // The work (and any question or error box) waits until the drag is over,
    // so that the program the files came from is not kept waiting.
    QTimer::singleShot(0, this, [this, slot, dragged, paths] {
        runCommand(dragged >= 0 ? DragCardName() : DropName(), [this, slot, dragged, paths] {
            // A card dropped on becomes the current card, as a click makes it.
            GoToSlot(slot);
            if (dragged >= 0)
                CopyCard(dragged, slot);
            else
                DropFiles(slot, paths);
        });
    });
}

void TfrmConfigurador::DropFiles(int slot, const QStringList& paths)
{
    // The set may have gone while the drop waited.
    if (!editingEnabled_ || !document_.HasSet())
        return;
    const CardDrops::DroppedFiles dropped = CardDrops::Classify(paths);
    if (dropped.kind == CardDrops::Kind::None)
        return;
    const std::vector<int> targets = CardDrops::FollowingSlots(document_, slot, int(dropped.files.size()));
    if (dropped.files.size() > 1) {
        const QString question =
            CardDrops::FillQuestion(document_, dropped.kind, targets, int(dropped.files.size()));
        if (!question.isEmpty() &&
            QMessageBox::question(this, QGuiApplication::applicationDisplayName(), question,
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
    }
    // One card after the other; an error stops the drop at its card, the
    // cards before it keep their new files. The frames follow the writes.
    session_.Edits().DropFiles(targets, dropped.kind == CardDrops::Kind::Pictures, dropped.files,
                               SaveProgress());
}

void TfrmConfigurador::CopyCard(int from, int to)
{
    if (!editingEnabled_ || !document_.HasSet() || from == to || from < 0 || to < 0 || from >= NumSlots ||
        to >= NumSlots)
        return;
    // As Paste: each part whose file exists, picture first; an error stops there.
    session_.Edits().CopyCard(from, to, SaveProgress());
}

void TfrmConfigurador::mnSetOverviewClick()
{
    if (!overview_) {
        overview_ = new SetOverview(this, &session_.Pictures());
        overview_->setObjectName(QStringLiteral("SetOverview"));
        overview_->setDropFilter([this](const QMimeData* data) { return AcceptsDrop(data); });
        connect(overview_, &SetOverview::slotActivated, this,
                [this](int slot) { runCommand({}, [this, slot] { GoToSlot(slot); }); });
        // Queued: the drop is over before the cards are written.
        connect(
            overview_, &SetOverview::filesDropped, this,
            [this](int slot, const QStringList& paths) {
                runCommand(DropName(), [this, slot, paths] { DropFiles(slot, paths); });
            },
            Qt::QueuedConnection);
        connect(
            overview_, &SetOverview::cardDragged, this,
            [this](int from, int to) {
                runCommand(DragCardName(), [this, from, to] { CopyCard(from, to); });
            },
            Qt::QueuedConnection);
        connect(&document_, &TSetDocument::setOpened, overview_, [this] { showSetInOverview(); });
        connect(&document_, &TSetDocument::configChanged, overview_, [this] { showSetInOverview(); });
        connect(&document_, &TSetDocument::cardFileWritten, overview_,
                [this](int slot) { overview_->cardChanged(slot); });
        connect(this, &TfrmConfigurador::currentSlotChanged, overview_, &SetOverview::setCurrentSlot);
        showSetInOverview();
        overview_->setCurrentSlot(CurrentSlot().value_or(0));
        const QRect place = OverviewPlacement(overview_->sizeHint(), overview_->minimumSizeHint().width(),
                                              frameGeometry(), screen()->availableGeometry());
        overview_->resize(place.size());
        overview_->move(place.topLeft()); // the frame's corner, as the editor's
    }
    overview_->show();
    overview_->raise();
    overview_->activateWindow();
}

void TfrmConfigurador::showSetInOverview()
{
    // The set as the game reads it too: one rule for folder, author and kind.
    overview_->setSet(GameSetOf(document_));
}
