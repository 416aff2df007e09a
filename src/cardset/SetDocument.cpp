#include "cardset/SetDocument.h"

#include "cardset/CardFileObserver.h"
#include "cardset/CardNames.h"
#include "cardset/EInOutError.h"
#include "cardset/SetScan.h"
#include "common/FileNames.h"

#include <algorithm>

namespace {

constexpr int AutorLengthOffset = 0;

} // namespace

TSetDocument::TSetDocument(QObject* parent) : QObject(parent), configConjunto_{}
{
    ::LimpaConjunto(conjunto_);
}

TSetDocument::~TSetDocument() = default;

bool TSetDocument::IsDoubleSet() const
{
    return ::IsDoubleSet(configConjunto_);
}

int TSetDocument::NumeroArquivo(int slot) const
{
    return ::NumeroArquivo(slot, IsDoubleSet());
}

QString TSetDocument::SetFolder() const
{
    return HasSet() ? SetFolderForm(pastaConjunto_) : QString();
}

QString TSetDocument::CaminhoImagem(int slot) const
{
    return pastaConjunto_ + PictureFileName(slot, IsDoubleSet());
}

QString TSetDocument::CaminhoSom(int slot) const
{
    return pastaConjunto_ + SoundFileName(slot, IsDoubleSet());
}

QString TSetDocument::CaminhoArquivo(int slot, CardPart part) const
{
    switch (part) {
    case CardPart::Picture:
        return CaminhoImagem(slot);
    case CardPart::Sound:
        return CaminhoSom(slot);
    case CardPart::Name:
        break;
    }
    return pastaConjunto_ + CardNames::FileName;
}

std::optional<int> TSetDocument::SlotSharingFiles(int slot) const
{
    return ::SlotSharingFiles(slot, IsDoubleSet());
}

std::vector<int> TSetDocument::SlotsOfFile(int slot) const
{
    std::vector<int> cardSlots{slot};
    if (const std::optional<int> other = SlotSharingFiles(slot))
        cardSlots.push_back(*other);
    return cardSlots;
}

QString TSetDocument::RecordedPath(int slot, CardPart part) const
{
    const TElemento& element = conjunto_.Elementos[slot];
    if (part == CardPart::Name)
        return CaminhoArquivo(slot, part);
    return part == CardPart::Picture ? element.Imagem : element.Som;
}

void TSetDocument::SetPastaBase(const QString& folder)
{
    pastaBase_ = folder;
}

void TSetDocument::SetPastaConjunto(const QString& folder)
{
    if (folder == pastaConjunto_)
        return;
    pastaConjunto_ = folder;
    emit configChanged();
}

void TSetDocument::SetConfigConjunto(const TConfigConjunto& config)
{
    configConjunto_ = config;
    emit configChanged();
}

void TSetDocument::LimpaConjunto()
{
    ::LimpaConjunto(conjunto_);
}

void TSetDocument::ChooseSet(const QString& folder, const QString& author, uint8_t duplo)
{
    pastaConjunto_ = folder;
    SetAutor(configConjunto_, author);
    configConjunto_.Duplo = duplo;
    emit configChanged();
}

void TSetDocument::OpenFolder(const QString& folder)
{
    const QString previousFolder = pastaConjunto_;
    const TConfigConjunto previousConfig = configConjunto_;
    pastaConjunto_ = folder;
    try {
        CarregaConfig(folder);
    } catch (...) {
        pastaConjunto_ = previousFolder;
        configConjunto_ = previousConfig;
        throw;
    }
    emit configChanged();
}

void TSetDocument::ApplyProperties(const QString& author, bool duplo)
{
    SetAutor(configConjunto_, author);
    configConjunto_.Duplo = duplo ? 1 : 0;
    emit configChanged();
    // Without a current set there is no folder to write into: the values only
    // take effect in memory.
    if (HasSet())
        SalvaConfig();
}

int TSetDocument::CardsChangingPicture(bool duplo) const
{
    if (!HasSet() || duplo == IsDoubleSet())
        return 0;
    const auto pathOf = [this](int slot, bool asDouble) {
        return pastaConjunto_ + PictureFileName(slot, asDouble);
    };
    int count = 0;
    for (int slot = 0; slot < NumSlots; ++slot) {
        const QString now = pathOf(slot, !duplo);
        const QString then = pathOf(slot, duplo);
        if (now != then && (FileNames::findExisting(now) || FileNames::findExisting(then)))
            ++count;
    }
    return count;
}

