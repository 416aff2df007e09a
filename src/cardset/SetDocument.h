#pragma once

#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class CardFileObserver;
class ScanView;

// The current set as one document: the folder of all sets, the set's folder,
// its "Set.cfg" record and its 41 card slots, with the one rule for the kind
// of set and the rules that name a slot's files. Commands and dialogs read
// and change the set through it; it tells whoever listens (the editor window,
// views of the whole set, an undo history) what changed. It never shows
// anything and never asks the user.
//
// What it holds is read under the names the editor has always used and
// changed only through its methods, which tell the listeners. The editor's
// session owns the one document of a run; nothing reaches it but through
// whoever was handed it.
class TSetDocument : public QObject {
    Q_OBJECT

  public:
    // A card's name is kept in the set's one names file, which Undo takes
    // back like a card's picture or sound.
    enum class CardPart { Picture, Sound, Name };
    Q_ENUM(CardPart)

    explicit TSetDocument(QObject* parent = nullptr);
    ~TSetDocument() override;

    // ---- what it holds ---------------------------------------------------
    // The program folder + "Ed/"; the set's folder, ending with "/" while a
    // set is current; the set's "Set.cfg" record; the 41 slots, 0 the cover.
    const QString& PastaBase() const { return pastaBase_; }
    const QString& PastaConjunto() const { return pastaConjunto_; }
    // The set's folder in the form every other reader of the set takes
    // (SetFolderForm); empty while no set is current.
    QString SetFolder() const;
    const TConfigConjunto& ConfigConjunto() const { return configConjunto_; }
    const TConjunto& Conjunto() const { return conjunto_; }

    // The folder that holds all sets. Nothing shows it, so nothing is emitted.
    void SetPastaBase(const QString& folder);
    // The folder becomes the current set's (empty: no set is current); the
    // record and the table stay. configChanged when the folder changed.
    void SetPastaConjunto(const QString& folder);
    // The record becomes current in memory as given; nothing is written.
    // configChanged.
    void SetConfigConjunto(const TConfigConjunto& config);

    // ---- rules -------------------------------------------------------------
    // A set folder is current (New, Open or Import named one).
    bool HasSet() const { return !pastaConjunto_.isEmpty(); }
    // Double when Duplo is not 0: the one rule for paths, scan and editor.
    bool IsDoubleSet() const;
    int NumeroArquivo(int slot) const;
    QString CaminhoImagem(int slot) const;
    QString CaminhoSom(int slot) const;
    QString CaminhoArquivo(int slot, CardPart part) const;
    // The other card whose files are `slot`'s (paired sets only).
    std::optional<int> SlotSharingFiles(int slot) const;
    // The slots that record the file of `slot`: the slot, then its partner.
    std::vector<int> SlotsOfFile(int slot) const;
    // The path recorded in the slot (Imagem or Som), empty when none is known;
    // for a name, always the names file, which no slot records.
    QString RecordedPath(int slot, CardPart part) const;

    // ---- the set as a whole -------------------------------------------------
    void LimpaConjunto();
    // New set and Import: the chosen folder and the values given become
    // current in memory (the author stored by the "Set.cfg" rule). configChanged.
    void ChooseSet(const QString& folder, const QString& author, uint8_t duplo);
    // Open set: the folder becomes current with its "Set.cfg" read (created
    // when missing). When that fails the previous folder and record stay
    // current, nothing is emitted and the error goes on. configChanged.
    void OpenFolder(const QString& folder);
    // Properties: the values become current and, while a set is current, are
    // written to its "Set.cfg" (an error goes on after they took effect).
    void ApplyProperties(const QString& author, bool duplo);
    // How many cards would show another picture file were the set of the
    // kind `duplo`: those whose file name changes, where either file exists.
    int CardsChangingPicture(bool duplo) const;
    void CarregaConfig(const QString& folder); // fills ConfigConjunto; raises EInOutError
    void SalvaConfig() const;                  // writes ConfigConjunto; raises EInOutError

    // An empty table for the new set just made current. setOpened.
    void StartEmptySet();
    // Clears the table and scans the set's folder into it (appending "/" to
    // PastaConjunto first). True when no picture was missing. setOpened.
    bool LoadSet(ScanView& view);
    // Scans the current set's folder again (after its kind changed). setOpened.
    bool ReloadSet(ScanView& view);

    // ---- card files ----------------------------------------------------------
    // The one way a card's picture or sound file is written. The path comes
    // from the naming rule; `write` writes it (and may raise). Only after it
    // succeeded is the path recorded in the slot and the slot sharing the
    // file, and cardFileWritten emitted once for each of them. Observers hear
    // of it before the write, after it, or of its failure (see
    // CardFileObserver). A failed write records and emits nothing and its
    // error goes on.
    void ReplaceCardFile(int slot, CardPart part, const std::function<void(const QString& path)>& write);
    // Records `path` in the slot and the slot sharing its file; emits nothing.
    void RecordCardPath(int slot, CardPart part, const QString& path);
    // Puts back recorded paths of a file that was restored by other means
    // (undo, redo) and emits cardFileWritten for each slot.
    void RestoreCardPaths(CardPart part, const std::vector<std::pair<int, QString>>& paths);

    void AddObserver(CardFileObserver* observer);
    void RemoveObserver(CardFileObserver* observer);

    // The card file writes between BeginCommand and EndCommand belong to one
    // user command, named as the user knows it ("Paste"), so that an undo
    // history takes them back together. Observers hear where the outermost
    // command begins and ends; a nested one joins it. Use CardCommand.
    void BeginCommand(const QString& name);
    void EndCommand();

  signals:
    // A card's file was written and `path` recorded in `slot`; once per slot
    // that records it (in a paired set the written card, then its partner).
    void cardFileWritten(int slot, TSetDocument::CardPart part, const QString& path);
    // New, Open or Import made a set current with its table filled.
    void setOpened();
    // The set's author or kind changed in memory.
    void configChanged();

  private:
    QString pastaBase_;
    QString pastaConjunto_;
    TConfigConjunto configConjunto_;
    TConjunto conjunto_;
    std::vector<CardFileObserver*> observers_;
    int commandDepth_ = 0;
};
