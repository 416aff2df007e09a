#include "cardset/CardUndoHistory.h"

#include "cardset/CardUndoLog.h"
#include "common/Exception.h"
#include "common/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <utility>

namespace {

constexpr int CoverSlot = 0;

QString lockPath(const QString& folder)
{
    return folder + QStringLiteral("/run.lock");
}

// Whether a replacing write of `path` can succeed: the file may be opened for
// writing and its folder takes the new file.
bool replaceable(const QString& path)
{
    return FileNames::replaceBlocker(path) == 0 && QFileInfo(QFileInfo(path).absolutePath()).isWritable();
}

QString slotPhrase(int slot)
{
    return slot == CoverSlot ? QStringLiteral(" on the cover") : QStringLiteral(" on card %1").arg(slot);
}

QString changedOutside(const QString& path, bool undoing)
{
    return QStringLiteral("The file %1 was changed outside the editor since; this step can no longer be %2.")
        .arg(QDir::toNativeSeparators(path), undoing ? QStringLiteral("undone") : QStringLiteral("redone"));
}

} // namespace

struct CardUndoHistory::SetHistory {
    QString folder; // the kept copies and the index
    std::unique_ptr<QLockFile> lock;
    std::vector<CardUndoStep> done;   // oldest first
    std::vector<CardUndoStep> undone; // the next to redo last

    qint64 keptBytes() const
    {
        qint64 total = 0;
        for (const auto* steps : {&done, &undone})
            for (const CardUndoStep& step : *steps)
                total += step.keptBytes();
        return total;
    }
};

CardUndoHistory::CardUndoHistory(TSetDocument& document, QString cacheRoot, Limits limits)
    : document_(document), root_(std::move(cacheRoot)), limits_(limits)
{
    RemoveEarlierRuns(root_);
    document_.AddObserver(this);
    connect(&document_, &TSetDocument::setOpened, this, &CardUndoHistory::changed);
    connect(&document_, &TSetDocument::configChanged, this, &CardUndoHistory::changed);
}

CardUndoHistory::~CardUndoHistory()
{
    document_.RemoveObserver(this);
}

void CardUndoHistory::RemoveEarlierRuns(const QString& root)
{
    const QDir folder(root);
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString setFolder = folder.filePath(name);
        // Only a lock whose process is gone counts as stale, however old.
        QLockFile lock(lockPath(setFolder));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        QDir kept(setFolder);
        for (const QFileInfo& entry :
             kept.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            if (entry.fileName() != QFileInfo(lockPath(setFolder)).fileName())
                entry.isDir() ? QDir(entry.filePath()).removeRecursively() : QFile::remove(entry.filePath());
        lock.unlock();
        folder.rmdir(name);
    }
}

CardUndoHistory::SetHistory& CardUndoHistory::setFor(const QString& key)
{
    std::unique_ptr<SetHistory>& set = sets_[key];
    if (!set) {
        set = std::make_unique<SetHistory>();
        set->folder = CardUndoFiles::SetCacheFolder(root_, key);
    }
    // Another editor starting may remove the folder in the moment before it is
    // locked (it takes it for an earlier run's): it is made again then. A
    // folder another running editor holds is shared without the lock.
    for (int attempt = 0; attempt < 2 && !set->lock; ++attempt) {
        if (!QDir().mkpath(set->folder))
            break;
        auto lock = std::make_unique<QLockFile>(lockPath(set->folder));
        lock->setStaleLockTime(0);
        if (lock->tryLock(0) || lock->error() == QLockFile::LockFailedError)
            set->lock = std::move(lock);
    }
    if (!QFileInfo(set->folder).isDir())
        throw Exception(
            QStringLiteral("Cannot create folder %1.").arg(QDir::toNativeSeparators(set->folder)));
    return *set;
}

CardUndoHistory::SetHistory* CardUndoHistory::currentSet() const
{
    if (!document_.HasSet())
        return nullptr;
    const auto found = sets_.find(CardUndoFiles::SetKey(document_.PastaConjunto));
    return found == sets_.end() ? nullptr : found->second.get();
}

QString CardUndoHistory::UndoLabel() const
{
    const SetHistory* set = currentSet();
    return set && !set->done.empty() ? set->done.back().label : QString();
}

QString CardUndoHistory::RedoLabel() const
{
    const SetHistory* set = currentSet();
    return set && !set->undone.empty() ? set->undone.back().label : QString();
}

int CardUndoHistory::UndoCount() const
{
    const SetHistory* set = currentSet();
    return set ? static_cast<int>(set->done.size()) : 0;
}

int CardUndoHistory::RedoCount() const
{
    const SetHistory* set = currentSet();
    return set ? static_cast<int>(set->undone.size()) : 0;
}

QString CardUndoHistory::CacheFolder() const
{
    return document_.HasSet() ? CardUndoFiles::SetCacheFolder(root_, document_.PastaConjunto) : QString();
}

// ---- hearing the writes -----------------------------------------------------