void TSetDocument::CarregaConfig(const QString& folder)
{
    // An existing file is only read, so a set on a read-only medium opens.
    if (const std::optional<TConfigConjunto> stored = ReadExistingConfig(folder)) {
        configConjunto_ = *stored;
        return;
    }
    // A folder without the file becomes a paired set without an author. The
    // character bytes after the length stay as they were in memory.
    TConfigConjunto created = configConjunto_;
    created.Autor[AutorLengthOffset] = 0;
    created.Duplo = 0;
    WriteConfig(folder, created);
    configConjunto_ = created;
}

void TSetDocument::SalvaConfig() const
{
    // Without a current set there is no folder to write into; the name would
    // land in the root folder.
    if (!HasSet())
        throw EInOutError(EInOutError::InvalidFilename);
    WriteConfig(pastaConjunto_, configConjunto_);
}

void TSetDocument::StartEmptySet()
{
    LimpaConjunto();
    emit setOpened();
}

bool TSetDocument::LoadSet(ScanView& view)
{
    LimpaConjunto();
    pastaConjunto_ += QLatin1Char('/');
    const bool complete = ::CarregaConjunto(pastaConjunto_, IsDoubleSet(), conjunto_, view);
    emit setOpened();
    return complete;
}

bool TSetDocument::ReloadSet(ScanView& view)
{
    // LoadSet adds the folder's "/" itself.
    while (pastaConjunto_.size() > 1 && pastaConjunto_.endsWith(QLatin1Char('/')))
        pastaConjunto_.chop(1);
    return LoadSet(view);
}

void TSetDocument::RecordCardPath(int slot, CardPart part, const QString& path)
{
    if (part == CardPart::Name)
        return;
    for (const int recording : SlotsOfFile(slot)) {
        TElemento& element = conjunto_.Elementos[recording];
        (part == CardPart::Picture ? element.Imagem : element.Som) = path;
    }
}

void TSetDocument::ReplaceCardFile(int slot, CardPart part,
                                   const std::function<void(const QString& path)>& write)
{
    CardFileChange change;
    change.slot = slot;
    change.part = part;
    change.path = CaminhoArquivo(slot, part);
    change.cardSlots = SlotsOfFile(slot);
    for (const int recording : change.cardSlots)
        change.pathsBefore.push_back(RecordedPath(recording, part));

    // One that joins while the others are told hears of the next write, not
    // of the end of this one.
    const std::vector<CardFileObserver*> observers = observers_;
    std::size_t told = 0;
    const auto tellFailed = [&] {
        for (std::size_t i = 0; i < told; ++i)
            observers[i]->replaceFailed(change);
    };
    try {
        for (; told < observers.size(); ++told)
            observers[told]->aboutToReplace(change);
        write(change.path);
    } catch (Exception& e) {
        // A writer's "Stream write error" says what failed, not on which card file.
        e.NameFile(change.path);
        tellFailed();
        throw;
    } catch (...) {
        tellFailed();
        throw;
    }
    RecordCardPath(slot, part, change.path);
    for (CardFileObserver* observer : observers)
        observer->replaced(change);
    for (const int recording : change.cardSlots)
        emit cardFileWritten(recording, part, change.path);
}

void TSetDocument::RestoreCardPaths(CardPart part, const std::vector<std::pair<int, QString>>& paths)
{
    for (const auto& [slot, path] : paths) {
        TElemento& element = conjunto_.Elementos[slot];
        if (part != CardPart::Name)
            (part == CardPart::Picture ? element.Imagem : element.Som) = path;
    }
    for (const auto& [slot, path] : paths)
        emit cardFileWritten(slot, part, path);
}

void TSetDocument::AddObserver(CardFileObserver* observer)
{
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void TSetDocument::RemoveObserver(CardFileObserver* observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void TSetDocument::BeginCommand(const QString& name)
{
    if (commandDepth_++ > 0)
        return;
    for (CardFileObserver* observer : std::vector<CardFileObserver*>(observers_))
        observer->commandBegun(name);
}

void TSetDocument::EndCommand()
{
    if (commandDepth_ == 0 || --commandDepth_ > 0)
        return;
    for (CardFileObserver* observer : std::vector<CardFileObserver*>(observers_))
        observer->commandEnded();
}
