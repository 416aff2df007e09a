#include "cardset/CardUndoHistory.h"

#include "cardset/CardUndoLog.h"
#include "common/Exception.h"
#include "common/FileNames.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr int CoverSlot = 0;

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
    std::unique_ptr<CardUndoStore> store; // this run's kept copies and index
    std::vector<CardUndoStep> done;       // oldest first
    std::vector<CardUndoStep> undone;     // the next to redo last
};

CardUndoHistory::CardUndoHistory(TSetDocument& document, QString cacheRoot, Limits limits, CardUndoRun run)
    : document_(document), root_(std::move(cacheRoot)), limits_(limits), run_(run)
{
    CardUndoRuns::RemoveOldLayout(root_);
    // An ended run that offers no step (it crashed before any, or all were
    // undone) goes now; the others wait for their set or the byte bound.
    for (CardUndoRuns::Ended& ended : CardUndoRuns::Find(root_)) {
        if (CardUndoLog::Read(CardUndoFiles::IndexPath(ended.folder)).done.empty())
            CardUndoRuns::Remove(ended.folder);
        else
            endedRuns_.push_back(std::move(ended));
    }
    // The oldest ended runs go first when the cache is past its bound.
    std::sort(endedRuns_.begin(), endedRuns_.end(),
              [](const auto& a, const auto& b) { return a.run.start < b.run.start; });
    document_.AddObserver(this);
    connect(&document_, &TSetDocument::setOpened, this, &CardUndoHistory::openCurrentSet);
    connect(&document_, &TSetDocument::configChanged, this, &CardUndoHistory::changed);
    openCurrentSet();
}

CardUndoHistory::~CardUndoHistory()
{
    document_.RemoveObserver(this);
    dropPending();
    // What has steps stays for the next run and the tool; the rest goes.
    for (const auto& [key, set] : sets_)
        if (set->done.empty() && set->undone.empty())
            set->store->Discard();
}

void CardUndoHistory::openCurrentSet()
{
    // A cache that cannot be used leaves the set without earlier steps; the
    // first write tries again.
    if (document_.HasSet()) {
        try {
            setFor(CardUndoFiles::SetKey(document_.PastaConjunto()));
        } catch (const Exception& e) {
            qWarning("%s", e.what());
        }
    }
    emit changed();
}

CardUndoHistory::SetHistory& CardUndoHistory::setFor(const QString& key)
{
    const auto found = sets_.find(key);
    if (found != sets_.end())
        return *found->second;
    auto made = std::make_unique<SetHistory>();
    made->store = std::make_unique<CardUndoStore>(CardUndoFiles::SetCacheFolder(root_, key), run_);
    SetHistory& set = *sets_.emplace(key, std::move(made)).first->second;
    takeOverEndedRuns(set, key);
    return set;
}

void CardUndoHistory::takeOverEndedRuns(SetHistory& set, const QString& key)
{
    // This run's own folder may hold the index of an earlier history of the
    // set in this process: it is taken over like an ended run's.
    std::vector<CardUndoStep> steps = CardUndoLog::Read(CardUndoFiles::IndexPath(set.store->Folder())).done;
    const QString setFolder = CardUndoFiles::SetCacheFolder(root_, key);
    for (const CardUndoRuns::Ended& ended : CardUndoRuns::Find(root_, setFolder)) {
        std::unique_ptr<QLockFile> lock = CardUndoRuns::LockEnded(ended.folder);
        if (!lock)
            continue; // another editor takes it over
        std::vector<CardUndoStep> theirs = CardUndoLog::Read(CardUndoFiles::IndexPath(ended.folder)).done;
        set.store->TakeOver(ended.folder);
        std::move(theirs.begin(), theirs.end(), std::back_inserter(steps));
        CardUndoRuns::Remove(ended.folder, std::move(lock));
        std::erase_if(endedRuns_, [&ended](const auto& run) { return run.folder == ended.folder; });
    }
    std::stable_sort(steps.begin(), steps.end(),
                     [](const auto& a, const auto& b) { return a.when < b.when; });
    set.done = stepsStillFitting(set, key, std::move(steps));
    set.store->DropUnnamed();
    enforceLimits(set);
    writeIndex(set);
}

