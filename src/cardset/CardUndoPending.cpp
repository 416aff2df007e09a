#include "cardset/CardUndoPending.h"

#include "common/Exception.h"
#include "common/FileNames.h"

#include <QDateTime>
#include <QFileInfo>
#include <algorithm>
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

// A write outside any named command is named after what it changed.
QString defaultName(TSetDocument::CardPart part)
{
    switch (part) {
    case TSetDocument::CardPart::Picture:
        return QStringLiteral("Change picture");
    case TSetDocument::CardPart::Sound:
        return QStringLiteral("Change sound");
    case TSetDocument::CardPart::Name:
        break;
    }
    return QStringLiteral("Change name");
}

} // namespace

bool CardUndoPending::AboutToReplace(const CardFileChange& change, const QString& key)
{
    writing_.reset();
    writingMerges_ = -1;
    writingUnkept_ = false;
    if (key.isEmpty())
        return false;
    const bool pushed = step_ && key_ != key && push();
    CardUndoFile file{change.part, change.path, change.cardSlots, change.pathsBefore, {}, {}, {}, {}};
    if (step_) {
        // A file the command wrote already: its step keeps what it held first.
        for (std::size_t i = 0; i < step_->files.size(); ++i)
            if (step_->files[i].path.compare(change.path, Qt::CaseInsensitive) == 0)
                writingMerges_ = static_cast<int>(i);
    }
    if (writingMerges_ < 0) {
        const std::optional<QString> existing = FileNames::findExisting(change.path);
        if (existing && FileNames::fileExists(*existing)) {
            // One that alone passes the bound would be dropped at once.
            if (QFileInfo(*existing).size() > sets_.Limits().maxBytes) {
                writingUnkept_ = true;
                return pushed;
            }
            // A write that cannot succeed reports its own error, not the keeping's.
            if (!replaceable(*existing))
                return pushed;
            // A cache that cannot be used (full, unwritable) must not keep the
            // user from editing the set: the write goes ahead without a step,
            // and an older step over this file is refused later because the
            // file no longer holds what that step left.
            try {
                file.keptBefore = sets_.For(key).store->Keep(*existing, change.part, file.before);
            } catch (const Exception&) {
                writingUnkept_ = true;
                return pushed;
            }
        }
    }
    // With no old file nothing is lost: a cache that cannot be used leaves
    // this write without a step rather than stopping it.
    try {
        sets_.For(key);
    } catch (const Exception&) {
        return pushed;
    }
    key_ = key;
    writing_ = file;
    return pushed;
}

bool CardUndoPending::Replaced(const CardFileChange& change)
{
    if (writingUnkept_) {
        // The step cannot be taken back whole: none of the command is kept.
        writingUnkept_ = false;
        dropped_ = inCommand_;
        Drop();
        return false;
    }
    if (!writing_)
        return false;
    CardUndoFile file = *std::exchange(writing_, std::nullopt);
    CardUndoSets::Set& set = sets_.For(key_);
    try {
        const std::optional<QString> written = FileNames::findExisting(change.path);
        // Taking the last card name away removes the names file: the step
        // then leaves no file, as a step onto an empty card found none.
        if (written || change.part != TSetDocument::CardPart::Name)
            file.keptAfter = set.store->Keep(written.value_or(change.path), change.part, file.after);
    } catch (const Exception&) {
        // The write is done and cannot be stopped now; it just cannot be undone.
        sets_.Release(set, file);
        dropped_ = inCommand_;
        Drop();
        return false;
    }
    if (!step_) {
        step_.emplace();
        step_->slot = change.slot;
    }
    if (writingMerges_ >= 0) {
        CardUndoFile& first = step_->files[static_cast<std::size_t>(writingMerges_)];
        set.store->Release(first.keptAfter);
        first.keptAfter = file.keptAfter;
        first.after = file.after;
    } else {
        step_->files.push_back(file);
    }
    return !inCommand_ && push();
}

void CardUndoPending::ReplaceFailed()
{
    if (writing_ && writingMerges_ < 0)
        if (CardUndoSets::Set* set = sets_.Find(key_))
            sets_.Release(*set, *writing_);
    writing_.reset();
    writingUnkept_ = false;
}

bool CardUndoPending::CommandBegun(const QString& name)
{
    const bool pushed = push();
    inCommand_ = true;
    commandName_ = name;
    return pushed;
}

bool CardUndoPending::CommandEnded()
{
    inCommand_ = false;
    const bool pushed = push();
    commandName_.clear();
    dropped_ = false;
    return pushed;
}

QString CardUndoPending::labelFor(const CardUndoStep& step) const
{
    QString name = commandName_;
    if (name.isEmpty())
        name = defaultName(step.files.front().part);
    return name + slotPhrase(step.slot);
}

void CardUndoPending::Drop()
{
    if (step_)
        if (CardUndoSets::Set* set = sets_.Find(key_))
            for (const CardUndoFile& file : step_->files)
                sets_.Release(*set, file);
    step_.reset();
}

bool CardUndoPending::push()
{
    if (step_ && !dropped_) {
        // Writing the bytes a file already held (the same text again, a
        // duplicate onto the card's own file) is nothing to undo.
        std::vector<CardUndoFile>& files = step_->files;
        for (auto file = files.begin(); file != files.end();)
            if (file->changesNothing()) {
                sets_.Release(*sets_.Find(key_), *file);
                file = files.erase(file);
            } else {
                ++file;
            }
    }
    if (!step_ || step_->files.empty() || dropped_) {
        Drop();
        return false;
    }
    CardUndoSets::Set& set = *sets_.Find(key_);
    CardUndoStep step = *std::exchange(step_, std::nullopt);
    step.label = labelFor(step);
    step.run = sets_.Run().Name();
    step.when = std::max(QDateTime::currentMSecsSinceEpoch(), set.done.empty() ? 0 : set.done.back().when);
    sets_.Push(set, std::move(step));
    return true;
}