QString CardUndoHistory::keep(SetHistory& set, const QString& source, TSetDocument::CardPart part,
                              const char* when, CardFileState& state)
{
    const QString name =
        QStringLiteral("%1-%2-%3.%4")
            .arg(QCoreApplication::applicationPid())
            .arg(++keptNumber_)
            .arg(QLatin1String(when),
                 part == TSetDocument::CardPart::Picture ? QStringLiteral("bmp") : QStringLiteral("wav"));
    state = CardUndoFiles::Copy(source, set.folder + QLatin1Char('/') + name);
    return name;
}

void CardUndoHistory::aboutToReplace(const CardFileChange& change)
{
    writing_.reset();
    writingMerges_ = -1;
    writingUnkept_ = false;
    if (!document_.HasSet())
        return;
    const QString key = CardUndoFiles::SetKey(document_.PastaConjunto);
    if (pendingStep_ && pendingKey_ != key)
        pushPending();
    CardUndoFile file{change.part, change.path, change.cardSlots, change.pathsBefore, {}, {}, {}, {}};
    if (pendingStep_) {
        // A file the command wrote already: its step keeps what it held first.
        for (std::size_t i = 0; i < pendingStep_->files.size(); ++i)
            if (pendingStep_->files[i].path.compare(change.path, Qt::CaseInsensitive) == 0)
                writingMerges_ = static_cast<int>(i);
    }
    if (writingMerges_ < 0) {
        const std::optional<QString> existing = FileNames::findExisting(change.path);
        if (existing && FileNames::fileExists(*existing)) {
            // One that alone passes the bound would be dropped at once.
            if (QFileInfo(*existing).size() > limits_.maxBytes) {
                writingUnkept_ = true;
                return;
            }
            // A write that cannot succeed reports its own error, not the keeping's.
            if (!replaceable(*existing))
                return;
            // A cache that cannot be used (full, unwritable) must not keep the
            // user from editing the set: the write goes ahead without a step,
            // and an older step over this file is refused later because the
            // file no longer holds what that step left.
            try {
                file.keptBefore = keep(setFor(key), *existing, change.part, "before", file.before);
            } catch (const Exception&) {
                writingUnkept_ = true;
                return;
            }
        }
    }
    // With no old file nothing is lost: a cache that cannot be used leaves
    // this write without a step rather than stopping it.
    try {
        setFor(key);
    } catch (const Exception&) {
        return;
    }
    pendingKey_ = key;
    writing_ = file;
}

void CardUndoHistory::replaced(const CardFileChange& change)
{
    if (writingUnkept_) {
        // The step cannot be taken back whole: none of the command is kept.
        writingUnkept_ = false;
        pendingDropped_ = inCommand_;
        dropPending();
        return;
    }
    if (!writing_)
        return;
    CardUndoFile file = *std::exchange(writing_, std::nullopt);
    SetHistory& set = *sets_.at(pendingKey_);
    try {
        file.keptAfter = keep(set, FileNames::findExisting(change.path).value_or(change.path), change.part,
                              "after", file.after);
    } catch (const Exception&) {
        // The write is done and cannot be stopped now; it just cannot be undone.
        removeKept(set, file);
        pendingDropped_ = inCommand_;
        dropPending();
        return;
    }
    if (!pendingStep_) {
        pendingStep_.emplace();
        pendingStep_->slot = change.slot;
    }
    if (writingMerges_ >= 0) {
        CardUndoFile& first = pendingStep_->files[static_cast<std::size_t>(writingMerges_)];
        QFile::remove(set.folder + QLatin1Char('/') + first.keptAfter);
        first.keptAfter = file.keptAfter;
        first.after = file.after;
    } else {
        pendingStep_->files.push_back(file);
    }
    if (!inCommand_)
        pushPending();
}

void CardUndoHistory::replaceFailed(const CardFileChange& /*change*/)
{
    if (writing_ && writingMerges_ < 0)
        removeKept(*sets_.at(pendingKey_), *writing_);
    writing_.reset();
    writingUnkept_ = false;
}

void CardUndoHistory::commandBegun(const QString& name)
{
    pushPending();
    inCommand_ = true;
    commandName_ = name;
}

void CardUndoHistory::commandEnded()
{
    inCommand_ = false;
    pushPending();
    commandName_.clear();
    pendingDropped_ = false;
}

QString CardUndoHistory::labelFor(const CardUndoStep& step) const
{
    QString name = commandName_;
    if (name.isEmpty())
        name = step.files.front().part == TSetDocument::CardPart::Picture ? QStringLiteral("Change picture")
                                                                          : QStringLiteral("Change sound");
    return name + slotPhrase(step.slot);
}

void CardUndoHistory::dropPending()
{
    if (pendingStep_ && sets_.count(pendingKey_))
        for (const CardUndoFile& file : pendingStep_->files)
            removeKept(*sets_.at(pendingKey_), file);
    pendingStep_.reset();
}

