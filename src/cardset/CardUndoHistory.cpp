#include "cardset/CardUndoHistory.h"

#include "cardset/CardUndoApply.h"
#include "common/Exception.h"

#include <utility>

CardUndoHistory::CardUndoHistory(TSetDocument& document, QString cacheRoot, Limits limits, CardUndoRun run)
    : document_(document), sets_(std::move(cacheRoot), limits, run)
{
    document_.AddObserver(this);
    connect(&document_, &TSetDocument::setOpened, this, &CardUndoHistory::openCurrentSet);
    connect(&document_, &TSetDocument::configChanged, this, &CardUndoHistory::changed);
    openCurrentSet();
}

CardUndoHistory::~CardUndoHistory()
{
    document_.RemoveObserver(this);
    pending_.Drop();
}

void CardUndoHistory::openCurrentSet()
{
    // A cache that cannot be used leaves the set without earlier steps; the
    // first write tries again.
    if (document_.HasSet()) {
        try {
            sets_.For(currentKey());
        } catch (const Exception& e) {
            qWarning("%s", e.what());
        }
    }
    emit changed();
}

QString CardUndoHistory::currentKey() const
{
    return document_.HasSet() ? CardUndoFiles::SetKey(document_.PastaConjunto()) : QString();
}

CardUndoSets::Set* CardUndoHistory::currentSet() const
{
    return document_.HasSet() ? sets_.Find(currentKey()) : nullptr;
}

QString CardUndoHistory::UndoLabel() const
{
    const CardUndoSets::Set* set = currentSet();
    return set && !set->done.empty() ? set->done.back().label : QString();
}

QString CardUndoHistory::RedoLabel() const
{
    const CardUndoSets::Set* set = currentSet();
    return set && !set->undone.empty() ? set->undone.back().label : QString();
}

int CardUndoHistory::UndoCount() const
{
    const CardUndoSets::Set* set = currentSet();
    return set ? static_cast<int>(set->done.size()) : 0;
}

int CardUndoHistory::RedoCount() const
{
    const CardUndoSets::Set* set = currentSet();
    return set ? static_cast<int>(set->undone.size()) : 0;
}

QString CardUndoHistory::CacheFolder() const
{
    return document_.HasSet() ? CardUndoFiles::SetCacheFolder(sets_.Root(), document_.PastaConjunto()) +
                                    QLatin1Char('/') + sets_.Run().Name()
                              : QString();
}

// ---- hearing the writes -----------------------------------------------------

void CardUndoHistory::aboutToReplace(const CardFileChange& change)
{
    if (pending_.AboutToReplace(change, currentKey()))
        emit changed();
}

void CardUndoHistory::replaced(const CardFileChange& change)
{
    if (pending_.Replaced(change))
        emit changed();
}

void CardUndoHistory::replaceFailed(const CardFileChange& /*change*/)
{
    pending_.ReplaceFailed();
}

void CardUndoHistory::commandBegun(const QString& name)
{
    if (pending_.CommandBegun(name))
        emit changed();
}

void CardUndoHistory::commandEnded()
{
    if (pending_.CommandEnded())
        emit changed();
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
    CardUndoSets::Set* set = currentSet();
    std::vector<CardUndoStep>* from = set ? (undoing ? &set->done : &set->undone) : nullptr;
    if (!from || from->empty())
        return std::nullopt;
    try {
        CardUndoApply::CheckUnchanged(from->back(), undoing);
        CardUndoApply::Apply(*set->store, from->back(), undoing);
    } catch (const EUndoStepRefused&) {
        // It can never be taken: it goes, and the next one is in reach.
        for (const CardUndoFile& file : from->back().files)
            sets_.Release(*set, file);
        from->pop_back();
        sets_.WriteIndex(*set);
        emit changed();
        throw;
    }
    std::vector<CardUndoStep>& to = undoing ? set->undone : set->done;
    to.push_back(std::move(from->back()));
    from->pop_back();
    sets_.WriteIndex(*set);
    restorePaths(to.back(), undoing);
    emit changed();
    return to.back().slot;
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
