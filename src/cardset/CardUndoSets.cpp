#include "cardset/CardUndoSets.h"

#include "cardset/CardUndoFiles.h"
#include "cardset/CardUndoLog.h"
#include "common/Exception.h"

#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <iterator>
#include <utility>

CardUndoSets::CardUndoSets(QString root, CardUndoLimits limits, CardUndoRun run)
    : root_(std::move(root)), limits_(limits), run_(run)
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
}

CardUndoSets::~CardUndoSets()
{
    for (const auto& [key, set] : sets_)
        if (set->done.empty() && set->undone.empty())
            set->store->Discard();
}

CardUndoSets::Set& CardUndoSets::For(const QString& key)
{
    const auto found = sets_.find(key);
    if (found != sets_.end())
        return *found->second;
    auto made = std::make_unique<Set>();
    made->store = std::make_unique<CardUndoStore>(CardUndoFiles::SetCacheFolder(root_, key), run_);
    Set& set = *sets_.emplace(key, std::move(made)).first->second;
    takeOverEndedRuns(set, key);
    return set;
}

CardUndoSets::Set* CardUndoSets::Find(const QString& key) const
{
    const auto found = sets_.find(key);
    return found == sets_.end() ? nullptr : found->second.get();
}

void CardUndoSets::takeOverEndedRuns(Set& set, const QString& key)
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
    WriteIndex(set);
}

std::vector<CardUndoStep> CardUndoSets::stepsStillFitting(Set& set, const QString& key,
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

void CardUndoSets::Push(Set& set, CardUndoStep step)
{
    removeSteps(set, set.undone);
    set.done.push_back(std::move(step));
    enforceLimits(set);
    WriteIndex(set);
}

void CardUndoSets::enforceLimits(Set& set)
{
    std::size_t dropped = 0;
    while (set.done.size() - dropped > static_cast<std::size_t>(limits_.maxSteps))
        for (const CardUndoFile& file : set.done[dropped++].files)
            Release(set, file);
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

bool CardUndoSets::dropOldest()
{
    if (!endedRuns_.empty()) {
        CardUndoRuns::Remove(endedRuns_.front().folder);
        endedRuns_.erase(endedRuns_.begin());
        return true;
    }
    Set* oldest = nullptr;
    for (const auto& [key, history] : sets_)
        if (!history->done.empty() && (!oldest || history->done.front().when < oldest->done.front().when))
            oldest = history.get();
    if (!oldest)
        return false;
    for (const CardUndoFile& file : oldest->done.front().files)
        Release(*oldest, file);
    oldest->done.erase(oldest->done.begin());
    WriteIndex(*oldest);
    return true;
}

void CardUndoSets::Release(Set& set, const CardUndoFile& file) const
{
    set.store->Release(file.keptBefore);
    set.store->Release(file.keptAfter);
}

void CardUndoSets::removeSteps(Set& set, std::vector<CardUndoStep>& steps) const
{
    for (const CardUndoStep& step : steps)
        for (const CardUndoFile& file : step.files)
            Release(set, file);
    steps.clear();
}

void CardUndoSets::WriteIndex(const Set& set) const
{
    // The index serves the listing and the next run; a history that cannot
    // write it still undoes.
    try {
        CardUndoLog::Write(CardUndoFiles::IndexPath(set.store->Folder()), {set.done, set.undone});
    } catch (const Exception& e) {
        qWarning("%s", e.what());
    }
}
