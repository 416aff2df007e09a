#include "cardset/CardUndoApply.h"

#include "cardset/CardUndoFiles.h"
#include "common/Exception.h"
#include "common/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>

namespace {

QString changedOutside(const QString& path, bool undoing)
{
    const QString file = QDir::toNativeSeparators(path);
    return undoing
               ? QCoreApplication::translate(
                     "CardUndoApply",
                     "The file %1 was changed outside the editor since; this step can no longer be undone.")
                     .arg(file)
               : QCoreApplication::translate(
                     "CardUndoApply",
                     "The file %1 was changed outside the editor since; this step can no longer be redone.")
                     .arg(file);
}

void putBack(const CardUndoStore& store, const CardUndoFile& file, bool undoing)
{
    const QString& kept = undoing ? file.keptBefore : file.keptAfter;
    if (!kept.isEmpty()) {
        CardUndoFiles::Copy(store.PathOf(kept), RegularFile::Links::Refuse, file.path,
                            undoing ? file.before : file.after);
        return;
    }
    // There was no file before the step.
    const std::optional<QString> existing = FileNames::findExisting(file.path);
    if (existing && !QFile::remove(*existing))
        throw Exception(QCoreApplication::translate("CardUndoApply", "Cannot delete file %1.")
                            .arg(QDir::toNativeSeparators(*existing)));
}

} // namespace

void CardUndoApply::CheckUnchanged(const CardUndoStep& step, bool undoing)
{
    for (const CardUndoFile& file : step.files)
        if (CardUndoFiles::StateOf(file.path) != (undoing ? file.after : file.before))
            throw EUndoStepRefused(changedOutside(file.path, undoing));
}

void CardUndoApply::Apply(const CardUndoStore& store, const CardUndoStep& step, bool undoing)
{
    // Undo goes back through the files last written first.
    std::vector<const CardUndoFile*> order;
    for (const CardUndoFile& file : step.files)
        order.push_back(&file);
    if (undoing)
        std::reverse(order.begin(), order.end());
    std::size_t turned = 0;
    try {
        for (; turned < order.size(); ++turned)
            putBack(store, *order[turned], undoing);
    } catch (...) {
        for (std::size_t i = 0; i < turned; ++i) {
            try {
                putBack(store, *order[i], !undoing);
            } catch (const Exception&) {
                // The error that stopped the step is the one to report.
            }
        }
        throw;
    }
}
