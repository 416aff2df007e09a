#include "session/EditorSession.h"

#include "cardset/CardUndoHistory.h"
#include "session/LanguageChoice.h"

EditorSession::EditorSession(CardUndoRun run)
    : undoHistory_(std::make_unique<CardUndoHistory>(document_, CardUndoFiles::CacheRoot(),
                                                     CardUndoHistory::Limits(), run)),
      language_(RememberedLanguage())
{
}

// The history stops observing the document before the document goes.
EditorSession::~EditorSession()
{
    undoHistory_.reset();
}

void EditorSession::SetCopy(const QString& picture, const QString& sound)
{
    copied_.Imagem = picture;
    copied_.Som = sound;
    hasCopy_ = true;
}