void CardUndoHistory::pushPending()
{
    if (!pendingStep_ || pendingStep_->files.empty() || pendingDropped_) {
        dropPending();
        return;
    }
    SetHistory& set = *sets_.at(pendingKey_);
    CardUndoStep step = *std::exchange(pendingStep_, std::nullopt);
    step.label = labelFor(step);
    // A new step ends the way back to the steps undone.
    removeSteps(set, set.undone);
    set.done.push_back(std::move(step));
    enforceLimits(set);
    writeIndex(set);
    emit changed();
}

// ---- the kept copies --------------------------------------------------------

void CardUndoHistory::enforceLimits(SetHistory& set)
{
    std::size_t dropped = 0;
    qint64 bytes = set.keptBytes();
    while (dropped < set.done.size() &&
           (set.done.size() - dropped > static_cast<std::size_t>(limits_.maxSteps) ||
            bytes > limits_.maxBytes)) {
        bytes -= set.done[dropped].keptBytes();
        for (const CardUndoFile& file : set.done[dropped].files)
            removeKept(set, file);
        ++dropped;
    }
    set.done.erase(set.done.begin(), set.done.begin() + static_cast<std::ptrdiff_t>(dropped));
}

void CardUndoHistory::removeKept(const SetHistory& set, const CardUndoFile& file) const
{
    for (const QString& name : {file.keptBefore, file.keptAfter})
        if (!name.isEmpty())
            QFile::remove(set.folder + QLatin1Char('/') + name);
}

void CardUndoHistory::removeSteps(const SetHistory& set, std::vector<CardUndoStep>& steps) const
{
    for (const CardUndoStep& step : steps)
        for (const CardUndoFile& file : step.files)
            removeKept(set, file);
    steps.clear();
}

void CardUndoHistory::writeIndex(const SetHistory& set) const
{
    // The index only serves the listing; a history that cannot write it
    // still undoes.
    try {
        CardUndoLog::Write(CardUndoFiles::IndexPath(set.folder), set.done, set.undone);
    } catch (const Exception& e) {
        qWarning("%s", e.what());
    }
}

// ---- undo and redo ------------------------------------------------------------

std::optional<int> CardUndoHistory::Undo()
{
    SetHistory* set = currentSet();
    if (!set || set->done.empty())
        return std::nullopt;
    const CardUndoStep& step = set->done.back();
    checkUnchanged(step, true);
    apply(*set, step, true);
    set->undone.push_back(std::move(set->done.back()));
    set->done.pop_back();
    writeIndex(*set);
    restorePaths(set->undone.back(), true);
    emit changed();
    return set->undone.back().slot;
}

std::optional<int> CardUndoHistory::Redo()
{
    SetHistory* set = currentSet();
    if (!set || set->undone.empty())
        return std::nullopt;
    const CardUndoStep& step = set->undone.back();
    checkUnchanged(step, false);
    apply(*set, step, false);
    set->done.push_back(std::move(set->undone.back()));
    set->undone.pop_back();
    writeIndex(*set);
    restorePaths(set->done.back(), false);
    emit changed();
    return set->done.back().slot;
}

void CardUndoHistory::checkUnchanged(const CardUndoStep& step, bool undoing) const
{
    for (const CardUndoFile& file : step.files)
        if (CardUndoFiles::StateOf(file.path) != (undoing ? file.after : file.before))
            throw Exception(changedOutside(file.path, undoing));
}

void CardUndoHistory::apply(const SetHistory& set, const CardUndoStep& step, bool undoing) const
{
    // Undo goes back through the files last written first; a failure puts
    // back what this step had already turned, so the step stays whole.
    std::vector<const CardUndoFile*> order;
    for (const CardUndoFile& file : step.files)
        order.push_back(&file);
    if (undoing)
        std::reverse(order.begin(), order.end());
    std::size_t turned = 0;
    try {
        for (; turned < order.size(); ++turned)
            putBack(set, *order[turned], undoing);
    } catch (...) {
        for (std::size_t i = 0; i < turned; ++i) {
            try {
                putBack(set, *order[i], !undoing);
            } catch (const Exception&) {
                // The error that stopped the step is the one to report.
            }
        }
        throw;
    }
}

void CardUndoHistory::putBack(const SetHistory& set, const CardUndoFile& file, bool undoing) const
{
    const QString& kept = undoing ? file.keptBefore : file.keptAfter;
    if (!kept.isEmpty()) {
        CardUndoFiles::Copy(set.folder + QLatin1Char('/') + kept, file.path,
                            undoing ? file.before : file.after);
        return;
    }
    // There was no file before the step.
    const std::optional<QString> existing = FileNames::findExisting(file.path);
    if (existing && !QFile::remove(*existing))
        throw Exception(QStringLiteral("Cannot delete file %1.").arg(QDir::toNativeSeparators(*existing)));
}

void CardUndoHistory::restorePaths(const CardUndoStep& step, bool undoing)
{
    for (const CardUndoFile& file : step.files) {
        std::vector<std::pair<int, QString>> paths;
        for (std::size_t i = 0; i < file.cardSlots.size(); ++i)
            paths.emplace_back(file.cardSlots[i], undoing ? file.pathsBefore[i] : file.path);
        document_.RestoreCardPaths(file.part, paths);
    }
}
