#include "cardset/SetDocument.h"

#include "cardset/CardFileObserver.h"
#include "cardset/EInOutError.h"
#include "cardset/SetScan.h"
#include "common/FileNames.h"

#include <algorithm>

namespace {

constexpr int AutorLengthOffset = 0;

} // namespace

TSetDocument::TSetDocument(QObject* parent) : QObject(parent), ConfigConjunto{}
{
    ::LimpaConjunto(Conjunto);
}

TSetDocument::~TSetDocument() = default;

bool TSetDocument::IsDoubleSet() const
{
    return ::IsDoubleSet(ConfigConjunto);
}

int TSetDocument::NumeroArquivo(int slot) const
{
    return ::NumeroArquivo(slot, IsDoubleSet());
}

QString TSetDocument::CaminhoImagem(int slot) const
{
    return PastaConjunto + NomesImagem[NumeroArquivo(slot)] + QStringLiteral(".bmp");
}

QString TSetDocument::CaminhoSom(int slot) const
{
    return PastaConjunto + NomesSom[NumeroArquivo(slot)] + QStringLiteral(".wav");
}

QString TSetDocument::CaminhoArquivo(int slot, CardPart part) const
{
    return part == CardPart::Picture ? CaminhoImagem(slot) : CaminhoSom(slot);
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

const QString& TSetDocument::RecordedPath(int slot, CardPart part) const
{
    const TElemento& element = Conjunto.Elementos[slot];
    return part == CardPart::Picture ? element.Imagem : element.Som;
}

void TSetDocument::LimpaConjunto()
{
    ::LimpaConjunto(Conjunto);
}

void TSetDocument::ChooseSet(const QString& folder, const QString& author, uint8_t duplo)
{
    PastaConjunto = folder;
    SetAutor(ConfigConjunto, author);
    ConfigConjunto.Duplo = duplo;
    emit configChanged();
}

void TSetDocument::OpenFolder(const QString& folder)
{
    const QString previousFolder = PastaConjunto;
    const TConfigConjunto previousConfig = ConfigConjunto;
    PastaConjunto = folder;
    try {
        CarregaConfig(folder);
    } catch (...) {
        PastaConjunto = previousFolder;
        ConfigConjunto = previousConfig;
        throw;
    }
    emit configChanged();
}

void TSetDocument::ApplyProperties(const QString& author, bool duplo)
{
    SetAutor(ConfigConjunto, author);
    ConfigConjunto.Duplo = duplo ? 1 : 0;
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
        return PastaConjunto + NomesImagem[::NumeroArquivo(slot, asDouble)] + QStringLiteral(".bmp");
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
        ConfigConjunto = *stored;
        return;
    }
    // A folder without the file becomes a paired set without an author. The
    // character bytes after the length stay as they were in memory.
    TConfigConjunto created = ConfigConjunto;
    created.Autor[AutorLengthOffset] = 0;
    created.Duplo = 0;
    WriteConfig(folder, created);
    ConfigConjunto = created;
}

void TSetDocument::SalvaConfig() const
{
    // Without a current set there is no folder to write into; the name would
    // land in the root folder.
    if (!HasSet())
        throw EInOutError(EInOutError::InvalidFilename);
    WriteConfig(PastaConjunto, ConfigConjunto);
}

void TSetDocument::StartEmptySet()
{
    LimpaConjunto();
    emit setOpened();
}

bool TSetDocument::LoadSet(ScanView& view)
{
    LimpaConjunto();
    const bool complete = ::CarregaConjunto(*this, view);
    emit setOpened();
    return complete;
}

bool TSetDocument::ReloadSet(ScanView& view)
{
    // The scan adds the folder's "/" itself.
    while (PastaConjunto.size() > 1 && PastaConjunto.endsWith(QLatin1Char('/')))
        PastaConjunto.chop(1);
    return LoadSet(view);
}

void TSetDocument::RecordCardPath(int slot, CardPart part, const QString& path)
{
    for (const int recording : SlotsOfFile(slot)) {
        TElemento& element = Conjunto.Elementos[recording];
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
        TElemento& element = Conjunto.Elementos[slot];
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