std::vector<CardUndoStep> CardUndoHistory::stepsStillFitting(SetHistory& set, const QString& key,
                                                             std::vector<CardUndoStep> steps) const
{
    // Newest first, each step must find its files as it left them, and the
    // one before it as that one left them, and so on; a step also names
    // only this set's files and copies that are there.
    std::map<QString, CardFileState> expected;
    std::size_t fitting = 0;
    for (auto step = steps.rbegin(); step != steps.rend(); ++step, ++fitting) {
        bool fits = true;
        for (const CardUndoFile& file : step->files) {
            const auto known = expected.find(file.path);
            CardFileState now;
            try {
                now = known != expected.end() ? known->second : CardUndoFiles::StateOf(file.path);
            } catch (const Exception&) {
                fits = false;
            }
            fits = fits && now == file.after &&
                   CardUndoFiles::SetKey(QFileInfo(file.path).absolutePath()) == key &&
                   (file.keptBefore.isEmpty() || QFileInfo(set.store->PathOf(file.keptBefore)).isFile()) &&
                   (file.keptAfter.isEmpty() || QFileInfo(set.store->PathOf(file.keptAfter)).isFile());
        }
        if (!fits)
            break;
        for (const CardUndoFile& file : step->files)
            expected[file.path] = file.before;
    }
    steps.erase(steps.begin(), steps.end() - static_cast<std::ptrdiff_t>(fitting));
    for (const CardUndoStep& step : steps)
        for (const CardUndoFile& file : step.files) {
            if (!file.keptBefore.isEmpty())
                set.store->AddRef(file.keptBefore, file.before.size);
            if (!file.keptAfter.isEmpty())
                set.store->AddRef(file.keptAfter, file.after.size);
        }
    return steps;
}

CardUndoHistory::SetHistory* CardUndoHistory::currentSet() const
{
    if (!document_.HasSet())
        return nullptr;
    const auto found = sets_.find(CardUndoFiles::SetKey(document_.PastaConjunto()));
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
    return document_.HasSet() ? CardUndoFiles::SetCacheFolder(root_, document_.PastaConjunto()) +
                                    QLatin1Char('/') + run_.Name()
                              : QString();
}

// ---- hearing the writes -----------------------------------------------------

void CardUndoHistory::aboutToReplace(const CardFileChange& change)
{
    writing_.reset();
    writingMerges_ = -1;
    writingUnkept_ = false;
    if (!document_.HasSet())
        return;
    const QString key = CardUndoFiles::SetKey(document_.PastaConjunto());
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
                file.keptBefore = setFor(key).store->Keep(*existing, change.part, file.before);
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
        file.keptAfter = set.store->Keep(FileNames::findExisting(change.path).value_or(change.path),
                                         change.part, file.after);
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
        set.store->Release(first.keptAfter);
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
    if (pendingStep_ && !pendingDropped_) {
        // Writing the bytes a file already held (the same text again, a
        // duplicate onto the card's own file) is nothing to undo.
        std::vector<CardUndoFile>& files = pendingStep_->files;
        for (auto file = files.begin(); file != files.end();)
            if (file->changesNothing()) {
                removeKept(*sets_.at(pendingKey_), *file);
                file = files.erase(file);
            } else {
                ++file;
            }
    }
    if (!pendingStep_ || pendingStep_->files.empty() || pendingDropped_) {
        dropPending();
        return;
    }
    SetHistory& set = *sets_.at(pendingKey_);
    CardUndoStep step = *std::exchange(pendingStep_, std::nullopt);
    step.label = labelFor(step);
    step.run = run_.Name();
    step.when = std::max(QDateTime::currentMSecsSinceEpoch(), set.done.empty() ? 0 : set.done.back().when);
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
    while (set.done.size() - dropped > static_cast<std::size_t>(limits_.maxSteps))
        for (const CardUndoFile& file : set.done[dropped++].files)
            removeKept(set, file);
    set.done.erase(set.done.begin(), set.done.begin() + static_cast<std::ptrdiff_t>(dropped));
    // The byte bound holds over every set and run: ended runs' folders go
    // first, oldest first, then this run's oldest steps of any set.
    const auto bytes = [this] {
        qint64 total = 0;
        for (const auto& [key, history] : sets_)
            total += history->store->Bytes();
        for (const CardUndoRuns::Ended& ended : endedRuns_)
            total += ended.bytes;
        return total;
    };
    while (bytes() > limits_.maxBytes && dropOldest()) {
    }
}

