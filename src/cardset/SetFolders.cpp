#include "cardset/SetFolders.h"

#include "common/FileNames.h"

#include <QDir>

namespace {

constexpr char16_t LastBlank = u' ';

struct PatternParts {
    QString folder;
    QString name;
};

PatternParts splitPattern(const QString& pattern)
{
    const qsizetype slash = pattern.lastIndexOf(QLatin1Char('/'));
    PatternParts parts{slash < 0 ? QStringLiteral(".") : pattern.left(slash + 1), pattern.mid(slash + 1)};
    // "*.*" matches every name, a name without a dot too, as the desktops' search does.
    if (parts.name == QLatin1String("*.*"))
        parts.name = QStringLiteral("*");
    return parts;
}

bool hasWildcard(const QString& name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

bool isHidden(const QString& name)
{
    return name.startsWith(QLatin1Char('.'));
}

} // namespace

QString TrimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first).unicode() <= LastBlank)
        ++first;
    while (end > first && text.at(end - 1).unicode() <= LastBlank)
        --end;
    return text.mid(first, end - first);
}

bool ExistePasta(const QString& path)
{
    const PatternParts parts = splitPattern(path);
    if (parts.name.isEmpty())
        return QDir(parts.folder).exists();
    if (hasWildcard(parts.name)) {
        const QStringList found =
            QDir(parts.folder).entryList({parts.name}, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot);
        return !found.isEmpty();
    }
    const std::optional<QString> found = FileNames::findExisting(path);
    return found && !isHidden(found->mid(found->lastIndexOf(QLatin1Char('/')) + 1));
}

QStringList SetFolderNames(const QString& pattern)
{
    const PatternParts parts = splitPattern(pattern);
    // Sorted by name as the desktops' file systems return their entries.
    const QStringList entries =
        QDir(parts.folder)
            .entryList({parts.name}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QString& entry : entries) {
        const QString trimmed = TrimBlanks(entry);
        if (trimmed == QLatin1String(".") || trimmed == QLatin1String("..") || isHidden(entry))
            continue;
        names << entry;
    }
    return names;
}

bool IsUsableSetName(const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.startsWith(QLatin1Char('.')))
        return false;
    return true;
}
