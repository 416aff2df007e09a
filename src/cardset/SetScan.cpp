#include "cardset/SetScan.h"

#include "cardset/CardTable.h"
#include "cardset/SetConfig.h"
#include "common/FileNames.h"

#include <QCoreApplication>

namespace {

constexpr int PairedProgressMaximum = 20;
constexpr int DoubleProgressMaximum = 40;
constexpr int PairCount = 20;

QString errorLine(const QString& path)
{
    // The resource text has two blanks before "não" and its argument ends with
    // one more, so a line shows three.
    return QCoreApplication::translate("SetScan", "O arquivo %1  não existe.").arg(path + QLatin1Char(' '));
}

// Looks the set's files up in one listing of the folder, letter case ignored.
// A folder under a card's name does not count as its file.
class SetFolder {
  public:
    explicit SetFolder(const QString& folder) : folder_(folder), index_(folder) {}

    // The composed path of the file when it exists, else empty. File number
    // n is the file of slot n in a double set.
    QString picture(int fileNumber) const { return find(PictureFileName(fileNumber, true)); }
    QString sound(int fileNumber) const { return find(SoundFileName(fileNumber, true)); }
    QString picturePath(int fileNumber) const { return folder_ + PictureFileName(fileNumber, true); }

  private:
    QString find(const QString& name) const { return index_.findFile(name) ? folder_ + name : QString(); }

    QString folder_;
    FileNames::FolderIndex index_;
};

class Scan {
  public:
    Scan(ScanView& view, const SetFolder& folder, TConjunto& table)
        : view_(view), folder_(folder), table_(table)
    {
    }

    void scanDouble()
    {
        view_.setProgressRange(DoubleProgressMaximum);
        for (int i = 0; i < NumSlots; ++i) {
            TElemento& slot = table_.Elementos[i];
            if (const QString picture = lookForPicture(i); !picture.isEmpty())
                slot.Imagem = picture;
            if (const QString sound = folder_.sound(i); !sound.isEmpty())
                slot.Som = sound;
            view_.setProgressPosition(i);
        }
    }

    void scanPaired()
    {
        // The cover's sound is not looked for and the bar does not move for it.
        if (const QString cover = lookForPicture(0); !cover.isEmpty()) {
            table_.Elementos[0].Par = 0;
            table_.Elementos[0].Imagem = cover;
        }
        for (int k = 1; k <= PairCount; ++k) {
            TElemento& first = table_.Elementos[2 * k - 1];
            TElemento& second = table_.Elementos[2 * k];
            if (const QString picture = lookForPicture(k); !picture.isEmpty())
                first.Imagem = second.Imagem = picture;
            if (const QString sound = folder_.sound(k); !sound.isEmpty())
                first.Som = second.Som = sound;
            view_.setProgressPosition(k);
        }
    }

    bool complete() const { return !pictureMissing_; }

  private:
    QString lookForPicture(int fileNumber)
    {
        QString found = folder_.picture(fileNumber);
        if (found.isEmpty()) {
            view_.appendError(errorLine(folder_.picturePath(fileNumber)));
            pictureMissing_ = true;
        }
        return found;
    }

    ScanView& view_;
    const SetFolder& folder_;
    TConjunto& table_;
    bool pictureMissing_ = false;
};

} // namespace

bool CarregaConjunto(const QString& folder, bool doubleSet, TConjunto& table, ScanView& view)
{
    view.showProgress(QCoreApplication::translate("SetScan", "Importando Conjunto"), PairedProgressMaximum);
    const SetFolder setFolder(folder);
    Scan scan(view, setFolder, table);
    if (doubleSet)
        scan.scanDouble();
    else
        scan.scanPaired();
    view.hideProgress();
    return scan.complete();
}