bool CardUndoHistory::dropOldest()
{
    if (!endedRuns_.empty()) {
        CardUndoRuns::Remove(endedRuns_.front().folder);
        endedRuns_.erase(endedRuns_.begin());
        return true;
    }
    SetHistory* oldest = nullptr;
    for (const auto& [key, history] : sets_)
        if (!history->done.empty() && (!oldest || history->done.front().when < oldest->done.front().when))
            oldest = history.get();
    if (!oldest)
        return false;
    for (const CardUndoFile& file : oldest->done.front().files)
        removeKept(*oldest, file);
    oldest->done.erase(oldest->done.begin());
    writeIndex(*oldest);
    return true;
}

void CardUndoHistory::removeKept(SetHistory& set, const CardUndoFile& file) const
{
    set.store->Release(file.keptBefore);
    set.store->Release(file.keptAfter);
}

void CardUndoHistory::removeSteps(SetHistory& set, std::vector<CardUndoStep>& steps) const
{
    for (const CardUndoStep& step : steps)
        for (const CardUndoFile& file : step.files)
            removeKept(set, file);
    steps.clear();
}

void CardUndoHistory::writeIndex(const SetHistory& set) const
{
    // The index serves the listing and the next run; a history that cannot
    // write it still undoes.
    try {
        CardUndoLog::Write(CardUndoFiles::IndexPath(set.store->Folder()), {set.done, set.undone});
    } catch (const Exception& e) {
        qWarning("%s", e.what());
    }
}

// ---- undo and redo ------------------------------------------------------------

std::optional<int> CardUndoHistory::Undo()
{
    return takeStep(true);
}

std::optional<int> CardUndoHistory::Redo()
{
    return takeStep(false);
}

std::optional<int> CardUndoHistory::takeStep(bool undoing)
{
    SetHistory* set = currentSet();
    std::vector<CardUndoStep>* from = set ? (undoing ? &set->done : &set->undone) : nullptr;
    if (!from || from->empty())
        return std::nullopt;
    try {
        checkUnchanged(from->back(), undoing);
        apply(*set, from->back(), undoing);
    } catch (const EUndoStepRefused&) {
        // It can never be taken: it goes, and the next one is in reach.
        for (const CardUndoFile& file : from->back().files)
            removeKept(*set, file);
        from->pop_back();
        writeIndex(*set);
        emit changed();
        throw;
    }
    std::vector<CardUndoStep>& to = undoing ? set->undone : set->done;
    to.push_back(std::move(from->back()));
    from->pop_back();
    writeIndex(*set);
    restorePaths(to.back(), undoing);
    emit changed();
    return to.back().slot;
}

void CardUndoHistory::checkUnchanged(const CardUndoStep& step, bool undoing) const
{
    for (const CardUndoFile& file : step.files)
        if (CardUndoFiles::StateOf(file.path) != (undoing ? file.after : file.before))
            throw EUndoStepRefused(changedOutside(file.path, undoing));
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
        CardUndoFiles::Copy(set.store->PathOf(kept), file.path, undoing ? file.before : file.after);
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
