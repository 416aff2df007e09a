#include "cardset/ui/SetArchiveCommands.h"

#include "cardset/SetArchive.h"
#include "cardset/SetFolders.h"
#include "common/FileNames.h"
#include "common/ui/ExportFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString exportCaption()
{
    return QCoreApplication::translate("SetArchiveCommands", "Export set as file");
}

QString importCaption()
{
    return QCoreApplication::translate("SetArchiveCommands", "Import set from file");
}

// The file dialogs' filters: the patterns in brackets stay as they are.
QString setFileFilter()
{
    return QCoreApplication::translate("SetArchiveCommands", "Set files (*.tessellor)");
}

QString zipFilter()
{
    return QCoreApplication::translate("SetArchiveCommands", "Zip archive (*.zip)");
}

QString importFilter()
{
    return QCoreApplication::translate("SetArchiveCommands", "Set files (*.tessellor *.zip)");
}

void tell(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

bool nameTaken(const QString& edFolder, const QString& name)
{
    return FileNames::findExisting(QDir(edFolder).filePath(name)).has_value();
}

// The first of "name 2", "name 3", ... that is free in `edFolder`; a name
// that cannot name a set is proposed as it is, for the user to mend.
QString proposedName(const QString& edFolder, const QString& name)
{
    if (!IsUsableSetName(name))
        return name;
    for (int number = 2;; ++number) {
        const QString numbered = QStringLiteral("%1 %2").arg(name).arg(number);
        if (!nameTaken(edFolder, numbered))
            return numbered;
    }
}

// A name for the new set that is free in `edFolder`, asking while it is not.
std::optional<QString> freeName(QWidget* parent, const QString& edFolder, QString name,
                                const SetArchiveCommands::AskName& askName)
{
    while (nameTaken(edFolder, name) || !IsUsableSetName(name)) {
        const std::optional<QString> other = askName(name, proposedName(edFolder, name));
        if (!other)
            return std::nullopt;
        name = TrimBlanks(*other);
        if (!IsUsableSetName(name))
            tell(parent, importCaption(),
                 QCoreApplication::translate("SetArchiveCommands", "\"%1\" cannot name a set.").arg(name));
    }
    return name;
}

std::optional<QString> askNameInDialog(QWidget* parent, const QString& taken, const QString& proposed)
{
    bool ok = false;
    const QString name = QInputDialog::getText(
        parent, importCaption(),
        QCoreApplication::translate("SetArchiveCommands",
                                    "A set named \"%1\" already exists. Name of the imported set:")
            .arg(taken),
        QLineEdit::Normal, proposed, &ok);
    return ok ? std::optional<QString>(name) : std::nullopt;
}

// The entries left out, the first few by name: a box the screen can hold.
QString leftOutText(const QStringList& skipped)
{
    constexpr qsizetype Shown = 15;
    QString text = QCoreApplication::translate("SetArchiveCommands",
                                               "These entries are not a set's files and were left out:\n") +
                   skipped.mid(0, Shown).join(QLatin1Char('\n'));
    if (skipped.size() > Shown)
        text += QCoreApplication::translate("SetArchiveCommands", "\n... and %1 more")
                    .arg(skipped.size() - Shown);
    return text;
}

} // namespace

bool SetArchiveCommands::ExportSetAsFile(QWidget* parent, const QString& setFolder)
{
    const QString suggested = ExportFiles::ProposedPath(SetArchive::ArchiveFileName(setFolder));
    QString filter = setFileFilter();
    QString path = QFileDialog::getSaveFileName(
        parent, exportCaption(), suggested, setFileFilter() + QStringLiteral(";;") + zipFilter(), &filter);
    if (path.isEmpty())
        return false;
    // A name typed without an extension gets the chosen kind's.
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == zipFilter() ? QStringLiteral(".zip") : QStringLiteral(".tessellor");
    try {
        const QStringList skipped = SetArchive::Pack(setFolder, path);
        ExportFiles::Remember(path);
        // One message: the file written, then any set file left out of it.
        QString text =
            ExportFiles::WrittenText(QCoreApplication::translate("SetArchiveCommands", "set file"), path);
        if (!skipped.isEmpty())
            text += QCoreApplication::translate(
                        "SetArchiveCommands",
                        "\n\nThese files lead out of the set's folder or are no plain files, and were "
                        "left out:\n") +
                    skipped.join(QLatin1Char('\n'));
        tell(parent, exportCaption(), text);
        return true;
    } catch (const Exception& e) {
        // The file and the system's reason, below the message.
        tell(parent, exportCaption(), e.TextWithFile());
        return false;
    }
}

std::optional<QString> SetArchiveCommands::ImportSetFromFile(QWidget* parent, const QString& edFolder)
{
    const QString path = QFileDialog::getOpenFileName(parent, importCaption(), QDir::homePath(),
                                                      importFilter() + QStringLiteral(";;") + zipFilter());
    if (path.isEmpty())
        return std::nullopt;
    return ImportSetFile(parent, path, edFolder);
}

std::optional<QString> SetArchiveCommands::ImportSetFile(QWidget* parent, const QString& path,
                                                         const QString& edFolder)
{
    return ImportArchive(parent, path, edFolder, [parent](const QString& taken, const QString& proposed) {
        return askNameInDialog(parent, taken, proposed);
    });
}

std::optional<QString> SetArchiveCommands::ImportArchive(QWidget* parent, const QString& zipPath,
                                                         const QString& edFolder, const AskName& askName)
{
    try {
        std::optional<QString> name =
            freeName(parent, edFolder, SetArchive::Inspect(zipPath).setName, askName);
        for (;;) {
            if (!name)
                return std::nullopt;
            try {
                const SetArchive::Unpacked unpacked = SetArchive::Unpack(zipPath, edFolder, *name);
                if (!unpacked.contents.skipped.isEmpty())
                    tell(parent, importCaption(), leftOutText(unpacked.contents.skipped));
                return unpacked.folder;
            } catch (const ESetNameTaken& taken) {
                // Another program made a set of that name meanwhile.
                name = freeName(parent, edFolder, taken.name(), askName);
            }
        }
    } catch (const Exception& e) {
        tell(parent, importCaption(), e.TextWithFile());
        return std::nullopt;
    }
}
