// The undo history index reader on arbitrary bytes: whatever it takes in must
// name slots of the table, copies by hash (never a path) and whole states.

#include "cardset/CardTable.h"
#include "cardset/CardUndoLog.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(const CardUndoStep& step)
{
    if (step.files.empty() || step.slot < 0 || step.slot >= NumSlots || step.label.isEmpty())
        std::abort();
    for (const CardUndoFile& file : step.files) {
        if (file.cardSlots.empty() || file.cardSlots.size() != file.pathsBefore.size())
            std::abort();
        for (const int slot : file.cardSlots)
            if (slot < 0 || slot >= NumSlots)
                std::abort();
        for (const auto& [state, kept] :
             {std::pair{&file.before, &file.keptBefore}, {&file.after, &file.keptAfter}})
            if (state->exists != CardUndoLog::IsKeptName(*kept) || state->size < 0 ||
                (state->exists && state->sha256.size() != 32))
                std::abort();
    }
    CardUndoLog::Describe(step, false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CardUndoLog::History history = CardUndoLog::Parse(bytes);
    for (const auto* steps : {&history.done, &history.undone})
        for (const CardUndoStep& step : *steps)
            check(step);
    return 0;
}
