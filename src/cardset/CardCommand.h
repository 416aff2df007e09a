#pragma once

#include "cardset/SetDocument.h"

#include <QString>

// Marks the card file writes made while it lives as one user command named
// `name` ("Paste"), however the command ends (see TSetDocument::BeginCommand).
class CardCommand {
  public:
    CardCommand(TSetDocument& document, const QString& name) : document_(document)
    {
        document_.BeginCommand(name);
    }
    ~CardCommand() { document_.EndCommand(); }
    CardCommand(const CardCommand&) = delete;
    CardCommand& operator=(const CardCommand&) = delete;

  private:
    TSetDocument& document_;
};
